#!/usr/bin/env bash
# Fails when the planner's folders include each other in a cycle. Every
# '#include "folder/..."' between two folders of planner/ is an edge; tsort
# finds a loop among them. With --grafo the edges are printed.
set -euo pipefail
cd "$(dirname "$0")/../planner"
archi=$(grep -rHo --include='*.h' --include='*.cpp' -E '^#include "[a-z]+/' . |
  sed -E 's|^\./([a-z]+)/[^:]*:#include "([a-z]+)/|\1 \2|' |
  awk '$1 != $2 && system("test -d " $2) == 0' | sort -u)
if [ "${1:-}" = "--grafo" ]; then
  printf '%s\n' "$archi"
fi
if ! errori=$(printf '%s\n' "$archi" | tsort 2>&1 >/dev/null) || [ -n "$errori" ]; then
  echo "Le cartelle di planner/ si includono a vicenda:"
  printf '%s\n' "$errori" | grep -v '^tsort: -: input contains a loop:$' | sed 's/^tsort: /  /'
  exit 1
fi
echo "Nessun ciclo di include tra le cartelle di planner/."
