#!/usr/bin/env bash
# Takes the README's screenshot of the main window: starts Hashwell on a virtual display with
# a settings file of its own and saves the window as docs/main-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh xvfb xauth imagemagick
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target hashwell

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp build/src/hashwell "$scratch/"
mkdir -p "$scratch/Tarnvale/Hashwell" docs
cp tests/data/settings/first_run.ini "$scratch/Tarnvale/Hashwell/Hashwell.ini"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    '$scratch/hashwell' & sleep 3
    import -window root '$scratch/screen.png'
    kill %1"
# The window is 598 x 499 and centred on the 1024 x 768 screen.
convert "$scratch/screen.png" -crop 598x499+213+134 +repage docs/main-window.png
echo "docs/main-window.png"
