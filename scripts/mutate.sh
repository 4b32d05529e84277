#!/usr/bin/env bash
# The mutation runner: how many small faults put into src/ the tests catch. It takes long (each
# mutant is built and tested), so it runs on demand, not in CI. See docs/architecture.md.
#   scripts/mutate.sh pick [--seed N] [--count N]    list the mutants in scripts/mutants.txt
#   scripts/mutate.sh run [--only LIBRARY]            run them; the report ends the output
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
exec python3 scripts/mutate.py "$@"
