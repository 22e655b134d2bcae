#!/usr/bin/env bash
# The PDFs of kuvex-cli report for a generated month, read back with
# poppler-utils: A4 landscape, fonts embedded, one "Summen/Tagessaldo" per
# day with bookings, the last balance equal to the month's cash balance,
# and "Seite n von N" on every one of the N pages; nothing on standard
# output or error, the cash book untouched.
# Usage: bericht_pdf.sh PROGRAMMORDNER
set -euo pipefail
bin=$1
for tool in pdfinfo pdftotext pdffonts; do
  command -v "$tool" >/dev/null || { echo "$tool fehlt (poppler-utils)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/kuvex-cli" "$bin"/*.xml "$work/"
cli="$work/kuvex-cli"
kasse="$work/kasse.kbx"
export TZ=Europe/Berlin
fail() { echo "FEHLER: $*"; exit 1; }

"$cli" new "$kasse"
"$cli" generate "$kasse" --count 20000 --seed 11
cp "$kasse" "$work/vorher.kbx"
for art in cash stats; do
  pdf=$([ $art = cash ] && echo kasse || echo statistik)
  "$cli" report "$kasse" --$art --month 2004-03 --pdf "$work/$pdf.pdf" >"$work/aus" 2>"$work/fehler"
  [ ! -s "$work/aus" ] && [ ! -s "$work/fehler" ] || fail "report --$art schreibt: $(cat "$work/aus" "$work/fehler")"
done
cmp -s "$kasse" "$work/vorher.kbx" || fail "report hat das Kassenbuch verändert"
ls -A "$work" | grep -q '\.tmp-' && fail "temporäre Datei liegt noch da"

for pdf in kasse statistik; do
  info=$(pdfinfo "$work/$pdf.pdf")
  grep -q "^Page size: *841.89 x 595.28 pts (A4)\|^Page size: *842 x 595 pts (A4)" <<<"$info" \
    || fail "$pdf.pdf ist nicht A4 quer: $(grep 'Page size' <<<"$info")"
  fonts=$(pdffonts "$work/$pdf.pdf" | tail -n +3)
  [ -n "$fonts" ] || fail "$pdf.pdf hat keine Schriften"
  awk '$(NF-4) != "yes" { bad = 1 } END { exit bad }' <<<"$fonts" || fail "$pdf.pdf: Schrift nicht eingebettet"
  pages=$(awk '/^Pages:/ { print $2 }' <<<"$info")
  text=$(pdftotext -layout "$work/$pdf.pdf" -)
  for ((p = 1; p <= pages; p++)); do
    grep -q "Seite $p von $pages" <<<"$text" || fail "$pdf.pdf: \"Seite $p von $pages\" fehlt"
  done
  [ "$(grep -c 'Gedruckt am [0-9][0-9]\.[0-9][0-9]\.[0-9]\{4\} um [0-9][0-9]:[0-9][0-9]' <<<"$text")" = "$pages" ] \
    || fail "$pdf.pdf: Druckzeit nicht auf jeder Seite"
done

text=$(pdftotext -layout "$work/kasse.pdf" -)
grep -q "Kassenbericht vom März 2004" <<<"$text" || fail "Titel des Kassenberichts"
tage=$("$cli" list "$kasse" --month 2004-03 | tail -n +2 | cut -f1 | sort -u | wc -l)
summen=$(grep -c "Summen/Tagessaldo" <<<"$text")
[ "$tage" = "$summen" ] || fail "$summen Tagessummen für $tage Tage"
bestand=$("$cli" totals "$kasse" --month 2004-03 | awk -F'\t' '/^Kassenbestand/ { print $2 }')
letzte=$(grep "Summen/Tagessaldo" <<<"$text" | tail -1 | awk '{ print $NF }')
[ "$bestand" = "$letzte" ] || fail "letzter Saldo $letzte, Kassenbestand $bestand"
buchungen=$("$cli" list "$kasse" --month 2004-03 | tail -n +2 | wc -l)
zeilen=$(grep -c "^ *[0-9][0-9]\.03\.2004 " <<<"$text")
[ "$buchungen" = "$zeilen" ] || fail "$zeilen Buchungszeilen für $buchungen Buchungen"

"$cli" report "$kasse" --cash --day 2004-03-05 --pdf "$work/tag.pdf"
grep -q "Kassenbericht vom 5. März 2004" <<<"$(pdftotext "$work/tag.pdf" -)" || fail "Titel des Tagesberichts"

text=$(pdftotext -layout "$work/statistik.pdf" -)
for t in "Statistik vom März 2004" "Lfd. Jahr" "Vorjahr" "VJ-Monat" "Summen der Einnahmen" "Summen der Ausgaben" "Saldo"; do
  grep -q "$t" <<<"$text" || fail "Statistik: \"$t\" fehlt"
done
echo "ok: Kassenbericht $(pdfinfo "$work/kasse.pdf" | awk '/^Pages:/ { print $2 }') Seiten, $summen Tage, $buchungen Buchungen"
