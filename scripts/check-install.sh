#!/usr/bin/env bash
# Checks what a user of a built tree gets, far from the build tree:
#
#   scripts/check-install.sh prefix BUILD_DIR   installs into a staging prefix and
#                                               moves it to another directory
#   scripts/check-install.sh deb BUILD_DIR      builds the Debian packages (cpack) and
#                                               unpacks them with dpkg-deb -x into an
#                                               empty root
#
# Against the result, the installed dal-inspect checks its own sample tree
# (the library found through its run path, the sample relative to itself),
# and the example hosts are built twice, through the CMake package and
# through pkg-config, and run on the installed sample.
set -euo pipefail

cd "$(dirname "$0")/.."
mode=${1:-}
build_dir=$(realpath "${2:-build}")
# The names of what this build installs: dal (Qt 5) or dal-qt6 (Qt 6).
# shellcheck source=/dev/null
. "$build_dir/install-names.sh"
work="$build_dir/check-$mode"
rm -rf "$work"
mkdir -p "$work"

# $1: the prefix to check (e.g. ROOT/usr), $2: its library directory.
check_prefix() {
    local prefix=$1 libdir=$2
    local inspect="$prefix/bin/dal-inspect$DAL_NAME_SUFFIX" sample="$prefix/share/lib$DAL_NAME/config/xml"

    echo "== $inspect check"
    # Neither LD_LIBRARY_PATH nor the build tree: a shared library must come
    # from the checked prefix.
    if [ -e "$libdir/lib$DAL_NAME.so" ]; then
        local resolved
        resolved=$(env -u LD_LIBRARY_PATH ldd "$inspect" | awk -v lib="lib$DAL_NAME.so" 'index($1, lib) == 1 { print $3 }')
        case "$resolved" in
            "$prefix"/*) ;;
            *) echo "dal-inspect loads libdal from '${resolved:-nowhere}', not from $prefix" >&2; exit 1 ;;
        esac
    fi
    env -u LD_LIBRARY_PATH "$inspect" check | tail -n 1
    local root
    root=$(env -u LD_LIBRARY_PATH "$inspect" --json devices |
        python3 -c 'import json, sys; print(json.load(sys.stdin)["root"])')
    if [ "$root" != "$sample/" ]; then
        echo "dal-inspect reads '$root', not its installed sample $sample/" >&2
        exit 1
    fi

    echo "== find_package($DAL_PACKAGE)"
    cmake -S examples/host -B "$work/host-cmake" -DCMAKE_PREFIX_PATH="$prefix" -DDAL_PACKAGE="$DAL_PACKAGE" >/dev/null
    cmake --build "$work/host-cmake" >/dev/null
    run_hosts "$libdir" "$work/host-cmake" "$sample"

    echo "== pkg-config $DAL_NAME"
    mkdir -p "$work/host-pkgconfig"
    local program
    for program in list_devices typical_road; do
        # shellcheck disable=SC2046
        PKG_CONFIG_PATH="$libdir/pkgconfig" g++ -std=c++17 -fPIC "examples/host/$program.cpp" \
            -o "$work/host-pkgconfig/${program//_/-}" $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs "$DAL_NAME")
    done
    run_hosts "$libdir" "$work/host-pkgconfig" "$sample"
}

# The example hosts on the sample; the typical road shows the commands that
# each of its steps merges in.
run_hosts() {
    local libdir=$1 dir=$2 sample=$3 output
    LD_LIBRARY_PATH="$libdir" "$dir/list-devices" "$sample" >/dev/null
    output=$(LD_LIBRARY_PATH="$libdir" "$dir/typical-road" "$sample")
    local expected
    for expected in "CMD_TX_TEST" "  synthConf.bTxMode = 1" "0x00FB88A3" "  config.frontEndMode = 0" \
                    "0x0A430053"; do
        if ! grep -qF -- "$expected" <<<"$output"; then
            printf 'typical-road lacks "%s":\n%s\n' "$expected" "$output" >&2
            exit 1
        fi
    done
}

case "$mode" in
    prefix)
        cmake --install "$build_dir" --prefix "$work/stage" >/dev/null
        mv "$work/stage" "$work/moved"
        prefix="$work/moved"
        ;;
    deb)
        (cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/packages" >/dev/null)
        for package in "$work"/packages/*.deb; do
            echo "== $(basename "$package")"
            dpkg-deb -f "$package" Package Depends
            dpkg-deb -x "$package" "$work/root"
        done
        prefix="$work/root/usr"
        ;;
    *)
        echo "usage: scripts/check-install.sh prefix|deb BUILD_DIR" >&2
        exit 2
        ;;
esac
libdir=$(dirname "$(find "$prefix" -name "lib$DAL_NAME.so" -o -name "lib$DAL_NAME.a" | head -n 1)")
check_prefix "$prefix" "$libdir"
echo "installed $mode OK"
