#!/usr/bin/env bash
# Builds libdal and then runs its tests or dal-inspect.
#
#   scripts/run.sh test                 build everything, run every test (ctest: the suites,
#                                       dal-inspect, the moved installation and the Debian
#                                       packages), all of it again against Qt 6 (compared with
#                                       Qt 5), the suites again under ASan/UBSan/LSan against
#                                       a static libdal, and each fuzz target for 5 seconds
#   scripts/run.sh inspect [ARGS...]    build the library and dal-inspect only, then run
#                                       dal-inspect ARGS (default: devices)
#   scripts/run.sh docs                 build the API documentation (installs doxygen)
#   scripts/run.sh fuzz [SECONDS] [JOBS] build the libFuzzer targets with clang and run
#                                       each for SECONDS (default 600), JOBS at a time
#   scripts/run.sh valgrind             build, then run valgrind memcheck over dal-inspect check
#                                       and tst_dalrfcmdsettings; errors or definite leaks fail
#   scripts/run.sh coverage             build with gcov instrumentation, run the tests but the
#                                       installation checks, then print line and branch
#                                       coverage of src/ (gcovr)
#   scripts/run.sh bench [ARGS...]      build (Release) and run dal-bench ARGS (installs
#                                       libbenchmark-dev); see BENCHMARKS.md
#   scripts/run.sh hostile [ARGS...]    build (Release) and run dal-hostile ARGS: every hostile
#                                       input through every reader, time and peak memory
#
# Missing build dependencies are installed with apt-get first (Debian). The
# builds are the presets of CMakePresets.json, in build/ and build-PRESET/
# (DAL_BUILD_DIR=DIR: DIR and DIR-PRESET).
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=${DAL_BUILD_DIR:-build}
jobs=$(nproc 2>/dev/null || echo 2)

apt_install() {
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: $*"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "$@"
}

