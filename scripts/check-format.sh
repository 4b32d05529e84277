#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted as .clang-format says; prints where.
# scripts/check-format.sh --fix formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh clang-format

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${sources[@]}"
else
    clang-format --dry-run -Werror "${sources[@]}"
fi
