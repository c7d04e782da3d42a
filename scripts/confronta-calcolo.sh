#!/usr/bin/env bash
# The timetables of many stored trips through one build of viandora-cli, one
# file per trip, so that two builds can be compared with `diff -r`.
#   build-test/bench/genera_viaggi /tmp/viaggi        # once
#   scripts/confronta-calcolo.sh build-test /tmp/viaggi /tmp/prima
#   ... change, rebuild ...
#   scripts/confronta-calcolo.sh build-test /tmp/viaggi /tmp/dopo
#   diff -r /tmp/prima /tmp/dopo
# Each file holds the output, the error text and the exit code; a trip whose
# calculation takes longer than a minute is recorded as such.
set -uo pipefail
if [ $# -ne 3 ]; then
  echo "Uso: $0 CARTELLA_BUILD CARTELLA_VIAGGI CARTELLA_USCITA" >&2
  exit 2
fi
cli=$1/planner/cli/viandora-cli
viaggi=$2
uscita=$3
mkdir -p "$uscita"
while read -r database codice; do
  file="$uscita/$(dirname "$database")_$codice.txt"
  {
    timeout 60 "$cli" calcola "$viaggi/$database" "$codice" 2>&1
    echo "uscita: $?"
  } >"$file"
done <"$viaggi/elenco.txt"
echo "$(wc -l <"$viaggi/elenco.txt") viaggi in $uscita"
