#!/bin/sh
# Reads an archive of "kuvex-cli export" back with tools that know nothing
# of Kuvex: unzip, Python's zipfile module, and Python's csv module on
# buchungen.csv (";" between fields, Windows-1252 bytes, CR LF lines).
# Usage: scripts/check-export.sh [BIN_DIR]   (default: build/bin)
set -eu
bin=$(cd "${1:-build/bin}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A program folder of its own, so the backups of the run stay in it.
cp "$bin"/kuvex-cli "$bin"/*.xml "$work"/
mkdir -p "$work/Data/Export" "$work/out"
cli="$work/kuvex-cli"
kasse="$work/kasse.kbx"
"$cli" new "$kasse"
"$cli" add "$kasse" --date 2004-03-07 --text Porto --amount 2,50 --note 'Marken; "Sonder"'
"$cli" add "$kasse" --date 2004-03-08 --split 'Verkauf=100=Teil 1' --split 'Porto=5,5' --note 'Markt Süd'
"$cli" add "$kasse" --date 2004-04-01 --text Verkauf --amount 9
archiv=$("$cli" export "$kasse" --month 2004-03 --to "$work/out" --client 7 --till 3 --till-name 'Nebenkasse Süd')
echo "kuvex-cli export: $archiv"

echo "--- unzip -l"
unzip -l "$archiv"
echo "--- python3 -m zipfile -l"
python3 -m zipfile -l "$archiv"
echo "--- python3 -m zipfile -t"
python3 -m zipfile -t "$archiv"

echo "--- buchungen.csv through Python's csv module"
python3 - "$archiv" <<'PY'
import csv, io, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    assert z.namelist() == ["firma.csv", "belegtexte.csv", "buchungen.csv"], z.namelist()
    assert z.comment == b"Export von Kuvex - das Kassenbuch", z.comment
    raw = z.read("buchungen.csv")
    firma = z.read("firma.csv")
assert raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "CR LF only"
rows = list(csv.reader(io.StringIO(raw.decode("cp1252"), newline=""), delimiter=";"))
for r in rows:
    print(r)
assert rows[0] == ["MandantId", "Id", "KassenId", "VaterId", "Datum", "BelegtextBez", "Notiz", "Ein", "Aus",
                   "WaehrungsKuerzel", "MwStSatzProz", "MwStSatzLand"], rows[0]
assert rows[1][6] == 'Marken; "Sonder"', rows[1]
assert rows[2][5:7] == ["Aufteilung", "Markt S\u00fcd"], rows[2]
assert [r[3] for r in rows[1:]] == ["0", "0", "2", "2"], "VaterId"
assert all(r[0] == "7" and r[2] == "3" for r in rows[1:]), "client and till"
assert len(rows) == 5, "April is not exported"
f = list(csv.reader(io.StringIO(firma.decode("cp1252"), newline=""), delimiter=";"))
print(f)
assert f[0][5] == "Stra\u00dfe" and f[1][11] == "Nebenkasse S\u00fcd", f
print("csv read-back: OK")
PY
