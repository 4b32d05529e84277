#!/usr/bin/env bash
# Installs what is missing, builds Hashwell and runs every test.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   the same tests under AddressSanitizer and UBSan, in build-sanitize/
#   scripts/test.sh --threads    the digest and core tests under ThreadSanitizer, in build-tsan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    options+=(-DHASHWELL_SANITIZE=ON -DHASHWELL_BUILD_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp
fi

if [ "${1:-}" = "--threads" ]; then
    # The threads of runs (workers, read-ahead, the walk, stopping) are the digest library's and
    # the core's: only their tests are built.
    scripts/configure.sh build-tsan -DHASHWELL_TSAN=ON -DHASHWELL_BUILD_UI=OFF \
        -DHASHWELL_BUILD_BENCH=OFF
    cmake --build build-tsan --target digest_tests core_tests
    # ThreadSanitizer of GCC 12 needs the address space laid out as it expects.
    export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
    exec setarch "$(uname -m)" -R ctest --test-dir build-tsan --output-on-failure \
        --label-exclude large -R '^(digest|core)_tests$' -j "$(nproc)"
fi

scripts/configure.sh "$build" "${options[@]}"
cmake --build "$build"
# Tests labelled "large" hash gigabytes; run them on request: ctest --test-dir build -L large
ctest --test-dir "$build" --output-on-failure --label-exclude large -j "$(nproc)"
