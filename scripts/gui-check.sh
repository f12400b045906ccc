#!/usr/bin/env bash
# Tiqueron on a virtual display, used as a person would:
#   gui-check.sh FOLDER PROGRAM OUTPUT_FOLDER
# FOLDER holds the program file PROGRAM (Tiqueron.exe, run under Wine, or
# the Linux program) and its data files, as a release unpacks them. Each case
# runs in a new copy of that folder. Checks the start-up window's caption and
# opens both ticket windows; prints the football-pools run of the sample AD243
# and the first ticket of each sample lotto file on the default printer, and
# checks those sheets on paper with the ink checks of the end-to-end tests (a
# build of test_e2e for this machine). Under Wine it expects the WINEPREFIX
# that scripts/wine-prefix.sh sets up.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source=$(cd "$1" && pwd)
program=$2
out=$(mkdir -p "$3" && cd "$3" && pwd)
papel="$out/papel"
mkdir -p "$papel"
runner=()
[[ $program == *.exe ]] && runner=(wine)
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

display=":$((40 + RANDOM % 50))"
Xvfb "$display" -screen 0 1920x1200x24 -dpi 96 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
cleanup() {
  stop
  kill "$wm" "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

shot() { import -window root "$out/$1.png"; }
# The id of the first window whose name holds $1, waiting up to 60 s.
window() {
  for _ in $(seq 120); do
    id=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.5
  done
  return 1
}
# Waits for a window that was not there before ($1: ids before), a message box.
new_window() {
  for _ in $(seq 60); do
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      grep -qx "$id" <<<"$1" || { echo "$id"; return 0; }
    done
    sleep 0.5
  done
  return 1
}
visible_windows() { xdotool search --onlyvisible --name '.' 2>/dev/null || true; }
# Presses the keys $2 in the window $1, made the active one first.
key() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  sleep 0.5
  xdotool key --clearmodifiers "$2"
  sleep 1
}

# A PDF queue of its own, writing to a folder of its own: other test runs
# print on the system's default queue meanwhile. It is the default printer of
# the program run here only: of its Wine prefix, or through the HOME the Linux
# program gets.
queue=TiqueronPantalla
pdf_dir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF-pantalla"
mkdir -p "$pdf_dir"
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  sed "s|^Out .*|Out $pdf_dir|" /etc/cups/cups-pdf.conf >/etc/cups/cups-pdf-pantalla.conf
  /usr/sbin/lpadmin -p "$queue" -v cups-pdf:/pantalla -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E
