#!/usr/bin/env bash
# The accelerated kernels are compiled with instruction-set flags the processor may lack, so
# their object files must hold nothing the linker could share with portable code (weak or
# unique code symbols, such as an out-of-line std::rotr) and nothing that runs before main.
# An unoptimised build is where such copies appear; this builds one and looks.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-kernel-check
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHASHWELL_BUILD_UI=OFF \
    -DHASHWELL_BUILD_TESTS=OFF -DHASHWELL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target hashwell_digest >/dev/null
status=0
for object in "$build"/src/digest/CMakeFiles/hashwell_digest.dir/*_x86/*.o; do
    shared=$(nm -C "$object" | grep -E ' [WVu] |_GLOBAL__sub_I' | grep -v ' u .*Constants$' || true)
    if [ -n "$shared" ]; then
        echo "$object shares code with the rest of the program:"
        echo "$shared"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "kernel objects: nothing shared"
exit "$status"
