#!/usr/bin/env bash
# Installs what is missing, builds Hashwell and runs every test.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   the same tests under AddressSanitizer and UBSan, in build-sanitize/
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

scripts/configure.sh "$build" "${options[@]}"
cmake --build "$build"
# Tests labelled "large" hash gigabytes; run them on request: ctest --test-dir build -L large
ctest --test-dir "$build" --output-on-failure --label-exclude large -j "$(nproc)"
