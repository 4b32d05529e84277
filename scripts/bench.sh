#!/usr/bin/env bash
# Builds Hashwell and runs its benchmarks: every method beside OpenSSL's libcrypto (zlib for
# CRC-32) in one run, then the List of Files run beside rhash over the same files, then
# hashwell-cli beside openssl dgst, sha256sum, rhash, sha256sum -c, b3sum and xxhsum, then the window over
# 100,000 files beside hashwell-cli, and how soon Escape stops a run.
#   scripts/bench.sh [folder for the list benchmark's 1.2 GB of files]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh rhash openssl b3sum xxhash

scripts/configure.sh build
cmake --build build --target digest_bench list_bench cli_bench window_bench hashwell-cli
digest_options=(--benchmark_min_time=0.1 --benchmark_repetitions=15
    --benchmark_enable_random_interleaving=true --benchmark_filter=1MiB)
build/bench/digest_bench "${digest_options[@]}"
# On a processor with AVX-512, once more with the kernels a processor without it runs, beside
# OpenSSL held to the same: its AVX-512F, DQ, IFMA, CD, BW and VL bits masked.
if grep -qw avx512f /proc/cpuinfo; then
    OPENSSL_ia32cap=":~0xd0230000" build/bench/digest_bench --without-avx512 "${digest_options[@]}"
fi
build/bench/list_bench "$@"
build/bench/cli_bench build/src/cli/hashwell-cli "$@"
QT_QPA_PLATFORM=offscreen build/bench/window_bench build/src/cli/hashwell-cli "${1:-}" 100000
