#!/usr/bin/env bash
# Takes the README's screenshots: starts Hashwell on a virtual display with a settings file of
# its own, opens the Preferences and About windows from the menus, and saves the three windows
# as docs/main-window.png, docs/preferences-window.png and docs/about-window.png; then verifies a
# checksum file with one file changed and one missing, docs/verify-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh xvfb xauth imagemagick xdotool
scripts/configure.sh build
cmake --build build --target hashwell

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp build/src/hashwell "$scratch/"
mkdir -p "$scratch/Tarnvale/Hashwell" docs
cp tests/data/settings/first_run.ini "$scratch/Tarnvale/Hashwell/Hashwell.ini"
# On a 1024 x 768 screen the windows are centred: the main window (598 x 499) at 213,134, the
# Preferences window (337 x 311) at 343,228 and the About window (396 x 242) at 314,263. The
# menu bar's titles and items are clicked where they stand.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    '$scratch/hashwell' & sleep 3
    import -window root '$scratch/main.png'
    xdotool mousemove 231 142 click 1; sleep 1      # File
    xdotool mousemove 275 250 click 1; sleep 2      # Preferences
    import -window root '$scratch/preferences.png'
    xdotool mousemove 545 513 click 1; sleep 1      # Cancel
    xdotool mousemove 345 142 click 1; sleep 1      # Help
    xdotool mousemove 350 206 click 1; sleep 2      # About
    import -window root '$scratch/about.png'
    kill %1"
# A download folder: three images, their SHA256SUMS, then one image changed and one gone.
downloads=$scratch/Downloads
mkdir -p "$downloads"
for name in debian-12.iso debian-12-netinst.iso debian-12-live.iso; do
    head -c 100000 /dev/urandom > "$downloads/$name"
done
(cd "$downloads" && sha256sum ./*.iso | sed 's| \./| |' > SHA256SUMS)
echo changed >> "$downloads/debian-12-live.iso"
rm "$downloads/debian-12-netinst.iso"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    '$scratch/hashwell' --verify '$downloads/SHA256SUMS' & sleep 3
    import -window root '$scratch/verify.png'
    kill %1"
convert "$scratch/verify.png" -crop 598x499+213+134 +repage docs/verify-window.png
convert "$scratch/main.png" -crop 598x499+213+134 +repage docs/main-window.png
convert "$scratch/preferences.png" -crop 337x311+343+228 +repage docs/preferences-window.png
convert "$scratch/about.png" -crop 396x242+314+263 +repage docs/about-window.png
echo "docs/main-window.png docs/preferences-window.png docs/about-window.png docs/verify-window.png"
