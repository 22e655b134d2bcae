#!/usr/bin/env bash
# Takes docs/screenshot.png: the main window under Xvfb on a cash book of
# 20,000 generated bookings, in monthly mode on March 2004. Works on a copy
# of the program folder, so build/bin keeps its settings and history.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out="$root/docs/screenshot.png"

# The X tools this needs, installed only when missing.
need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xwd >/dev/null || need+=(x11-apps)
command -v xdotool >/dev/null || need+=(xdotool)
# /usr/bin/convert by name: another "convert" may come first in PATH.
/usr/bin/convert -version 2>/dev/null | grep -q ImageMagick || need+=(imagemagick)
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

# The program, its command-line twin and the data files.
if [ ! -f build/build.ninja ] && [ ! -f build/Makefile ]; then
  scripts/install-deps.sh
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target kuvex kuvex-cli kuvex_data

work=$(mktemp -d)
xvfb_pid=""
kuvex_pid=""
cleanup() {
  [ -n "$kuvex_pid" ] && kill "$kuvex_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp build/bin/kuvex build/bin/kuvex-cli build/bin/*.xml "$work/"
mkdir -p "$work/Kassen"
# Monthly mode, so the list shows a whole month.
sed -i 's|<Settings />|<Settings><Monthmode /></Settings>|' "$work/settings.xml"

book="$work/Kassen/Laden.kbx"
"$work/kuvex-cli" new "$book" >/dev/null
"$work/kuvex-cli" generate "$book" --count 20000 --seed 1 >/dev/null
# A company short name for the title; the cash book is a plain ZIP archive.
python3 - "$book" <<'PY'
import re, sys, zipfile
path = sys.argv[1]
with zipfile.ZipFile(path) as z:
    members = [(i.filename, z.read(i.filename)) for i in z.infolist()]
with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
    for name, data in members:
        if name == "Firma.xml":
            short = "Bäckerei Sommer".encode("latin-1")
            data = re.sub(rb"<Kurzbezeichnung\s*/>|<Kurzbezeichnung>[^<]*</Kurzbezeichnung>",
                          b"<Kurzbezeichnung>" + short + b"</Kurzbezeichnung>", data, count=1)
        z.writestr(name, data)
PY

display=99
while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x860x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"$work/kuvex" "$book" >/dev/null 2>&1 &
kuvex_pid=$!
wid=""
for _ in $(seq 100); do
  wid=$(xdotool search --onlyvisible --name "^Kuvex - " 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "the main window did not appear" >&2; exit 1; }

xdotool windowmove "$wid" 0 0 windowsize "$wid" 1240 820
xdotool windowfocus --sync "$wid"
sleep 0.5
# Ctrl+J: the year list; typing picks 2004. Ctrl+M and "M": March.
xdotool key ctrl+j
xdotool type --delay 80 2004
sleep 0.3
xdotool key ctrl+m
xdotool type M
sleep 1

mkdir -p "$root/docs"
xwd -id "$wid" -silent | /usr/bin/convert xwd:- "png:$out"
echo "$out"
