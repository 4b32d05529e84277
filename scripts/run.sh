#!/usr/bin/env bash
# Installs what is missing, builds Hashwell and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    scripts/setup-debian.sh xvfb xauth
else
    scripts/setup-debian.sh
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target hashwell

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No graphical display here: Hashwell runs on a virtual one (Xvfb) until you press Ctrl+C."
    exec xvfb-run -a -s "-screen 0 1280x800x24" build/src/hashwell "$@"
fi
exec build/src/hashwell "$@"
