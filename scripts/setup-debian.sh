#!/usr/bin/env bash
# Installs what building, testing and running Hashwell needs on Debian 12, and only what is
# missing. Extra package names given as arguments are installed too.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libqt6svg6
    fp-utils libchm-dev    # chmcmd compiles the help; libchm reads it
    fonts-liberation  # Liberation Sans Narrow stands in for "Arial Narrow"
    libcli11-dev      # hashwell-cli's options
    libxxhash-dev     # XXH3 and XXH128
    libgtest-dev libgmock-dev libbenchmark-dev
    libssl-dev zlib1g-dev  # test oracles only
    b3sum                  # the test oracle of BLAKE3
    rhash                  # its BSD lines are read back in a test
    b3sum xxhash           # BLAKE3's and XXH3's reference tools, as oracles in tests
    xvfb xauth xdotool x11-utils  # window tests on a real X server: drags, window hints
    python3                # its csv module reads back the exported files in a test
    python3-gi python3-nautilus gir1.2-nautilus-4.0  # the Nautilus extension, in its tests
    shared-mime-info       # builds the MIME database of checksum lists in a test
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
