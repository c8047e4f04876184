#!/usr/bin/env bash
# The installed program, run by CTest (tests/install/CMakeLists.txt):
#   install.sh stage    BUILD WORK            install into WORK/staged, then move it to WORK/tree
#   install.sh programs BUILD WORK PLUGINDIR PLUGINLOAD VERSION
#   install.sh consumer BUILD WORK SOURCE     build and run a program against the installed GlsKit2
#   install.sh deb      BUILD WORK VERSION    the Debian package: lintian, contents, extracted run
set -euo pipefail
mode=$1 build=$2 work=$3
tree=$work/tree
unset LD_LIBRARY_PATH QT_PLUGIN_PATH

fail() { echo "FAIL: $*" >&2; exit 1; }
# The first line of --check-data names the data folder the program found.
data_folder_of() {
    QT_QPA_PLATFORM=offscreen "$1" --check-data >"$work/check.txt" ||
        { cat "$work/check.txt"; fail "$1 --check-data: something is missing"; }
    head -n 1 "$work/check.txt"
}
validate_desktop_files() { # root: desktop entry and metainfo, with the validators when installed
    local apps=("$1"/share/applications/*.desktop) meta=("$1"/share/metainfo/*.metainfo.xml)
    [ -f "${apps[0]}" ] || fail "no desktop entry under $1"
    [ -f "${meta[0]}" ] || fail "no metainfo under $1"
    [ -f "$1/share/icons/hicolor/scalable/apps/zr3500-loader.svg" ] || fail "no SVG icon"
    [ -f "$1/share/icons/hicolor/48x48/apps/zr3500-loader.png" ] || fail "no 48 px icon"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "${apps[@]}" || fail "desktop entry"
    else echo "SKIP desktop-file-validate: not installed (./scripts/setup installs it)"; fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "${meta[@]}" || fail "metainfo"
    else echo "SKIP appstreamcli: not installed (./scripts/setup installs it)"; fi
}
check_manpages() {
    for program in ZR_LOADER_131 zr3500-cli zr3500-sim; do
        local page=$1/share/man/man1/$program.1.gz
        [ -f "$page" ] || fail "no manual page $page"
        for section in OPTIONS EXAMPLES "EXIT STATUS"; do
            zcat "$page" | grep -q "^\.SH \"*$section" || fail "$program.1 has no $section"
        done
    done
}

case $mode in
stage)
    rm -rf "$work" && mkdir -p "$work"
    cmake --install "$build" --prefix "$work/staged" >/dev/null
    mv "$work/staged" "$tree" # an installed tree may be moved
    ;;
programs)
    plugindir=$4 pluginload=$5 version=$6
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$tree/bin/ZR_LOADER_131" --version)
    [ "$out" = "ZR_LOADER_131 $version" ] || fail "--version without a display said: $out"
    timeout 60 "$tree/bin/zr3500-cli" --simulate probe || fail "zr3500-cli --simulate probe"
    found=$(data_folder_of "$tree/bin/ZR_LOADER_131")
    [ "$found" = "data folder: $(realpath "$tree/share/zr3500-loader")" ] ||
        fail "installed program: $found"
    found=$(data_folder_of "$build/bin/ZR_LOADER_131") # the build tree: the data beside it
    [ "$found" = "data folder: $build/bin" ] || fail "build tree: $found"
    if [ -x "$pluginload" ]; then
        QT_QPA_PLATFORM=offscreen "$pluginload" "$tree/$plugindir/designer/libglosskit_designer.so" ||
            fail "the installed Designer plugin does not load"
    fi
    validate_desktop_files "$tree"
    check_manpages "$tree"
    ;;
consumer)
    source=$4
    rm -rf "$work/consumer"
    cmake -S "$source" -B "$work/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$tree" >/dev/null
    cmake --build "$work/consumer" >/dev/null
    QT_QPA_PLATFORM=offscreen "$work/consumer/glosskit_consumer"
    ;;
deb)
    version=$4
    rm -rf "$work" && mkdir -p "$work"
    cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    deb=$(ls "$work"/zr3500-loader_"$version"_*.deb)
    if command -v lintian >/dev/null; then
        lintian --fail-on error "$deb" || fail "lintian finds errors"
    else echo "SKIP lintian: not installed (./scripts/setup installs it)"; fi
    dpkg-deb -f "$deb" Depends | grep -q libqt6help6 || fail "Depends lacks the Qt libraries"
    dpkg-deb -x "$deb" "$work/root"
    found=$(data_folder_of "$work/root/usr/bin/ZR_LOADER_131")
    [ "$found" = "data folder: $(realpath "$work/root/usr/share/zr3500-loader")" ] ||
        fail "packaged program: $found"
    validate_desktop_files "$work/root/usr"
    check_manpages "$work/root/usr"
    ;;
*) fail "unknown mode $mode" ;;
esac
