#!/usr/bin/env bash
# Installs what is needed, builds everything and runs the whole test suite;
# with --sanitize the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh

cartella=build-test
opzioni=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  cartella=build-sanitize
  opzioni=(-DCMAKE_BUILD_TYPE=Debug -DVIANDORA_SANITIZE=ON)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$cartella" -G Ninja "${opzioni[@]}" >/dev/null
cmake --build "$cartella"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$cartella" --output-on-failure -j "$(nproc)"
