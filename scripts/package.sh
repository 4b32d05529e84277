#!/usr/bin/env bash
# Builds the Debian package of Hashwell: build-package/hashwell_<version>_<arch>.deb.
# Install it with: sudo apt-get install ./build-package/hashwell_*.deb
# Warnings are errors here too: the package's optimisation level sees warnings that others miss.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh dpkg-dev
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DHASHWELL_BUILD_TESTS=OFF -DHASHWELL_BUILD_BENCH=OFF -DHASHWELL_WERROR=ON
cmake --build build-package
(cd build-package && cpack -G DEB)
ls build-package/hashwell_*.deb
