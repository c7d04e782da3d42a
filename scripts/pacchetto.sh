#!/usr/bin/env bash
# Makes the Debian package of a build with CPack and checks it:
#   scripts/pacchetto.sh [CARTELLA_BUILD]
# The build folder is build/ by default, configured and built as
# scripts/avvia.sh does when missing; CI passes build-test/, which
# scripts/prova.sh has just built. The package lands in CARTELLA_BUILD/pacchetto/.
# Checks: the desktop entries (desktop-file-validate), the AppStream file
# (appstreamcli), the package (lintian: no errors), the files it holds, and
# the packaged viandora-cli and planner run from the package's own files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa-dipendenze.sh desktop-file-utils appstream lintian dpkg-dev file

cartella=${1:-build}
if [ ! -f "$cartella/CMakeCache.txt" ]; then
  cmake -S . -B "$cartella" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIANDORA_TESTS=OFF >/dev/null
fi
cmake --build "$cartella"
inizio=$SECONDS
rm -rf "$cartella/pacchetto"
cpack --config "$cartella/CPackConfig.cmake" -B "$cartella/pacchetto" >"$cartella/cpack.log" ||
  { cat "$cartella/cpack.log" >&2; exit 1; }
pacchetti=("$cartella"/pacchetto/viandora_*.deb)
pacchetto=${pacchetti[0]}

contenuto=$(mktemp -d)
trap 'rm -rf "$contenuto"' EXIT
dpkg-deb -x "$pacchetto" "$contenuto"
u=$contenuto/usr
attesi=(bin/VIANDORA bin/Taccuvo bin/viandora-cli
  share/applications/org.viandora.Viandora.desktop share/applications/org.viandora.Taccuvo.desktop
  share/metainfo/org.viandora.Viandora.metainfo.xml
  share/icons/hicolor/scalable/apps/org.viandora.Viandora.svg
  share/icons/hicolor/48x48/apps/org.viandora.Viandora.png
  share/icons/hicolor/scalable/apps/org.viandora.Taccuvo.svg
  share/icons/hicolor/48x48/apps/org.viandora.Taccuvo.png
  share/man/man1/VIANDORA.1.gz share/man/man1/viandora-cli.1.gz share/man/man1/Taccuvo.1.gz
  share/doc/viandora/copyright share/doc/viandora/changelog.gz)
for f in "${attesi[@]}"; do
  [ -s "$u/$f" ] || { echo "Manca nel pacchetto: /usr/$f" >&2; exit 1; }
done
desktop-file-validate "$u"/share/applications/*.desktop
appstreamcli validate --no-net --strict "$u"/share/metainfo/*.metainfo.xml
lintian --fail-on error "$pacchetto"
# The packaged programs themselves: viandora-cli makes a database and reads
# it back; the planner, started even by root, keeps its data in the user's
# folder, never beside itself.
"$u/bin/viandora-cli" crea "$contenuto/prova.mdb" >/dev/null
[ -z "$("$u/bin/viandora-cli" mete "$contenuto/prova.mdb")" ]
dati=$contenuto/casa/.local/share/Viandora/Viandora
env -u XDG_DATA_HOME HOME="$contenuto/casa" QT_QPA_PLATFORM=offscreen "$u/bin/VIANDORA" 2>/dev/null &
planner=$!
for _ in $(seq 120); do
  [ -f "$dati/ViandoraQuintora.mdb" ] && break
  sleep 0.5
done
kill "$planner" && wait "$planner" || true
if [ ! -f "$dati/ViandoraQuintora.mdb" ] || [ -e "$u/bin/ViandoraQuintora.mdb" ]; then
  echo "Il planner installato non tiene i dati nella cartella dell'utente" >&2
  exit 1
fi

echo "Pacchetto: $pacchetto ($((SECONDS - inizio)) s)"
echo "Per installarlo: sudo apt install ./$pacchetto"
