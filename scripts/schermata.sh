#!/usr/bin/env bash
# Renders the planner's main window to a PNG without a display:
#   scripts/schermata.sh [file.png] [data folder]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIANDORA_TESTS=OFF >/dev/null
cmake --build build --target viandora-schermata >/dev/null
QT_QPA_PLATFORM=offscreen build/planner/app/viandora-schermata "${1:-viandora.png}" "${2:-}"
