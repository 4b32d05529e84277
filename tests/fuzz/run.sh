#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UBSan, and runs each
# for a bounded time.   tests/fuzz/run.sh [seconds per target, default 60]
# Each target's whole log is kept in build-fuzz/<target>.log; only its summary is printed, or,
# when it finds a fault, the end of its log with the report.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
targets=(settings_text_fuzz digest_split_fuzz help_reader_fuzz)

scripts/setup-debian.sh clang libclang-rt-14-dev

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHASHWELL_FUZZ=ON -DHASHWELL_BUILD_UI=OFF -DHASHWELL_BUILD_TESTS=OFF -DHASHWELL_BUILD_BENCH=OFF
cmake --build build-fuzz --target "${targets[@]}"

for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    seeds=()
    [ "$target" = settings_text_fuzz ] && seeds=(tests/data/settings)
    [ "$target" = help_reader_fuzz ] && seeds=(help)  # the pages and the contents list
    log=build-fuzz/$target.log
    echo "== $target for ${seconds}s"
    if ! "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 \
        "$corpus" "${seeds[@]}" > "$log" 2>&1; then
        tail -n 40 "$log"
        exit 1
    fi
    grep -E '^(#[0-9]+[[:space:]]+DONE|Done [0-9]+ runs)' "$log"
done
