#!/usr/bin/env bash
# Checks that every C++ source follows .clang-format; with --applica it
# formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh clang-format
mapfile -t sorgenti < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--applica" ]; then
  clang-format -i "${sorgenti[@]}"
  exit 0
fi
rapporto=$(mktemp)
trap 'rm -f "$rapporto"' EXIT
if ! clang-format --dry-run --Werror "${sorgenti[@]}" 2>"$rapporto"; then
  grep -oE '^[^ :]+\.(cpp|h):[0-9]+:[0-9]+: (warning|error)' "$rapporto" | cut -d: -f1 | sort -u |
    sed 's/^/Da formattare: /'
  echo "Per formattarli: scripts/formato.sh --applica" >&2
  exit 1
fi
