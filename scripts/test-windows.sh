#!/usr/bin/env bash
# Cross-builds the Qt-free libraries, hashwell-cli and their tests for 64-bit Windows with
# mingw-w64, and runs the tests under Wine. The Qt window is not built: that needs Qt for Windows.
#   scripts/test-windows.sh        everything, in build-windows/
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$source_dir/build-windows

scripts/setup-debian.sh g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 \
    libz-mingw-w64-dev libgcrypt-mingw-w64-dev libcli11-dev libxxhash-dev googletest

toolchain=$source_dir/cmake/mingw-w64-x86_64.cmake
mkdir -p "$build"

# GoogleTest from Debian's sources, built once with the cross compiler.
gtest_prefix=$build/googletest
if [ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$build/googletest-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=OFF
    cmake --build "$build/googletest-build"
    cmake --install "$build/googletest-build" > /dev/null
fi

# CLI11 is header-only. Its headers alone, in a folder of their own: the host's /usr/include
# must not reach the cross compiler.
cli11_include=$build/cli11
mkdir -p "$cli11_include"
ln -sfn /usr/include/CLI "$cli11_include/CLI"
# libxxhash's header holds the whole algorithm: the cross-build compiles XXH3 from it.
xxhash_include=$build/xxhash
mkdir -p "$xxhash_include"
ln -sfn /usr/include/xxhash.h "$xxhash_include/xxhash.h"

# Wine runs the tests as an unprivileged user with its own prefix in a temporary folder: as root,
# Wine's drive Z: is the host's / with every right to it.
wine_home=$(mktemp -d /tmp/hashwell-wine-XXXXXX)
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    run_as=(runuser -u nobody --)
    chmod 755 "$wine_home"
    chown nobody: "$wine_home"
fi
stop_wine() {
    "${run_as[@]}" env WINEPREFIX="$wine_home/prefix" wineserver -k 2> /dev/null || true
    rm -rf "$wine_home"
}
trap stop_wine EXIT
# No Mono or Gecko installer, and no debugger: with winedbg a crash would exit with 0.
cat > "$build/wine-test" <<WRAPPER
#!/bin/sh
# Runs one test program under Wine, the way ctest calls it.
exec ${run_as[*]} env HOME="$wine_home" WINEPREFIX="$wine_home/prefix" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe=" wine "\$@"
WRAPPER
chmod 755 "$build/wine-test"

cmake -S . -B "$build/hashwell" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$build/wine-test" \
    -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" -DCLI11_INCLUDE_DIR="$cli11_include" \
    -DXXHASH_INCLUDE_DIR="$xxhash_include" \
    -DHASHWELL_BUILD_UI=OFF -DHASHWELL_BUILD_BENCH=OFF -DHASHWELL_WERROR=ON
cmake --build "$build/hashwell"

# Make the Wine prefix once, before the test programs run in it.
"$build/wine-test" wineboot --init > /dev/null 2>&1 || true
# The test programs run as the unprivileged user and must reach their data and folders.
chmod -R a+rX "$build/hashwell" "$source_dir/tests/data"
ctest --test-dir "$build/hashwell" --output-on-failure --label-exclude large -j "$(nproc)"
