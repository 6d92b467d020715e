#!/bin/sh
# Tests the Windows build of tools/build-windows.sh under Wine, against this machine's Linux
# build and the virtual radio:
#   1. the command-line program gives byte-identical files and the same text 
#      for new, info, export, import, report and diff, on the factory default and on a file
#      of 800 channels;
#   2. a read and a write through a COM port that Wine maps to the virtual radio's
#      pseudo-terminal give what the Linux build gives;
#   3. the program starts on a data file, shows its main window (screenshot kept) with the
#      file's path written the Windows way, and quits cleanly;
#   4. the installer installs and uninstalls silently.
# Every check prints PASS or FAIL; the script fails when one does.
set -u
cd "$(dirname "$0")/.."
OUT=${DUOBAND_WINDOWS_BUILD:-build-windows}
WIN=$OUT/Duoband
LIN=$OUT/host/bin/duoband-cli
if [ ! -f "$WIN/duoband-cli.exe" ] || [ ! -x "$LIN" ]; then
    echo "Build first: tools/build-windows.sh" >&2
    exit 1
fi
tools/install-deps.sh wine64 wine xvfb xdotool imagemagick || exit 1

WORK=$(mktemp -d)
export WINEPREFIX="$WORK/wine" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
SIMS=""
XVFB=""
cleanup() {
    for p in $SIMS $XVFB; do kill "$p" 2>/dev/null; done
    wineserver -k 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

FAILED=0
pass() { printf "PASS  %s\n" "$1"; }
fail() { printf "FAIL  %s\n" "$1"; FAILED=$((FAILED + 1)); }
check() { # check NAME COMMAND...: passes when the command succeeds
    name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}

W() { wine "$WIN/duoband-cli.exe" "$@"; }
L() { "$LIN" "$@"; }
# Both programs' standard output, byte for byte, and exit code for the same arguments.
same_output() { # same_output NAME ARGS...
    name=$1
    shift
    L "$@" >"$WORK/l.out" 2>"$WORK/l.err"
    lc=$?
    W "$@" >"$WORK/w.out" 2>"$WORK/w.err"
    wc=$?
    if [ "$lc" = "$wc" ] && cmp -s "$WORK/l.out" "$WORK/w.out"; then
        pass "$name (exit $lc, $(wc -l <"$WORK/l.out") lines)"
    else
        fail "$name (exit Linux $lc, Windows $wc)"
        diff "$WORK/l.out" "$WORK/w.out" | head -5
        head -3 "$WORK/w.err"
    fi
}
same_file() { # same_file NAME LINUX-FILE WINDOWS-FILE
    if [ -s "$2" ] && cmp -s "$2" "$3"; then
        pass "$1 ($(wc -c <"$2") bytes)"
    else
        fail "$1"
        cmp "$2" "$3" | head -2
    fi
}

echo "Wine: $(wine --version), prefix $WINEPREFIX"
wineboot -i >/dev/null 2>&1
cd "$WORK"
cp "$OLDPWD/$WIN/Default.dat" factory.dat
WIN=$OLDPWD/$WIN
LIN=$OLDPWD/$LIN

# --- 1. The command-line program ---------------------------------------------------------
L new -o l-new.dat && W new -o w-new.dat
same_file "new" l-new.dat w-new.dat

# 800 channels over both bands, every column varied.
awk 'BEGIN {
    print "CH,Rx Freq,Tx Freq,Decode Type,CTCSS,DCS,DCS Polarity,Power,Scan,Bandwidth,Signaling,Name"
    split("Off,Ctcss Encode,Ctcss Codec,Dcs Codec", decode, ",")
    split("Positive,Decode Invert,Encode Invert,Invert", polarity, ",")
    split("Low,Middle 2,Middle 1,High", power, ",")
    split("67.0,88.5,100.0,151.4,250.3", ctcss, ",")
    split("023,114,205,411,754", dcs, ",")
    for (n = 1; n <= 800; n++) {
        rx = n <= 400 ? 144 + (n - 1) * 0.0125 : 430 + (n - 401) * 0.025
        tx = n % 3 == 0 ? rx + (n <= 400 ? 0.6 : 5) : rx
        printf "%d,%.5f,%.5f,%s,%s,%s,%s,%s,%s,%s,Off,CH%d\n", n, rx, tx, decode[n % 4 + 1],
            ctcss[n % 5 + 1], dcs[n % 5 + 1], polarity[n % 4 + 1], power[n % 4 + 1],
            (n % 5 ? "Allow" : "Skip"), (n % 2 ? "Wide" : "Narrow"), n
    }
}' >big.csv
L import factory.dat big.csv -o l-big.dat >/dev/null 2>&1
W import factory.dat big.csv -o w-big.dat >/dev/null 2>&1
same_file "import of 800 channels" l-big.dat w-big.dat
sed 's/^37,\([^,]*\),\([^,]*\),[^,]*,/37,\1,\2,Dcs Codec,/; s/,CH500$/,NEW500/' big.csv >big2.csv
L import l-big.dat big2.csv -o l-big2.dat >/dev/null 2>&1
W import l-big.dat big2.csv -o w-big2.dat >/dev/null 2>&1
same_file "import over an 800-channel file" l-big2.dat w-big2.dat

for f in factory.dat l-big.dat; do
    same_output "info $f" info "$f"
    same_output "export $f" export "$f"
    same_output "export $f (interchange)" export "$f" --format interchange
    same_output "report $f" report "$f"
    L export "$f" -o "l-$f.csv" && W export "$f" -o "w-$f.csv"
    same_file "export $f to a file" "l-$f.csv" "w-$f.csv"
