#!/usr/bin/env bash
# Installs what is needed, builds the planner and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIANDORA_TESTS=OFF >/dev/null
cmake --build build --target VIANDORA
exec build/planner/app/VIANDORA "$@"
