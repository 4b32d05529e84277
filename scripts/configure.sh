#!/usr/bin/env bash
# Configures a build folder with the options every script shares, so that scripts/run.sh,
# scripts/test.sh and scripts/screenshot.sh reuse each other's work in build/.
#   scripts/configure.sh [FOLDER [more cmake options...]]   (FOLDER: build by default)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build}
shift || true
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHASHWELL_WERROR=ON "$@" \
    > /dev/null
