#!/usr/bin/env bash
# Builds the Debian package and checks it: the files it installs, its dependencies, that the
# programs answer --version without a display, that the desktop entry and the AppStream
# metainfo pass their validators, and that lintian finds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh desktop-file-utils appstream lintian libxml2-utils
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
    ./usr/share/metainfo/example.tarnvale.Hashwell.metainfo.xml \
    ./usr/share/mime/packages/hashwell.xml \
    ./usr/share/nautilus-python/extensions/hashwell.py \
    ./usr/share/nemo/actions/hashwell-hash.nemo_action \
    ./usr/share/nemo/actions/hashwell-verify.nemo_action \
    ./usr/share/file-manager/actions/hashwell-hash.desktop \
    ./usr/share/file-manager/actions/hashwell-verify.desktop \
    ./usr/share/kio/servicemenus/hashwell.desktop \
    ./usr/share/kio/servicemenus/hashwell-verify.desktop; do
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
suggests=$(dpkg-deb --field "$package" Suggests)
[ "$suggests" = "python3-nautilus, nemo, caja-actions, dolphin" ] || { echo "suggests $suggests"; status=1; }
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
# The file managers' files: the Nautilus extension imports under Nautilus 4.0's bindings; the
# action files and service menus are not desktop entries that desktop-file-validate knows
# (Type=Action, Type=Service, [Nemo Action]), so GLib's key-file parser, the one Nemo and
# caja-actions read them with, must take them; the MIME package must be valid XML.
share="$unpacked/usr/share"
/usr/bin/python3 -c "import sys; sys.path.insert(0, sys.argv[1]); import hashwell" \
    "$share/nautilus-python/extensions" || { echo "Nautilus extension"; status=1; }
/usr/bin/python3 -c "
import sys
from gi.repository import GLib
for path in sys.argv[1:]:
    GLib.KeyFile().load_from_file(path, GLib.KeyFileFlags.NONE)
" "$share"/nemo/actions/*.nemo_action "$share"/file-manager/actions/*.desktop \
    "$share"/kio/servicemenus/*.desktop || { echo "file manager actions"; status=1; }
xmllint --noout "$share/mime/packages/hashwell.xml" || status=1
# lintian's errors and warnings fail the check; whatever it says is shown.
said=$(lintian --fail-on error,warning "$package" 2>&1) || { echo "lintian failed:"; status=1; }
grep -v "^running with root privileges" <<<"$said" || true
[ "$status" -eq 0 ] && echo "$package: files, dependencies, desktop files, file manager entries and lintian are right"
exit "$status"
