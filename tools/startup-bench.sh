#!/bin/sh
# Start-up of the program beside a bare Qt window with an 801-row table (bench_bare_window),
# whole processes from exec to the first painted window, in interleaved rounds on an X server
# (Xvfb), once with the desktop's icon themes as they are and once with a stale hicolor cache
# (as installing packages that add icons without updating the cache leaves it). Prints the
# median of each and the ratio program / bare window; then the program in German (its own and
# Qt's translations loaded) against the program in English (LANG=C).
#
#   tools/startup-bench.sh [BUILD_DIR] [ROUNDS]     (defaults: build, 20)
set -eu
BUILD=${1:-build}
ROUNDS=${2:-20}
PROGRAM=$BUILD/bin/duoband
BARE=$BUILD/bench/bench_bare_window
for p in "$PROGRAM" "$BARE"; do
    [ -x "$p" ] || { echo "Build first (cmake -DDUOBAND_BENCH=ON): $p is missing" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "Needs Xvfb (apt-get install xvfb)" >&2; exit 1; }

WORK=$(mktemp -d)
XVFB=""
cleanup() {
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

n=90
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x800x24 >/dev/null 2>&1 &
XVFB=$!
sleep 1
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb DUOBAND_QUIT_WHEN_SHOWN=1

# A stale copy of hicolor shadows the real one: one of its folders is newer than its cache.
mkdir -p "$WORK/stale/icons"
cp -a /usr/share/icons/hicolor "$WORK/stale/icons/"
touch "$WORK/stale/icons/hicolor/48x48/apps"
STALE="$WORK/stale:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"

# Milliseconds one run takes, from exec to exit.
run_ms() { # run_ms DATA_DIRS PROGRAM [LANG]
    start=$(date +%s%N)
    LANG=${3:-C} LC_ALL=${3:-C} XDG_DATA_DIRS=$1 "$2" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2)}'; }

VALID=${XDG_DATA_DIRS:-/usr/local/share:/usr/share}
for case in valid stale; do
    dirs=$VALID
    [ "$case" = stale ] && dirs=$STALE
    run_ms "$dirs" "$BARE" >/dev/null # warm the file cache
    run_ms "$dirs" "$PROGRAM" >/dev/null
    : >"$WORK/$case-bare"
    : >"$WORK/$case-program"
    i=0
    while [ $i -lt "$ROUNDS" ]; do
        run_ms "$dirs" "$BARE" >>"$WORK/$case-bare"
        run_ms "$dirs" "$PROGRAM" >>"$WORK/$case-program"
        i=$((i + 1))
    done
    bare=$(median <"$WORK/$case-bare")
    program=$(median <"$WORK/$case-program")
    echo "$case icon cache: bare window ${bare} ms, duoband ${program} ms, ratio $(echo "scale=2; $program / $bare" | bc)"
done

: >"$WORK/english"
: >"$WORK/german"
run_ms "$VALID" "$PROGRAM" de_DE.UTF-8 >/dev/null
i=0
while [ $i -lt "$ROUNDS" ]; do
    run_ms "$VALID" "$PROGRAM" C >>"$WORK/english"
    run_ms "$VALID" "$PROGRAM" de_DE.UTF-8 >>"$WORK/german"
    i=$((i + 1))
done
english=$(median <"$WORK/english")
german=$(median <"$WORK/german")
echo "translation: duoband in English ${english} ms, in German ${german} ms, ratio $(echo "scale=3; $german / $english" | bc)"
