#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UBSan, and runs each
# for a bounded time.   tests/fuzz/run.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}

scripts/setup-debian.sh clang libclang-rt-14-dev

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHASHWELL_FUZZ=ON -DHASHWELL_BUILD_UI=OFF -DHASHWELL_BUILD_TESTS=OFF -DHASHWELL_BUILD_BENCH=OFF
cmake --build build-fuzz --target settings_text_fuzz digest_split_fuzz

for target in settings_text_fuzz digest_split_fuzz; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    seeds=()
    [ "$target" = settings_text_fuzz ] && seeds=(tests/data/settings)
    echo "== $target for ${seconds}s"
    "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 "$corpus" "${seeds[@]}"
done
