#!/usr/bin/env bash
# A program built against one Qt and the libdal of the other fails to build,
# instead of crashing: with the other libdal's headers it does not compile,
# linked to the other libdal it does not link. Its own pair builds.
#   scripts/check-qt-mismatch.sh QT5_BUILD_DIR QT6_BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
qt5=$(realpath "$1")
qt6=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
host=examples/host/list_devices.cpp

headers() { echo "-Iinclude -I$1/include"; }
qt_flags() { pkg-config --cflags --libs "Qt$1Core" "Qt$1Xml"; }

# shellcheck disable=SC2046
build() { g++ -std=c++17 -fPIC "$host" -o "$work/host" $(headers "$1") $(qt_flags "$2") -L"$3/src" -l"$4" 2>"$work/log"; }

expect_failure() { # what, pattern, build arguments...
    local what=$1 pattern=$2
    shift 2
    if build "$@"; then
        echo "$what: built, but must not" >&2
        exit 1
    fi
    if ! grep -q "$pattern" "$work/log"; then
        echo "$what: failed, but not with '$pattern':" >&2
        cat "$work/log" >&2
        exit 1
    fi
    echo "$what: fails as it should ($pattern)"
}

build "$qt5" 5 "$qt5" dal || { cat "$work/log" >&2; exit 1; }
build "$qt6" 6 "$qt6" dal-qt6 || { cat "$work/log" >&2; exit 1; }
echo "each Qt with its own libdal: builds"
expect_failure "Qt 5 program, Qt 6 libdal headers" "These libdal headers are for Qt 6" "$qt6" 5 "$qt6" dal-qt6
expect_failure "Qt 6 program, Qt 5 libdal headers" "These libdal headers are for Qt 5" "$qt5" 6 "$qt5" dal
expect_failure "Qt 5 program linked to the Qt 6 libdal" "dal_built_with_qt5" "$qt5" 5 "$qt6" dal-qt6
expect_failure "Qt 6 program linked to the Qt 5 libdal" "dal_built_with_qt6" "$qt6" 6 "$qt5" dal
