#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed layout:
# the programs, the examples and help where the program looks for them, the
# desktop entry, the project-file type, the manual pages and the completion;
# then solves an installed example and reads the installed manual page.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/voro bin/voro-cli share/voro/vehicles.txt share/voro/docs/Voro-ITA.html share/voro/docs/Voro-ENG.html \
         share/applications/voro.desktop share/mime/packages/voro.xml \
         share/icons/hicolor/scalable/apps/voro.svg share/man/man1/voro.1.gz share/man/man1/voro-cli.1.gz \
         share/bash-completion/completions/voro-cli share/metainfo/io.github.voro_arch.Voro.metainfo.xml \
         share/doc/voro/copyright; do
  [ -e "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
ls "$prefix"/share/voro/examples/*.vro >/dev/null
grep -q '^Exec=voro %f$' "$prefix/share/applications/voro.desktop"
grep -q 'MimeType=application/x-voro-project;' "$prefix/share/applications/voro.desktop"
grep -q '<glob pattern="\*.vro"/>' "$prefix/share/mime/packages/voro.xml"
"$prefix/bin/voro-cli" solve "$prefix/share/voro/examples/ponte-stradale.vro" | grep -q "Force a tie at the springings would carry"
XDG_CONFIG_HOME=$prefix/none "$prefix/bin/voro-cli" vehicles | grep -qx "LM2 single axle"
MANPATH=$prefix/share/man MANPAGER=cat man voro-cli | grep -q "voro-cli - limit analysis of masonry arches"
echo "installed layout ok"
