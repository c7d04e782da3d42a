#!/usr/bin/env bash
# Renders the planner's main window to PNG files without a display:
#   scripts/schermata.sh [file.png] [data folder]   the window as it starts
#   scripts/schermata.sh --schermi [folder]         a sample trip on the trip
#     screen, the stage editor, the timetable and the city guide (by default
#     into docs/schermate, the pictures of the README)
# With SCHERMO=1024x768 (or any size) before the command the window is drawn
# at the size it takes on a screen that large.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIANDORA_TESTS=OFF >/dev/null
cmake --build build --target viandora-schermata >/dev/null
piattaforma=offscreen
if [ -n "${SCHERMO:-}" ]; then
  configurazione=$(mktemp --suffix=.json)
  trap 'rm -f "$configurazione"' EXIT
  printf '{"screens": [{"name": "schermo", "x": 0, "y": 0, "width": %d, "height": %d, "logicalDpi": 96}]}\n' \
    "${SCHERMO%x*}" "${SCHERMO#*x}" >"$configurazione"
  piattaforma="offscreen:configfile=$configurazione"
fi
if [ "${1:-}" = "--schermi" ]; then
  QT_QPA_PLATFORM=$piattaforma build/planner/app/viandora-schermata --schermi "${2:-docs/schermate}"
else
  QT_QPA_PLATFORM=$piattaforma build/planner/app/viandora-schermata "${1:-viandora.png}" "${2:-}"
fi
