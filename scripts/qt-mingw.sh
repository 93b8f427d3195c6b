#!/bin/sh
# Builds a static Qt 6 (Core, Gui, Widgets, the windows platform plugin) for 64-bit Windows from
# Debian's qt6-base source package with the mingw-w64 posix compiler, and prints the folder it is
# installed in. The build is cached outside the source tree, in
#   ${XDG_CACHE_HOME:-~/.cache}/korvex-mini/qt6-mingw-<Qt source version>-gcc<mingw version>-<options hash>
# so that later builds on the same machine reuse it. A folder without the completion stamp (an
# interrupted build) is removed and installed again, never used; an interrupted build tree
# beside it is continued (ninja redoes every step that did not finish).
# Needs: a deb-src entry, qt6-base-dev and qt6-base-dev-tools (the host tools, of the same Qt
# version as the source), g++-mingw-w64-x86-64-posix, cmake, ninja-build, dpkg-dev.
# Build progress goes to a log file next to the cache folder; KORVEX_JOBS sets the parallel jobs.
set -eu
cd "$(dirname "$0")/.."
toolchain=$(pwd)/cmake/mingw-w64-x86_64.cmake
say() { echo "qt-mingw: $*" >&2; }

upstream() {  # a Debian version without its epoch, Debian revision and repack suffix
    printf '%s\n' "$1" | sed 's/^[0-9]*://; s/-[^-]*$//; s/+dfsg.*$//; s/~ds.*$//'
}
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null) ||
    { say "the host Qt tools (qt6-base-dev-tools) are not installed"; exit 1; }
dsc=$(apt-get source --print-uris qt6-base 2>/dev/null | awk '$2 ~ /\.dsc$/ { print $2; exit }')
[ -n "$dsc" ] || { say "apt finds no qt6-base source package (is there a deb-src entry?)"; exit 1; }
source_version=${dsc#qt6-base_}
source_version=${source_version%.dsc}
if [ "$(upstream "$source_version")" != "$(upstream "$host_version")" ]; then
    say "Debian's qt6-base source is Qt $(upstream "$source_version") ($source_version), but the host"
    say "Qt tools (qt6-base-dev-tools) are Qt $(upstream "$host_version") ($host_version)."
    say "A cross-built Qt needs host tools (moc, rcc, uic) of its own version: install"
    say "qt6-base-dev and qt6-base-dev-tools $source_version, or point apt at the source of $host_version."
    exit 1
fi
compiler_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix 2>/dev/null) ||
    { say "g++-mingw-w64-x86-64-posix is not installed"; exit 1; }

