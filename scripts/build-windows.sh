#!/bin/sh
# Cross-builds the Windows programs for 64-bit Windows: korvex-cli.exe and
# korvex-configurator.exe in build-windows-gui/bin, their zip and their setup program
# (cmake --preset windows-gui). With KORVEX_WINDOWS_GUI=0 only korvex-cli.exe, in
# build-windows/bin, and its zip (cmake --preset windows), which needs no Qt.
# scripts/windows-deps.sh installs the packages and hidapi's source; Qt for Windows is built once
# from Debian's qt6-base source by scripts/qt-mingw.sh and cached outside the tree.
set -eu
cd "$(dirname "$0")/.."
sh scripts/windows-deps.sh

if [ "${KORVEX_WINDOWS_GUI:-1}" = 0 ]; then
    cmake --preset windows
    cmake --build --preset windows
    cmake --build --preset windows --target windows-zip
    exit 0
fi

# The first build of Qt takes about 10 minutes on 2 idle cores; later ones find it in the cache.
started=$(date +%s)
KORVEX_QT_MINGW=$(sh scripts/qt-mingw.sh)
export KORVEX_QT_MINGW
echo "Qt for mingw: $KORVEX_QT_MINGW ($(($(date +%s) - started)) s)"

# A build folder made with another Qt is configured afresh (the toolchain file names the Qt).
fresh=""
grep -qs "^CMAKE_TOOLCHAIN_FILE:.*=$KORVEX_QT_MINGW/" build-windows-gui/CMakeCache.txt || fresh="--fresh"
# The user guide's pictures come from a native build, since a cross build cannot render them: where
# build/ is configured, its guide is brought up to date and goes into the zip and setup program.
guide=""
if [ -f build/CMakeCache.txt ] && cmake --build --preset default --target user-guide; then
    guide=$PWD/build/guide-one-file/korvex-guide.html
else
    echo "The user guide is left out of the Windows packages: no native build in build/ (cmake --preset default)"
fi
cmake --preset windows-gui $fresh "-DKORVEX_GUIDE_HTML=$guide"
cmake --build --preset windows-gui
cmake --build --preset windows-gui --target windows-zip windows-installer