fi
program_home="$out/home"
mkdir -p "$program_home/.cups"
echo "Default $queue" >"$program_home/.cups/lpoptions"
if [ ${#runner[@]} -gt 0 ]; then
  wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device /t REG_SZ \
    /d "$queue,WINEPS.DRV,LPT1:" /f >/dev/null 2>&1
fi
# Moves the next $1 sheets to reach the queue's folder after the list $2 to
# $papel, named $3-1.pdf, $3-2.pdf… in the order they were printed (or $3.pdf
# for one); waits up to 90 s.
collect() {
  local count=$1 before=$2 name=$3 found=()
  for _ in $(seq 180); do
    mapfile -t found < <(ls -tr "$pdf_dir"/*.pdf 2>/dev/null | grep -vxF -f <(echo "$before") || true)
    [ ${#found[@]} -ge "$count" ] && [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && break
    sleep 0.5
  done
  [ ${#found[@]} -eq "$count" ] || { fail "$name: ${#found[@]} sheets printed, $count expected"; return 0; }
  sleep 1  # cups-pdf finishes writing after the job leaves the queue
  if [ "$count" -eq 1 ]; then
    mv "${found[0]}" "$papel/$name.pdf"
  else
    for i in $(seq "$count"); do mv "${found[$((i - 1))]}" "$papel/$name-$i.pdf"; done
  fi
}
sheets() { ls "$pdf_dir"/*.pdf 2>/dev/null || true; }

# A new copy of the program folder, its lotto files only $2 (none when
# empty); starts the program there and answers the start-up window's id.
start() {
  local folder="$out/programa-$1"
  rm -rf "$folder"
  cp -r "$source" "$folder"
  for f in "$folder"/A???????.TXT "$folder"/*.LOT; do
    [ "$(basename "$f")" = "${2:-}" ] || rm -f "$f"
  done
  (cd "$folder" && HOME="$program_home" exec "${runner[@]}" "./$program" >"$folder.log" 2>&1) &
  echo $! >"$out/running.pid"
  window "TIQUERON  Imprime Boletos"
}
stop() {
  [ -f "$out/running.pid" ] && kill "$(cat "$out/running.pid")" 2>/dev/null || true
  rm -f "$out/running.pid"
  # Wine's own processes of this prefix (the program's, and its server).
  [ ${#runner[@]} -gt 0 ] && wineserver -k 2>/dev/null || true
  sleep 1
}

caption=" TIQUERON  Imprime Boletos de 1X2, LOTTOS ..."

# The football pools: the start-up window, the introduction and the file
# question answered with Enter, then "&Imprime Boletos" (a run of five).
main=$(start quiniela "") || { fail "Tiqueron.exe shows no start-up window"; exit 1; }
sleep 2
shot inicio
name=$(xdotool getwindowname "$main")
[ "$name" = "$caption" ] || fail "start-up caption is \"$name\""
echo "start-up window: \"$name\""
before=$(visible_windows)
key "$main" space
box=$(new_window "$before") || fail "no introduction box"
before=$(visible_windows)
key "$box" Return
box=$(new_window "$before") || fail "no file question"
key "$box" Return
qp=$(window "IMPRIME BOLETOS: QUINIELAS") || fail "the football-pools window did not open"
sleep 2
shot quiniela
echo "football-pools window: \"$(xdotool getwindowname "$qp")\""
before=$(sheets)
key "$qp" alt+i
collect 5 "$before" quiniela
stop

# Each lotto game: a program folder with that file alone, the lotto window,
# a click on the file, "Yes" (print) and "&Repetir Bo " (the current ticket).
for file in AB000017.TXT AP000017.TXT AG000014.TXT AE000012.TXT AB000020.LOT; do
  main=$(start "loto-$file" "$file") || { fail "$file: no start-up window"; continue; }
  sleep 2
  key "$main" Tab
  key "$main" space
  lo=$(window "BOLETOS DE LOTTOS") || { fail "$file: the lotto window did not open"; stop; continue; }
  sleep 2
  [ "$file" = AB000017.TXT ] && shot loto
  # The file list's first row: 200 twips (13 pixels) below the menu bar.
  eval "$(xdotool getwindowgeometry --shell "$lo")"
  before=$(visible_windows)
  xdotool mousemove --window "$lo" 60 "${TIQUERON_LIST_ROW_Y:-42}" click 1
  sleep 1
  box=$(new_window "$before") || { fail "$file: no question after the click"; shot "loto-$file"; stop; continue; }
  key "$box" Return
  lo=$(window "IMPRIME BOLETOS DE LOTO") || { fail "$file: no ticket shown"; stop; continue; }
  sleep 1
  [ "$file" = AB000017.TXT ] && shot loto-boleto
  before=$(sheets)
  key "$lo" alt+r
  collect 1 "$before" "loto-$file"
  stop
done

# The sheets on paper, with the host's end-to-end checks.
host="$root/build-tests"
[ -f "$host/CMakeCache.txt" ] || cmake -S "$root" -B "$host" >/dev/null
cmake --build "$host" --target test_e2e -j2 >/dev/null
TIQUERON_PAPEL="$papel" QT_QPA_PLATFORM=offscreen "$host/tests/e2e/test_e2e" --gtest_filter='PapelImpreso.*' ||
  failures=$((failures + 1))
[ "$failures" -eq 0 ]
