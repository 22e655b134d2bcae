#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and uses the
# unpacked kuvex-cli with a private HOME, as a user of an installed program
# would: the user's data folder must be seeded from share/kuvex/, and
# nothing may be written under the unpacked root.
# Usage: scripts/check-package.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls "$build"/kuvex_*_amd64.deb | head -1)
root="$work/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/kuvex usr/bin/kuvex-cli usr/share/kuvex/settings.xml usr/share/kuvex/hilfe/index.html \
         usr/share/applications/kuvex.desktop usr/share/mime/packages/kuvex.xml \
         usr/share/icons/hicolor/256x256/apps/kuvex.png usr/share/icons/hicolor/scalable/apps/kuvex.svg \
         usr/share/man/man1/kuvex-cli.1.gz usr/share/man/de/man1/kuvex.1.gz usr/share/doc/kuvex/copyright; do
  [ -e "$root/$f" ] || { echo "missing in the package: $f" >&2; exit 1; }
done
vorher=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)

home="$work/home"
mkdir -p "$home"
cli="$root/usr/bin/kuvex-cli"
run() { env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 TZ=Europe/Berlin "$@"; }
version=$(run "$cli" --version)
echo "$version" | grep -qx "Datenordner: $home/.local/share/kuvex" \
  || { echo "unexpected data folder: $version" >&2; exit 1; }
kasse="$home/laden.kbx"
run "$cli" new "$kasse" >/dev/null
run "$cli" add "$kasse" --date 2026-12-08 --text Anfangsbestand --amount 500,00 >/dev/null
run "$cli" add "$kasse" --date 2026-12-08 --text Porto --amount 2,95 >/dev/null
summen=$(run "$cli" totals "$kasse" --day 2026-12-08)
echo "$summen" | grep -q "497,05" || { echo "unexpected totals: $summen" >&2; exit 1; }

daten="$home/.local/share/kuvex"
for f in settings.xml steuersaetze.xml export.xml Kassen Backup Data/Export Backup/laden.daily.bak; do
  [ -e "$daten/$f" ] || { echo "not seeded: $f" >&2; exit 1; }
done
nachher=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$vorher" = "$nachher" ] || { echo "written under the unpacked root:" >&2; diff <(echo "$vorher") <(echo "$nachher") >&2 || true; exit 1; }
echo "package ok: $(basename "$deb")"
