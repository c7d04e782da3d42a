#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build-fuzz/,
# replays every regression input once, then fuzzes each target in turn:
#   scripts/fuzz.sh [seconds per target, 60 by default] [--escludi NAME]... [NAME...]
# With names, only those targets run. New findings are kept in
# build-fuzz/trovati/<name>/; copy each into fuzz/regressioni/<name>/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh clang libclang-rt-14-dev llvm

secondi=60
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  secondi=$1
  shift
fi
esclusi=()
scelti=()
while [ $# -gt 0 ]; do
  case "$1" in
    --escludi) esclusi+=("$2"); shift 2 ;;
    *) scelti+=("$1"); shift ;;
  esac
done

cartella=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$cartella" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVIANDORA_FUZZ=ON -DVIANDORA_TESTS=OFF -DVIANDORA_BENCH=OFF >/dev/null
cmake --build "$cartella" --target fuzz

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

if [ ${#scelti[@]} -eq 0 ]; then
  for programma in "$cartella"/fuzz/fuzz_*; do
    [ -f "$programma" ] && [ -x "$programma" ] && scelti+=("${programma##*/fuzz_}")
  done
fi

esito=0
for nome in "${scelti[@]}"; do
  programma="$cartella/fuzz/fuzz_$nome"
  if [[ " ${esclusi[*]} " == *" $nome "* ]]; then
    echo "== $nome: escluso"
    continue
  fi
  regressioni=(fuzz/regressioni/"$nome"/*)
  if [ -e "${regressioni[0]}" ]; then
    echo "== $nome: ${#regressioni[@]} input di regressione"
    "$programma" -timeout=10 "${regressioni[@]}" || { esito=1; continue; }
  fi
  # New inputs go to the build folder; the corpus in the repository only seeds.
  lavoro="$cartella/corpus/$nome"
  trovati="$cartella/trovati/$nome"
  mkdir -p "$lavoro" "$trovati" "fuzz/corpus/$nome"
  echo "== $nome: $secondi s"
  if ! nice -n 19 "$programma" -max_total_time="$secondi" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$trovati/" -print_final_stats=1 "$lavoro" "fuzz/corpus/$nome"; then
    echo "== $nome: TROVATO un input che fallisce, in $trovati/"
    esito=1
  fi
done
exit $esito
