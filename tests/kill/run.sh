#!/usr/bin/env bash
# Kills saves at random moments and counts what each left: the old file, the new one, or the old
# content in a copy that the next start names; none may be lost. Each way a save can go is tried
# (the safe replace, a hard-linked file, a file in a folder the user may not write) the given
# number of times. Not run by CI: it takes a minute or two.
#   tests/kill/run.sh [kills per way, default 300]
set -euo pipefail
cd "$(dirname "$0")/../.."
kills=${1:-300}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHASHWELL_WERROR=ON > /dev/null
cmake --build build --target save_kill_test
scratch=$(mktemp -d "${TMPDIR:-/tmp}/hashwell-kill-XXXXXX")
trap 'chmod -R u+rwx "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"  # the user without rights must reach the files
build/tests/kill/save_kill_test "$scratch" "$kills"