# Only the modules and features the configurator uses, one option a line (a line may hold spaces);
# the third-party libraries bundled, since Debian has none of them for mingw. pkg-config off:
# Debian's cross patch would read the host's .pc files. The tablet feature off: Debian's source
# drops the wintab headers it needs. Qt forces -O3 on Core and Gui unless
# QT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS is on; then the release flags below hold everywhere.
# OpenGL off as a whole (INPUT_opengl=no: FEATURE_opengl=OFF alone leaves dynamicgl on and the
# windows plugin does not compile). Direct2D stays (the DirectWrite font database needs it); only
# the separate direct2d plugin goes. Must stay on: harfbuzz (text shaping and kerning),
# accessibility (the UI Automation bridge), png, style sheets, the windows styles, mainwindow and
# toolbar (included unguarded), inputdialog (the windowsvista style includes it unguarded), and
# what the window and its dialogs use: wizard, undo, textbrowser, completer, item views, splash
# screen, desktopservices, the file dialog.
options="-DCMAKE_BUILD_TYPE=Release
-DQT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS=ON
-DCMAKE_C_FLAGS_RELEASE=-Os -DNDEBUG
-DCMAKE_CXX_FLAGS_RELEASE=-Os -DNDEBUG
-DBUILD_SHARED_LIBS=OFF
-DQT_HOST_PATH=/usr
-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
-DQT_BUILD_TESTS=OFF
-DQT_BUILD_EXAMPLES=OFF
-DFEATURE_pkg_config=OFF
-DFEATURE_tabletevent=OFF
-DFEATURE_sql=OFF
-DFEATURE_network=OFF
-DFEATURE_dbus=OFF
-DFEATURE_xml=OFF
-DFEATURE_concurrent=OFF
-DFEATURE_testlib=OFF
-DFEATURE_printsupport=OFF
-DFEATURE_vulkan=OFF
-DFEATURE_zstd=OFF
-DFEATURE_icu=OFF
-DFEATURE_jpeg=OFF
-DFEATURE_system_zlib=OFF
-DFEATURE_system_png=OFF
-DFEATURE_system_freetype=OFF
-DFEATURE_system_harfbuzz=OFF
-DFEATURE_system_pcre2=OFF
-DFEATURE_system_doubleconversion=OFF
-DINPUT_opengl=no
-DFEATURE_direct2d1_1=OFF
-DFEATURE_freetype=OFF
-DFEATURE_ico=OFF
-DFEATURE_gif=OFF
-DFEATURE_movie=OFF
-DFEATURE_textodfwriter=OFF
-DFEATURE_textmarkdownwriter=OFF
-DFEATURE_systemtrayicon=OFF
-DFEATURE_mimetype=OFF
-DFEATURE_commandlineparser=OFF
-DFEATURE_identityproxymodel=OFF
-DFEATURE_transposeproxymodel=OFF
-DFEATURE_concatenatetablesproxymodel=OFF
-DFEATURE_islamiccivilcalendar=OFF
-DFEATURE_jalalicalendar=OFF
-DFEATURE_filesystemwatcher=OFF
-DFEATURE_graphicsview=OFF
-DFEATURE_mdiarea=OFF
-DFEATURE_calendarwidget=OFF
-DFEATURE_colordialog=OFF
-DFEATURE_fontdialog=OFF
-DFEATURE_fontcombobox=OFF
-DFEATURE_keysequenceedit=OFF
-DFEATURE_commandlinkbutton=OFF
-DFEATURE_columnview=OFF
-DFEATURE_toolbox=OFF
-DFEATURE_lcdnumber=OFF
-DFEATURE_dial=OFF
-DFEATURE_errormessage=OFF
-DFEATURE_datawidgetmapper=OFF"
# The toolchain file's contents count as options; its path (the checkout) does not.
hash=$({ printf '%s\n' "$options"; cat "$toolchain"; } | sha256sum | cut -c1-12)
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/korvex-mini
name=qt6-mingw-$source_version-gcc$compiler_version-$hash
qt=$cache_root/$name
stamp=$qt/korvex-build-complete
mkdir -p "$cache_root"

# One build at a time per cache folder; a second caller waits and then reuses it.
exec 9>"$qt.lock"
flock 9
if [ -f "$stamp" ] && [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    printf '%s\n' "$qt"
    exit 0
fi
if [ -e "$qt" ]; then
    say "$qt was left half-built by an interrupted build: building it again"
fi
rm -rf "$qt" "$qt.partial"

log=$qt.log
say "building Qt $source_version for mingw-w64 into $qt"
say "(about 810 steps, some 10 minutes on 2 idle cores; progress in $log)"
started=$(date +%s)
[ ! -d "$qt.build" ] || say "continuing the interrupted build in $qt.build"
if [ ! -f "$qt.source/unpacked" ]; then
    rm -rf "$qt.source" "$qt.build"
    mkdir -p "$qt.source"
    (cd "$qt.source" && apt-get source --download-only "qt6-base=$source_version" >"$log" 2>&1 &&
        dpkg-source --no-check -x ./*.dsc qtbase >>"$log" 2>&1 && touch unpacked) ||
        { say "fetching the qt6-base source failed:"; tail -n 20 "$log" >&2; exit 1; }
fi

run() {  # a build step whose output goes to the log; on failure its end is shown
    "$@" >>"$log" 2>&1 || { say "failed: $*"; tail -n 40 "$log" >&2; exit 1; }
}
newline='
'
# shellcheck disable=SC2086
(IFS=$newline && run cmake -S "$qt.source/qtbase" -B "$qt.build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$qt" $options)
run cmake --build "$qt.build" --parallel "${KORVEX_JOBS:-$(nproc)}"
run cmake --install "$qt.build" --prefix "$qt.partial"
printf 'Qt %s\ncompiler %s\noptions %s\n' "$source_version" "$compiler_version" "$hash" \
    >"$qt.partial/korvex-build-complete"
mv "$qt.partial" "$qt"
rm -rf "$qt.build" "$qt.source"
say "Qt built in $(($(date +%s) - started)) s"
printf '%s\n' "$qt"
