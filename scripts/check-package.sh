#!/usr/bin/env bash
# Builds the Debian package and checks it: the files it installs, its dependencies, that the
# programs answer --version without a display, that the desktop entry and the AppStream
# metainfo pass their validators, and that lintian finds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh desktop-file-utils appstream lintian
scripts/package.sh >/dev/null
package=$(ls build-package/hashwell_*.deb)
contents=$(dpkg-deb --contents "$package" | awk '{print $6}')
status=0
for file in ./usr/bin/hashwell ./usr/libexec/hashwell/hashwell-help-reader ./usr/share/hashwell/Hashwell.chm \
    ./usr/bin/hashwell-cli ./usr/share/man/man1/hashwell-cli.1.gz \
    ./usr/share/man/man1/hashwell.1.gz ./usr/share/doc/hashwell/copyright \
    ./usr/share/doc/hashwell/changelog.gz \
    ./usr/share/applications/hashwell.desktop \
    ./usr/share/icons/hicolor/scalable/apps/hashwell.svg \
    ./usr/share/metainfo/example.tarnvale.Hashwell.metainfo.xml; do
    if ! grep -qx "$file" <<<"$contents"; then
        echo "$package lacks $file"
        status=1
    fi
done
depends=$(dpkg-deb --field "$package" Depends)
for library in libqt6widgets6 libqt6svg6 fonts-liberation; do
    if ! grep -q "$library" <<<"$depends"; then
        echo "$package does not depend on $library: $depends"
        status=1
    fi
done
[ "$(dpkg-deb --field "$package" Version)" = "1.1.1.0" ] || { echo "version"; status=1; }
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$package" "$unpacked"
"$unpacked/usr/bin/hashwell-cli" --version | grep -qx "hashwell-cli 1.1.1.0" || { echo "cli"; status=1; }
# The window's program answers on the terminal, with no display at all.
env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/hashwell" --version |
    grep -qx "hashwell 1.1.1.0" || { echo "hashwell --version"; status=1; }
env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/hashwell" --help |
    grep -q "^Usage: hashwell " || { echo "hashwell --help"; status=1; }
desktop-file-validate "$unpacked/usr/share/applications/hashwell.desktop" || status=1
appstreamcli validate --no-net \
    "$unpacked/usr/share/metainfo/example.tarnvale.Hashwell.metainfo.xml" || status=1
# lintian's errors and warnings fail the check; whatever it says is shown.
said=$(lintian --fail-on error,warning "$package" 2>&1) || { echo "lintian failed:"; status=1; }
grep -v "^running with root privileges" <<<"$said" || true
[ "$status" -eq 0 ] && echo "$package: files, dependencies, desktop files and lintian are right"
exit "$status"
