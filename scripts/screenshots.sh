#!/usr/bin/env bash
# Makes the README's screenshots: starts the program under Xvfb, fills the pages by keyboard
# as an applicant would, and takes page I, the about box, a record page and the send page.
# Needs xvfb, xdotool and imagemagick (apt-get install xvfb xdotool imagemagick).
# Usage: scripts/screenshots.sh [display, default :99] [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
display=${1:-:99}
program=$(pwd)/${2:-build}/bin/veld
shots=$(pwd)/docs/screenshots
[ -x "$program" ] || { echo "build the program first: make build" >&2; exit 1; }

work=$(mktemp -d) # the work files of this run go here
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
veld=
finish() {
    [ -n "$veld" ] && kill "$veld" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb could not start on $display (in use?)" >&2; exit 1; }

(cd "$work" && exec "$program") &
veld=$!

keys() { xdotool key --delay 40 "$@"; }
# Types the texts one by one, a Tab after each; an empty text only moves on.
fill() {
    for text in "$@"; do
        [ -n "$text" ] && xdotool type --delay 15 -- "$text"
        keys Tab
    done
}
# The one window of that caption on the screen, once it is there.
window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
# Waits for the entrance animations to end, then takes the window alone.
shoot() {
    sleep "${3:-2.5}"
    import -window "$(window "$1")" -strip -define png:compression-level=9 "$shots/$2.png"
    echo "$shots/$2.png"
}

window Velda >/dev/null
sleep 3 # the splash screen, then page I's entrance
keys space Tab
fill lumbung .usaha "Koperasi Lumbung Tani" "Simpan pinjam petani" "AKTA 7/2025" "Sari 555-0147"
shoot Velda page-1

keys alt Right Return # Detail
shoot Detail about-box 4
keys Return # "Baiklah..", a moment after the key
sleep 1

keys Tab Return # from "Informasi" to "Selanjutnya.."
sleep 1
fill ADM-QV "Sari Wulandari" Ketua "Koperasi Lumbung Tani" "Jl. Padi 5, Marindal" sari@lumbung.usaha.qv 555-0147 ""
fill BIL-QV "Bayu Rangga" Bendahara "Koperasi Lumbung Tani" "Jl. Padi 5, Marindal" bayu@lumbung.usaha.qv 555-0148 ""
fill TEK-QV "Gilang Pramesta" Teknisi "Kavronet" "Jl. Pelangi Senja 17" gilang@kavronet.qv 555-0190 ""
keys Tab Return # "Selanjutnya..."
sleep 1
keys Tab space # "NS Record"
sleep 1
fill ns1.lumbung.usaha.qv 10.20.30.1 ns2.kavronet.qv 10.20.40.2
shoot Velda record-page

keys Tab Tab Tab Tab Tab Tab Return # past the empty groups to "Selanjutnya.."
sleep 1
fill "Sari Wulandari" sari@lumbung.usaha.qv
keys Tab Return # "Selanjutnya.."
sleep 1
xdotool search --sync --onlyvisible --name '^Velda$' >/dev/null
keys Tab Tab Tab # to the SMTP server
xdotool type --delay 15 -- smtp.kavronet.qv
shoot Velda send-page
