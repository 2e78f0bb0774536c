#!/usr/bin/env bash
# Makes the Debian package from the existing build (cpack reuses it) and
# checks it as Debian's tools do: its files (dpkg-deb -c), its metadata
# (dpkg-deb -I), lintian with no error, the AppStream metadata, the desktop
# entry and the project-file type, the manual pages (rendered without
# warnings, found by man, every command and option of the help in
# voro-cli(1)), and the programs run from the package.
# Usage: test_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
(cd "$build" && cpack -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/out/voro_${version}_${arch}.deb
[ -f "$deb" ] || fail "no package named voro_${version}_${arch}.deb: $(ls "$work/out")"

# The files, owned by root, where Debian wants them.
dpkg-deb -c "$deb" >"$work/contents"
for f in usr/bin/voro usr/bin/voro-cli \
         usr/share/voro/examples/ponte-stradale.vro usr/share/voro/vehicles.txt usr/share/voro/docs/Voro-ITA.html usr/share/voro/docs/Voro-ENG.html \
         usr/share/applications/voro.desktop usr/share/icons/hicolor/scalable/apps/voro.svg \
         usr/share/mime/packages/voro.xml usr/share/metainfo/io.github.voro_arch.Voro.metainfo.xml \
         usr/share/man/man1/voro.1.gz usr/share/man/man1/voro-cli.1.gz \
         usr/share/bash-completion/completions/voro-cli \
         usr/share/doc/voro/copyright usr/share/doc/voro/changelog.gz usr/share/doc/voro/changelog.Debian.gz; do
  grep -q " \./$f\$" "$work/contents" || fail "the package lacks /$f"
done
if grep -v ' root/root ' "$work/contents"; then fail "files not owned by root"; fi
if grep -Ev ' \./usr/(bin|share)/' "$work/contents" | grep -v ' \./usr/$' | grep -v ' \./$'; then
  fail "files outside /usr/bin and /usr/share"
fi

# The metadata: name, version from the build, dependencies found in the binaries.
dpkg-deb -I "$deb" >"$work/info"
for field in "Package: voro" "Version: $version" "Architecture: $arch" "Section: science" \
             "Homepage: https://voro-arch.github.io/voro/" "Recommends: xdg-utils, qt6-translations-l10n"; do
  grep -q "^ $field\$" "$work/info" || fail "control lacks '$field'"
done
depends=$(sed -n 's/^ Depends: //p' "$work/info")
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6; do
  [[ ", $depends," == *", $lib ("* ]] || fail "Depends lacks $lib: $depends"
done

# Debian's package checker: no error, no warning.
lintian --no-tag-display-limit "$deb" >"$work/lintian" 2>&1 || true
if grep -E '^[EW]: ' "$work/lintian"; then fail "lintian"; fi

dpkg-deb -x "$deb" "$work/root"
root=$work/root
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.voro_arch.Voro.metainfo.xml" >"$work/appstream" ||
  { cat "$work/appstream"; fail "appstream"; }
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/io.github.voro_arch.Voro.metainfo.xml" ||
  fail "the AppStream release is not $version"
desktop-file-validate "$root/usr/share/applications/voro.desktop" || fail "desktop entry"
grep -q '^Exec=voro %f$' "$root/usr/share/applications/voro.desktop" || fail "the desktop entry does not open a file"
grep -q 'MimeType=application/x-voro-project;' "$root/usr/share/applications/voro.desktop" || fail "no project-file type"
grep -q '<glob pattern="\*.vro"/>' "$root/usr/share/mime/packages/voro.xml" || fail "the file type is not *.vro"
zcat "$root/usr/share/doc/voro/changelog.Debian.gz" | head -1 | grep -q "^voro ($version) " ||
  fail "the Debian changelog is not for $version"
zcat "$root/usr/share/doc/voro/changelog.gz" | grep -q "^## \[$version\] - " || fail "CHANGELOG.md has no heading for $version"

# The manual pages render without a warning and name the version.
for page in voro voro-cli; do
  file=$root/usr/share/man/man1/$page.1.gz
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page(1): $warnings"
  zcat "$file" | grep -q "\"Voro $version\"" || fail "$page(1) is not for $version"
done

# voro-cli(1) documents every command and every option the program knows.
cli=$root/usr/bin/voro-cli
page=$(zcat "$root/usr/share/man/man1/voro-cli.1.gz" | sed 's/\\-/-/g')
commands=$("$cli" help | awk '/^Commands:/ {on = 1; next} on && NF == 0 {exit} on {print $1}')
[ -n "$commands" ] || fail "no commands in the help"
for c in $commands; do
  grep -q "^\.SS $c\$" <<<"$page" || fail "voro-cli(1) has no section for the command $c"
  for option in $("$cli" help "$c" | grep -Eo '^  (-h, )?--[a-z-]+' | grep -Eo -- '--[a-z-]+'); do
    grep -q -- "$option" <<<"$page" || fail "voro-cli(1) does not name $option of $c"
  done
done
for section in NAME SYNOPSIS DESCRIPTION COMMANDS OPTIONS "EXIT STATUS" FILES EXAMPLES; do
  grep -q "^\.SH \"\?$section\"\?\$" <<<"$page" || fail "voro-cli(1) has no $section"
done

# The programs of the package run.
"$cli" --version | grep -qx "voro-cli (Voro) $version" || fail "voro-cli --version"
"$root/usr/bin/voro" --version | grep -qx "voro (Voro) $version" || fail "voro --version"
"$cli" solve "$root/usr/share/voro/examples/ponte-stradale.vro" | grep -q "Force a tie at the springings would carry" || fail "voro-cli solve"
XDG_CONFIG_HOME=$work/none "$cli" vehicles | grep -qx "LM1 tandem" || fail "voro-cli vehicles"
MANPATH=$root/usr/share/man MANPAGER=cat man voro-cli | grep -q "voro-cli - limit analysis of masonry arches" ||
  fail "man voro-cli"
echo "package voro_${version}_${arch}.deb ok"