install_missing() {
    local missing=()
    command -v cmake >/dev/null 2>&1 || missing+=(cmake)
    command -v g++ >/dev/null 2>&1 || missing+=(g++)
    command -v make >/dev/null 2>&1 || missing+=(make)
    command -v pkg-config >/dev/null 2>&1 || missing+=(pkg-config)
    command -v python3 >/dev/null 2>&1 || missing+=(python3)
    dpkg -s qtbase5-dev >/dev/null 2>&1 || missing+=(qtbase5-dev)
    [ ${#missing[@]} -eq 0 ] && return 0
    apt_install "${missing[@]}"
}

# The Debian packages get their dependencies from dpkg-shlibdeps, which CPack
# runs on the files that file(1) finds to be ELF objects.
install_packaging_tools() {
    local missing=()
    command -v dpkg-shlibdeps >/dev/null 2>&1 || missing+=(dpkg-dev)
    command -v file >/dev/null 2>&1 || missing+=(file)
    [ ${#missing[@]} -eq 0 ] && return 0
    apt_install "${missing[@]}"
}

# The default preset; arguments are build targets (default: all). The
# benchmark program is compiled along when Google Benchmark is installed.
build() {
    local bench=OFF targets=()
    dpkg -s libbenchmark-dev >/dev/null 2>&1 && bench=ON
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --preset default -B "$build_dir" -DDAL_BUILD_BENCH=$bench
    cmake --build "$build_dir" -j "$jobs" "${targets[@]}"
}

# A small generated tree must read without a message.
generated_tree_check() {
    local dir
    dir=$(mktemp -d /tmp/dal-gen-check.XXXXXX)
    dir=${dir,,}
    mkdir -p "$dir"
    "$build_dir/bench/gen/dal-bench-gen" --devices 3 --categories 2 --settings 4 --tf-share 2 "$dir/tree"
    "$build_dir/bin/dal-inspect" check --root "$dir/tree"
    rm -rf "$dir"
}

# The whole suite against Qt 6 (qt6-base-dev); then dal-inspect must print
# the same under both, and a program must fail to build against the libdal
# of the other Qt.
qt6_tests() {
    local dir="${build_dir}-qt6"
    dpkg -s qt6-base-dev >/dev/null 2>&1 || apt_install qt6-base-dev
    cmake --preset qt6 -B "$dir"
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs")
    scripts/compare-qt.sh "$build_dir" "$dir"
    scripts/check-qt-mismatch.sh "$build_dir" "$dir"
}

# The same tests with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, linked against a static libdal; any report fails the run.
# The installation checks are the default build's.
sanitizer_tests() {
    local dir="${build_dir}-asan"
    cmake --preset asan -B "$dir"
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure -j "$jobs" -LE install)
}

# Builds every fuzz target (clang, ASan, UBSan) and runs each for the given
# number of seconds on its seed corpus plus what earlier runs found; a crash,
# hang or leak leaves its input in build-fuzz/findings and fails the run.
fuzz() {
    local seconds=$1 parallel=$2 dir
    dir="$(pwd)/${build_dir}-fuzz" # absolute: the targets change directory
    command -v clang++ >/dev/null 2>&1 || apt_install clang
    [ -f /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a ] ||
        ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
        apt_install libclang-rt-14-dev
    cmake --preset fuzz -B "$dir"
    cmake --build "$dir" -j "$jobs" --target fuzzers
    local seeds="$dir/seeds" corpus="$dir/corpus" findings="$dir/findings"
    rm -rf "$seeds" && fuzz/seeds.sh "$seeds"
    mkdir -p "$corpus" "$findings"
    local target failed=0
    for target in $(cd "$seeds" && ls -d fuzz_*); do
        mkdir -p "$corpus/$target"
        echo "$target"
    done | xargs -P "$parallel" -I{} sh -c '
        "$0/fuzz/{}" -max_total_time="$1" -timeout=20 -rss_limit_mb=2048 -max_len=1048576 \
            -dict="$2/xml.dict" -artifact_prefix="$3/{}-" -print_final_stats=1 \
            "$4/{}" "$2/{}" >"$3/{}.log" 2>&1 || { echo "{}: FAILED, see $3/{}.log"; exit 1; }
        echo "{}: $(grep -ah stat::number_of_executed_units "$3/{}.log" | tr -s " " | cut -d" " -f2) executions"' \
        "$dir" "$seconds" "$seeds" "$findings" "$corpus" || failed=1
    return $failed
}

# Line and branch coverage of src/ by the tests. The counters are reset
# first, so that each run measures the current tests alone; branches the
# compiler adds for exceptions are left out, since nothing in the library
# throws.
coverage() {
    local dir="${build_dir}-coverage"
    command -v gcovr >/dev/null 2>&1 || apt_install gcovr
    cmake --preset coverage -B "$dir"
    cmake --build "$dir" -j "$jobs"
    find "$dir" -name '*.gcda' -delete
    (cd "$dir" && ctest --output-on-failure -j "$jobs" -LE install)
    gcovr --root . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches \
        -j "$jobs" --txt "$dir/coverage.txt" --print-summary "$dir"
    echo "Per file: $dir/coverage.txt"
}

command=${1:-}
[ $# -gt 0 ] && shift
case "$command" in
    test)
        install_missing
        install_packaging_tools
        build
        (cd "$build_dir" && ctest --output-on-failure -j "$jobs")
        generated_tree_check
        qt6_tests
        sanitizer_tests
        # Every fuzz target for a few seconds: they build, start and survive
        # their seeds.
        fuzz 5 "$jobs"
        # Undocumented public members fail the docs target; it is checked
        # here when doxygen is at hand (scripts/run.sh docs installs it).
        if command -v doxygen >/dev/null 2>&1; then
            cmake --build "$build_dir" --target docs
        fi
        ;;
    docs)
        install_missing
        command -v doxygen >/dev/null 2>&1 || apt_install doxygen
        build
        cmake --build "$build_dir" --target docs
        ;;
    fuzz)
        install_missing
        fuzz "${1:-600}" "${2:-$jobs}"
        ;;
    valgrind)
        install_missing
        command -v valgrind >/dev/null 2>&1 || apt_install valgrind
        build
        memcheck=(valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite
                  --error-exitcode=1)
        [ -f tests/valgrind.supp ] && memcheck+=(--suppressions="$PWD/tests/valgrind.supp")
        "${memcheck[@]}" "$build_dir/bin/dal-inspect" check
        workdir="$build_dir/tests/work/tst_dalrfcmdsettings"
        mkdir -p "$workdir"
        (cd "$workdir" && "${memcheck[@]}" ../../tst_dalrfcmdsettings)
        ;;
    coverage)
        install_missing
        coverage
        ;;
    bench|hostile)
        install_missing
        dpkg -s libbenchmark-dev >/dev/null 2>&1 || apt_install libbenchmark-dev
        dir="${build_dir}-bench"
        cmake --preset bench -B "$dir"
        cmake --build "$dir" -j "$jobs" --target "dal-$command"
        "$dir/bench/dal-$command" "$@"
        ;;
    inspect)
        install_missing
        build dal-inspect
        [ $# -eq 0 ] && set -- devices
        "$build_dir/bin/dal-inspect" "$@"
        ;;
    *)
        echo "usage: scripts/run.sh test | docs | fuzz [SECONDS] [JOBS] | valgrind | coverage | bench [dal-bench arguments] | hostile [dal-hostile arguments] | inspect [dal-inspect arguments]" >&2
        exit 2
        ;;
esac
