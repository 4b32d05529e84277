#!/usr/bin/env bash
# Installs what is missing, builds Hashwell and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    scripts/setup-debian.sh xvfb xauth
else
    scripts/setup-debian.sh
fi
scripts/configure.sh build  # the same build as scripts/test.sh, which then reuses it
cmake --build build --target hashwell

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
        echo "No graphical display here: Hashwell runs on the virtual display $DISPLAY (Xvfb)"
        echo "until you press Ctrl+C. To look at it, from another terminal:"
        echo "  DISPLAY=$DISPLAY XAUTHORITY=$XAUTHORITY import -window root hashwell.png"
        echo "(import is in the Debian package imagemagick), then open hashwell.png."
        exec "$@"' sh build/src/hashwell "$@"
fi
exec build/src/hashwell "$@"
