#!/bin/sh
# Cross-builds Qt 6.4.2 (Core, Gui, Widgets, PrintSupport, Test) for x86_64-w64-mingw32 from
# Debian's own qt6-base source into DIR (default /opt/duoband-qt-mingw), once. A later run finds
# the finished install there and stops at once. Takes about an hour on two cores.
#
#   tools/build-qt-windows.sh [DIR]
set -e
PREFIX=${1:-/opt/duoband-qt-mingw}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=${DUOBAND_QT_WORK:-/var/tmp/duoband-qt-build}
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo

if [ -f "$PREFIX/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$PREFIX/plugins/platforms/qwindows.dll" ]; then
    echo "Qt for Windows is already built in $PREFIX"
    exit 0
fi

# MinGW-w64 with POSIX threads, Ninja, the host Qt tools (moc, rcc, uic of the same 6.4.2),
# dpkg-dev for apt-get source, and libwine-dev for the tablet headers the dfsg tarball lacks.
PACKAGES="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix ninja-build cmake
qt6-base-dev qt6-base-dev-tools dpkg-dev xz-utils libwine-dev"
"$HERE/install-deps.sh" $PACKAGES

# Source entries mirroring the machine's binary ones.
SRC_LIST=/etc/apt/sources.list.d/duoband-deb-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $SUDO tee "$SRC_LIST" >/dev/null
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $SUDO tee /etc/apt/sources.list.d/duoband-deb-src.list >/dev/null
    fi
    $SUDO apt-get update -qq
fi

mkdir -p "$WORK"
cd "$WORK"
if [ ! -f qt6-base_6.4.2+dfsg.orig.tar.xz ]; then
    apt-get source --download-only qt6-base=6.4.2+dfsg-10 2>/dev/null || apt-get source --download-only qt6-base
fi
SRC="$WORK/qtbase-everywhere-src-6.4.2"
if [ ! -d "$SRC" ]; then
    tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
fi

# The dfsg tarball has no wintab headers; Wine ships LGPL ones with the same declarations.
WINTAB="$SRC/src/3rdparty/wintab"
if [ ! -f "$WINTAB/wintab.h" ]; then
    mkdir -p "$WINTAB"
    for h in wintab.h pktdef.h; do
        {
            echo "#pragma once"
            echo "#include <windows.h>"
            echo "#ifndef DECL_WINELIB_TYPE_AW"
            echo "#define DECL_WINELIB_TYPE_AW(t) typedef t##W t;"
            echo "#endif"
            echo "#ifndef API"
            echo "#define API WINAPI"
            echo "#endif"
            cat "/usr/include/wine/wine/windows/$h"
        } >"$WINTAB/$h"
    done
fi

# With OpenGL off, the platform plugin must not ask for a software OpenGL context.
WINDOW_CPP="$SRC/src/plugins/platforms/windows/qwindowswindow.cpp"
if grep -q '^#if QT_CONFIG(dynamicgl)$' "$WINDOW_CPP"; then
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$WINDOW_CPP"
fi

TOOLCHAIN="$HERE/mingw-w64-x86_64.cmake"
mkdir -p "$WORK/build"
cd "$WORK/build"
if [ ! -f build.ninja ]; then
    cmake "$SRC" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" -DDUOBAND_QT_PREFIX="$PREFIX" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF
fi
cmake --build . --parallel "$(nproc)"
$SUDO cmake --install .
echo "Qt for Windows installed in $PREFIX"
