#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed layout:
# the programs, the examples and help where the program looks for them, the
# desktop entry and the project-file type; then solves an installed example.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/voro bin/voro-cli share/voro/docs/Voro-ITA.html share/voro/docs/Voro-ENG.html \
         share/applications/voro.desktop share/mime/packages/voro.xml \
         share/icons/hicolor/scalable/apps/voro.svg; do
  [ -e "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
ls "$prefix"/share/voro/examples/*.vro >/dev/null
grep -q '^Exec=voro %f$' "$prefix/share/applications/voro.desktop"
grep -q 'MimeType=application/x-voro-project;' "$prefix/share/applications/voro.desktop"
grep -q '<glob pattern="\*.vro"/>' "$prefix/share/mime/packages/voro.xml"
"$prefix/bin/voro-cli" solve "$prefix/share/voro/examples/ponte-stradale.vro" | grep -q "Tie thrust"
echo "installed layout ok"
