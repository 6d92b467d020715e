#!/bin/sh
# Cross-builds duoband.exe and duoband-cli.exe for x86-64 Windows with the project's own CMake
# files and lays out what ships:
#   build-windows/Duoband/             the programs, Qt and MinGW DLLs, plugins, data, icon
#                                      (stripped of debugging symbols)
#   build-windows/Duoband-VERSION-windows-x86_64.zip        that folder, for use without setup
#   build-windows/Duoband-VERSION-windows-x86_64-setup.exe  an installer (NSIS)
# Needs the Windows Qt of tools/build-qt-windows.sh (DUOBAND_QT_MINGW, default
# /opt/duoband-qt-mingw). The factory Default.dat is written by this machine's duoband-cli.
set -e
cd "$(dirname "$0")/.."
QT=${DUOBAND_QT_MINGW:-/opt/duoband-qt-mingw}
OUT=${DUOBAND_WINDOWS_BUILD:-build-windows}

if [ ! -f "$QT/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "No Qt for Windows in $QT: run tools/build-qt-windows.sh first." >&2
    exit 1
fi
# qt6-l10n-tools: the host's lrelease makes the program's .qm files; qt6-translations-l10n: Qt's
# own dialog texts, shipped beside the program.
tools/install-deps.sh g++-mingw-w64-x86-64-posix ninja-build nsis zip qt6-l10n-tools \
    qt6-translations-l10n

# This machine's command-line program, for Default.dat (a Windows program cannot run here).
HOST=$OUT/host
cmake -S . -B "$HOST" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDUOBAND_EXTRAS=OFF >/dev/null
cmake --build "$HOST" --target duoband-cli

cmake -S . -B "$OUT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$QT" -DDUOBAND_QT_PREFIX="$QT" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DDUOBAND_EXTRAS=OFF -DDUOBAND_WERROR=ON -DDUOBAND_HOST_CLI="$PWD/$HOST/bin/duoband-cli"
cmake --build "$OUT/build"

VERSION=$(sed -n 's/^project(Duoband VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
NAME=Duoband-$VERSION-windows-x86_64
DIR=$OUT/Duoband
rm -rf "$DIR"
mkdir -p "$DIR/platforms" "$DIR/styles"
BIN=$OUT/build/bin
cp "$BIN/duoband.exe" "$BIN/duoband-cli.exe" "$BIN/Default.dat" "$BIN/Program.ini" "$DIR/"
for m in Core Gui Widgets PrintSupport; do
    cp "$QT/bin/Qt6$m.dll" "$DIR/"
done
# qoffscreen: the command-line program draws report pages without a screen.
cp "$QT/plugins/platforms/qwindows.dll" "$QT/plugins/platforms/qoffscreen.dll" "$DIR/platforms/"
cp "$QT/plugins/styles/"*.dll "$DIR/styles/"
GCC_DLLS=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
cp "$GCC_DLLS/libstdc++-6.dll" "$GCC_DLLS/libgcc_s_seh-1.dll" "$DIR/"
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$DIR/"
cp dist/windows/duoband.ico "$DIR/"
# The program's own translations are built in; Qt's (file and print dialogs, buttons) beside it.
mkdir -p "$DIR/translations"
cp /usr/share/qt6/translations/qtbase_de.qm /usr/share/qt6/translations/qtbase_es.qm \
    "$DIR/translations/"
# What ships carries no debugging symbols: libstdc++ alone drops from 23.7 MB to about 2 MB.
find "$DIR" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
{
    echo "Duoband $VERSION for Windows (x86-64)"
    echo
    echo "duoband.exe      the programming program"
    echo "duoband-cli.exe  read, write, convert and compare data files from a command prompt"
    echo
    echo "Run from this folder, the program keeps its settings (Program.ini) and data (DATA)"
    echo "here. Installed with the setup program, it keeps them in each user's AppData."
} | sed 's/$/\r/' >"$DIR/README.txt"

rm -f "$OUT/$NAME.zip"
(cd "$OUT" && zip -qr "$NAME.zip" Duoband)
makensis -V2 -DVERSION="$VERSION" -DSOURCE="$PWD/$DIR" -DOUTFILE="$PWD/$OUT/$NAME-setup.exe" \
    dist/windows/duoband.nsi
echo "Built $OUT/$NAME.zip and $OUT/$NAME-setup.exe"
