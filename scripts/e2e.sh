#!/usr/bin/env bash
# End-to-end check of the real program: starts it under its own Xvfb display (no window manager),
# types a tree and a graceful labeling with xdotool, runs the check and the search, and tests a
# few pixels of the screenshots taken with imagemagick.
#   scripts/e2e.sh [program] [output folder]    (defaults: build/graceful-trees, build/e2e)
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or imagemagick).
set -uo pipefail

program=${1:-build/graceful-trees}
out=${2:-build/e2e}
title="Skúšanie gracióznych ohodnotení stromov"

for tool in Xvfb xdotool xwininfo import convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
[ -x "$program" ] || { echo "FAIL: no program at $program"; exit 1; }
mkdir -p "$out"
rm -f "$out"/*.png

xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The first of :50..:59 that Xvfb can take; a display in use makes it exit at once.
for d in 50 51 52 53 54 55 56 57 58 59; do
  [ -e "/tmp/.X$d-lock" ] && continue
  Xvfb ":$d" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$out/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
    if DISPLAY=":$d" xdpyinfo >/dev/null 2>&1; then break; fi
    sleep 0.1
  done
  if kill -0 "$xvfb_pid" 2>/dev/null && DISPLAY=":$d" xdpyinfo >/dev/null 2>&1; then
    export DISPLAY=":$d"
    break
  fi
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
done
[ -n "$xvfb_pid" ] || { echo "FAIL: no free display among :50..:59"; exit 1; }
echo "display $DISPLAY"

# Settings of its own, so that a zoom chosen on this machine does not move what is checked here.
export XDG_CONFIG_HOME="$out/config"
rm -rf "$XDG_CONFIG_HOME"
QT_QPA_PLATFORM=xcb "$program" >"$out/program.log" 2>&1 &
app_pid=$!

# The window appears within a few seconds, longer under the sanitizers.
win=""
for _ in $(seq 300); do
  win=$(xdotool search --onlyvisible --name "gracióznych" 2>/dev/null | head -n 1)
  [ -n "$win" ] && break
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$win" ]; then
  cat "$out/program.log"
  echo "FAIL: the window did not appear"
  exit 1
fi
sleep 0.5

name=$(xdotool getwindowname "$win")
if [ "$name" = "$title" ]; then echo "ok: window title '$name'"; else fail "window title is '$name'"; fi
size=$(xwininfo -id "$win" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
if [ "$size" = "857x516" ]; then echo "ok: window size $size"; else fail "window size is $size"; fi

# Window coordinates: xdotool moves relative to the window, wherever it was placed.
click() {
  xdotool mousemove --window "$win" "$1" "$2" click 1
  sleep 0.2
}
key() {
  xdotool key --clearmodifiers "$@"
  sleep 0.1
}
type_text() {
  xdotool type --delay 20 "$1"
  sleep 0.1
}

# The colour of one pixel of a screenshot, as #RRGGBB.
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr a-f A-F
}
expect_pixel() {
  local shot=$1 x=$2 y=$3 want=$4 what=$5
  local got
  got=$(pixel "$shot" "$x" "$y")
  if [ "$got" = "$want" ]; then
    echo "ok: $what at ($x,$y) is $want"
  else
    fail "$what at ($x,$y) is $got, expected $want"
  fi
}
# Takes screenshots into $1 until pixel ($2,$3) has colour $4: the program may still be busy with
# the events sent so far, especially when the machine is loaded or the sanitizers slow it down.
shoot_when() {
  local shot=$1 x=$2 y=$3 want=$4
  for _ in $(seq 80); do
    import -window "$win" "$shot" 2>/dev/null && [ "$(pixel "$shot" "$x" "$y")" = "$want" ] && return 0
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.25
  done
  return 1
}

# The path 1-2-3-4 with the graceful labeling 1, 4, 2, 3: edge values 3, 2, 1.
n=4
edges=("1 2" "2 3" "3 4")
labels=(1 4 2 3)

click 40 200
for line in "${edges[@]}"; do
  type_text "$line"
  key Return
done
key BackSpace
click 45 468 # Potvrdiť

# Box k of n is centred on vertex k: (250 + round(200 cos t), 250 - round(200 sin t)) inside g.
vertex_x=()
vertex_y=()
for k in $(seq "$n"); do
  read -r x y < <(awk -v k="$k" -v n="$n" 'BEGIN {
    t = 2 * atan2(0, -1) * (k - 1) / n
    printf "%d %d\n", 250 + int(sprintf("%.0f", 200 * cos(t))), 250 - int(sprintf("%.0f", 200 * sin(t)))
  }')
  vertex_x[k]=$x
  vertex_y[k]=$y
done
# The drawing and the boxes come together; wait for the disc of vertex 1 beside its box.
shoot_when "$out/confirmed.png" $((88 + vertex_x[1] + 12)) $((8 + vertex_y[1])) "#000000" ||
  fail "the tree was not drawn after Potvrdiť"
for k in $(seq "$n"); do
  click $((88 + vertex_x[k])) $((8 + vertex_y[k]))
  type_text "${labels[k - 1]}"
done
key Return
cell() { echo $(((220 * ($1 - 1) + 110) / n)); }
shoot_when "$out/checked.png" $((598 + 25 + $(cell 1))) $((217 + 5 + $(cell 4))) "#000000" ||
  fail "the check table did not appear"

expect_pixel "$out/checked.png" 98 18 "#00FFFF" "aqua inside the frame of g"
expect_pixel "$out/checked.png" $((88 + vertex_x[1] + 12)) $((8 + vertex_y[1])) "#000000" "disc of vertex 1"
# Edge 1-2 (labels 1 and 4, value 3, unique): its square is centred at the midpoint of the exact
# vertex points (350, 150); a pixel in its lower-left corner is clear of the value text.
expect_pixel "$out/checked.png" $((88 + 350 - 7)) $((8 + 150 + 6)) "#008000" "green square of edge 1-2"
# The table: a dot at column 1, row 4 (labels of edge 1-2), none at column 1, row 2.
expect_pixel "$out/checked.png" $((598 + 25 + $(cell 1))) $((217 + 5 + $(cell 4))) "#000000" "table dot (1,4)"
expect_pixel "$out/checked.png" $((598 + 25 + $(cell 4))) $((217 + 5 + $(cell 1))) "#000000" "table dot (4,1)"
expect_pixel "$out/checked.png" $((598 + 25 + $(cell 1))) $((217 + 5 + $(cell 2))) "#A6CAF0" "empty table cell (1,2)"

click 724 20 # Hľadať a navrhnúť riešenie
# The search's report (dark text at 600,44 on the window's grey, empty after a check) shows when
# it is done.
reported=""
for _ in $(seq 80); do
  import -window "$win" "$out/searched.png" 2>/dev/null &&
    reported=$(convert "$out/searched.png" -crop 240x14+600+44 -format '%[fx:minima.intensity < 0.4]' info:)
  [ "$reported" = "1" ] && break
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.25
done
[ "$reported" = "1" ] || fail "no search report appeared"
expect_pixel "$out/searched.png" $((88 + 350 - 7)) $((8 + 150 + 6)) "#008000" "green square after the search"

kill -0 "$app_pid" 2>/dev/null || fail "the program ended early"
if grep -q -E "Sanitizer|runtime error" "$out/program.log"; then
  cat "$out/program.log"
  fail "the sanitizers reported an error"
fi

if [ "$failures" -eq 0 ]; then
  echo "PASS: end-to-end check ($out/checked.png, $out/searched.png)"
  exit 0
fi
echo "FAILED: $failures check(s); screenshots in $out"
exit 1
