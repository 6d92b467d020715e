#!/bin/sh
# Installs what building and testing Duoband needs on Debian 12, skipping what is there.
# With package names, installs those instead (the Windows build's scripts name their own).
#
#   tools/install-deps.sh [PACKAGE ...]
set -e
# fonts-liberation2: a serif face with the metrics of the print font; poppler-utils: the
# tests read the text of the PDF reports with pdftotext; desktop-file-utils and appstream: the
# tests validate the installed desktop entry and metainfo; dpkg-dev: cpack finds the Debian
# package's library dependencies with dpkg-shlibdeps; clang and libclang-rt-dev: the fuzz
# targets (libFuzzer) of the hardening run; ninja-build and lld: build and link in a fraction
# of make's and ld's time; lintian: the install test checks the Debian package with it;
# qt6-tools-dev and qt6-l10n-tools: lupdate and lrelease make the translations;
# qt6-translations-l10n: Qt's own dialog texts in the user's language.
PACKAGES="cmake g++ make ninja-build qt6-base-dev qt6-serialport-dev fonts-liberation2
poppler-utils desktop-file-utils appstream dpkg-dev clang libclang-rt-dev lld lintian
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"
[ $# -gt 0 ] && PACKAGES="$*"
MISSING=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MISSING="$MISSING $p"
done
[ -z "$MISSING" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing:$MISSING"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $MISSING
