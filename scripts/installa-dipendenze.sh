#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the planner,
# and those named as arguments. Does nothing when they are all present.
set -euo pipefail

PACCHETTI=(cmake ninja-build ccache g++ qt6-base-dev qt6-translations-l10n libsqlite3-dev sqlite3 fonts-liberation
  poppler-utils xauth xvfb cups printer-driver-cups-pdf librsvg2-bin pkg-config libical-dev tzdata
  python3-icalendar "$@")

mancanti=()
for p in "${PACCHETTI[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
[ ${#mancanti[@]} -eq 0 ] && exit 0

echo "Installazione pacchetti: ${mancanti[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
