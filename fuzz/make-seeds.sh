#!/usr/bin/env bash
# Writes the seed corpora of fuzz/corpus/ with the program itself: cash
# books made by kuvex-cli (new, add, generate), their members, and the data
# files the program ships and writes back. Run after scripts/build.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="$root/build/bin/kuvex-cli"
out="$root/fuzz/corpus"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
"$cli" new a.kbx
"$cli" add a.kbx --date 2024-02-29 --text Anfangsbestand --amount "1.000,00" --note Kasse
"$cli" add a.kbx --date 2024-03-01 --split "Verkauf=119,00=Tisch" --split "Porto=-2,55"
"$cli" add a.kbx --date 2024-03-01 --text Porto --amount "0,85" --invoice R-1
cp a.kbx b.kbx
"$cli" generate b.kbx --count 40 --seed 3 >/dev/null
"$cli" new c.kbx
# Locked bookings: a log with a booking and a reversal.
cp a.kbx d.kbx
"$cli" gobd d.kbx >/dev/null
"$cli" add d.kbx --date 2024-03-02 --text Porto --amount "1,10"
"$cli" delete d.kbx --index 0 --date 2024-03-02 >/dev/null
mkdir -p "$out/buchungen" "$out/xml" "$out/kbx" "$out/protokoll"
for k in a b c d; do
  mkdir "x$k"
  (cd "x$k" && unzip -q "../$k.kbx")
  cp "$k.kbx" "$out/kbx/$k.kbx"
  cp "x$k/Buchungen.dat" "$out/buchungen/$k.dat"
done
cp xd/Protokoll.dat "$out/protokoll/d.dat"
cp xa/Belegtexte.xml "$out/xml/belegtexte.xml"
cp xa/Firma.xml "$out/xml/firma.xml"
for f in steuersaetze laender settings; do
  cp "$root/data/$f.xml" "$out/xml/$f.xml"
done
