#!/usr/bin/env bash
# Installs a built tree into a staging prefix and builds the example host
# program against it twice: through the CMake package and through pkg-config.
#
#   scripts/check-install.sh BUILD_DIR
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build}")
stage="$build_dir/stage"
sample="$PWD/examples/config/xml/"

rm -rf "$stage" "$build_dir/host-cmake" "$build_dir/host-pkgconfig"
cmake --install "$build_dir" --prefix "$stage" >/dev/null
libdir=$(find "$stage" -name 'libdal.so' -printf '%h\n' | head -n 1)

echo "== find_package(DAL)"
cmake -S examples/host -B "$build_dir/host-cmake" -DCMAKE_PREFIX_PATH="$stage" >/dev/null
cmake --build "$build_dir/host-cmake" >/dev/null
LD_LIBRARY_PATH="$libdir" "$build_dir/host-cmake/dal-host" "$sample"

echo "== pkg-config dal"
mkdir -p "$build_dir/host-pkgconfig"
export PKG_CONFIG_PATH="$libdir/pkgconfig${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}"
# shellcheck disable=SC2046
g++ -std=c++17 -fPIC examples/host/main.cpp -o "$build_dir/host-pkgconfig/dal-host" \
    $(pkg-config --cflags --libs dal)
LD_LIBRARY_PATH="$libdir" "$build_dir/host-pkgconfig/dal-host" "$sample" >/dev/null
echo "installed package OK"