done
same_output "diff of equal files" diff l-big.dat w-big.dat
same_output "diff of different files" diff l-big.dat l-big2.dat
same_output "diff of the factory default and 800 channels" diff factory.dat l-big.dat

# The same program in German and Spanish: its texts follow the language, its files do not.
check "the command line speaks German (LANG=de_DE.UTF-8)" \
    sh -c "LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 wine '$WIN/duoband-cli.exe' --help 2>/dev/null | grep -q 'Befehle:'"
check "a channel list exported in Spanish is the one exported here in English" sh -c \
    "LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 wine '$WIN/duoband-cli.exe' export l-big.dat >'$WORK/es.csv' 2>/dev/null &&
     LANG=C '$LIN' export l-big.dat >'$WORK/c.csv' && cmp -s '$WORK/es.csv' '$WORK/c.csv'"
check "Qt's own German texts ship beside the program" \
    test -f "$WIN/translations/qtbase_de.qm" -a -f "$WIN/translations/qtbase_es.qm"

# --- 2. Read and write through a COM port ------------------------------------------------
start_sim() { # start_sim IMAGE: PTY becomes the device path of a virtual radio holding IMAGE
    "$LIN" sim --image "$1" >"$WORK/sim.out" 2>/dev/null </dev/null &
    SIMS="$SIMS $!"
    PTY=""
    for _ in $(seq 50); do
        PTY=$(head -1 "$WORK/sim.out")
        [ -n "$PTY" ] && break
        sleep 0.1
    done
}
map_com5() {
    wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /d "$1" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null # the mapping is read when Wine starts
    wineserver -w 2>/dev/null
}
start_sim l-big.dat
map_com5 "$PTY"
W read --port COM5 -o w-read.dat >/dev/null 2>"$WORK/read.err"
check "read through COM5 (exit 0)" test $? = 0
L read --port "$PTY" -o l-read.dat >/dev/null 2>&1
same_file "read through COM5 gives what Linux reads" l-read.dat w-read.dat

start_sim factory.dat
map_com5 "$PTY"
W write --port COM5 l-big2.dat >/dev/null 2>"$WORK/write.err"
check "write through COM5 (exit 0)" test $? = 0
L read --port "$PTY" -o w-written.dat >/dev/null 2>&1
start_sim factory.dat
L write --port "$PTY" l-big2.dat >/dev/null 2>&1
L read --port "$PTY" -o l-written.dat >/dev/null 2>&1
same_file "the radio holds what a Linux write leaves" l-written.dat w-written.dat

# --- 3. The program's window -------------------------------------------------------------
for n in $(seq 90 99); do
    [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 1280x800x24 >/dev/null 2>&1 &
XVFB=$!
sleep 1
# Given as Wine's Unix-drive path with forward slashes, shown as Windows writes paths.
DISPLAY=":$n" wine "$WIN/duoband.exe" "Z:$PWD/factory.dat" >/dev/null 2>&1 &
GUI=$!
SHOWN=""
for _ in $(seq 60); do
    SHOWN=$(DISPLAY=":$n" xdotool search --onlyvisible --name '^Duoband' 2>/dev/null | head -1)
    [ -n "$SHOWN" ] && break
    sleep 0.5
done
check "the program shows its main window" test -n "$SHOWN"
if [ -n "$SHOWN" ]; then
    sleep 2
    DISPLAY=":$n" import -window root "$OLDPWD/$OUT/windows-gui.png"
    TITLE=$(DISPLAY=":$n" xdotool getwindowname "$SHOWN")
    SHOWN_PATH=$(printf 'Z:%s/factory.dat' "$PWD" | tr / '\\')
    check "its title names the model, the file the Windows way and the form ($TITLE)" \
        test "$TITLE" = "Duoband [ $SHOWN_PATH ] - [Channel setting]"
    # As a user would: File, Exit.
    DISPLAY=":$n" xdotool windowfocus --sync "$SHOWN" 2>/dev/null
    DISPLAY=":$n" xdotool key --window "$SHOWN" alt+f 2>/dev/null
    sleep 1
    DISPLAY=":$n" xdotool key x 2>/dev/null
fi
for _ in $(seq 40); do
    kill -0 "$GUI" 2>/dev/null || break
    sleep 0.5
done
if kill -0 "$GUI" 2>/dev/null; then
    fail "the program quits when its window is closed"
    kill "$GUI"
else
    wait "$GUI"
    check "the program quits cleanly when its window is closed" test $? = 0
fi

# --- 4. The installer --------------------------------------------------------------------
SETUP=$(ls "$OLDPWD/$OUT"/Duoband-*-setup.exe | head -1)
PF="$WINEPREFIX/drive_c/Program Files/Duoband"
wine "$SETUP" /S
check "the installer installs silently" test -f "$PF/duoband.exe" -a -f "$PF/share/duoband/Default.dat"
check "the installed program runs" sh -c "wine '$PF/duoband-cli.exe' --version | grep -q duoband-cli"
check "the Start menu has its entry" test -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Duoband.lnk"
wine "$PF/Uninstall.exe" /S
for _ in $(seq 40); do
    [ -e "$PF/duoband.exe" ] || break
    sleep 0.5
done
check "the uninstaller removes it silently" test ! -e "$PF/duoband.exe" -a ! -e "$PF/share"

echo
if [ "$FAILED" -gt 0 ]; then
    echo "$FAILED Windows check(s) failed."
    exit 1
fi
echo "Every Windows check passed."
