#!/bin/sh
# The Windows program under Wine on an X display (run-on-xvfb provides it): its main window
# appears with the caption "Orvanta" and the client size 673 x 475, a screenshot shows the
# toolbar, the tabs and the status bar, the uptime label fills within two seconds, the size
# grip sizes the window, and a click on the close box ends the program with status 0. Wine draws the frames itself here (no
# window manager), so the X window is the whole window, frame included. Exit 77 (skipped)
# where xdotool or ImageMagick is missing or Wine cannot run the program.
# Usage: wine_window_smoke.sh WINE-RUN ARCH PREFIX-ROOT PROGRAM OUTPUT-DIR
set -u
wineRun=$1
arch=$2
prefixRoot=$3
program=$4
out=$5
for tool in xdotool import convert; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skip: $tool is not installed"; exit 77; }
done
"$wineRun" --check="$arch" || { echo "skip: Wine cannot run $arch programs here"; exit 77; }
[ -n "${DISPLAY:-}" ] || { echo "no X display: run this under run-on-xvfb"; exit 1; }

clientWidth=673
clientHeight=475
log=$out/wine_window_smoke.log
shot=$out/wine_window_smoke.png

# Frames drawn by Wine rather than left to a window manager (there is none).
"$wineRun" --arch="$arch" --prefix-root="$prefixRoot" reg add 'HKCU\Software\Wine\X11 Driver' \
  /v Decorated /d N /f >/dev/null 2>&1 || { echo "could not configure the Wine prefix"; exit 1; }

"$wineRun" --prefix-root="$prefixRoot" "$program" >"$log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null' EXIT
wid=""
for _ in $(seq 600); do
  wid=$(xdotool search --name '^Orvanta$' 2>/dev/null | head -n 1)
  [ -n "$wid" ] && break
  kill -0 $app 2>/dev/null || break
  sleep 0.1
done
[ -n "$wid" ] || { echo "the main window did not appear"; cat "$log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$wid")"
echo "main window: outer ${WIDTH}x${HEIGHT} at $X,$Y"
# The sizeable frame is as wide on the left, the right and the bottom; the caption is on top.
frame=$(((WIDTH - clientWidth) / 2))
left=$frame
top=$((HEIGHT - clientHeight - frame))
[ "$frame" -gt 0 ] && [ "$top" -gt "$frame" ] || {
  echo "the window is not a $clientWidth x $clientHeight client area in a frame"; exit 1; }
echo "client area at ($left,$top) in the window: frame $frame, caption $((top - frame))"

sleep 2
import -window "$wid" "$shot" || { echo "no screenshot"; exit 1; }

# Probes of rectangles of the client area (X Y WIDTH HEIGHT): the number of colours (1 is a
# plain surface; text and pictures bring more), and the number of pixels for which an fx
# expression holds.
colours() {
  convert "$shot" -crop "$3x$4+$((left + $1))+$((top + $2))" +repage -format %k info:
}
counted() {
  convert "$shot" -crop "$3x$4+$((left + $1))+$((top + $2))" +repage -fx "$5" \
    -format '%[fx:round(mean*w*h)]' info:
}
status=0
check() {
  if [ "$2" -ge "$3" ]; then
    echo "$1: $2"
  else
    echo "FAIL $1: $2, expected at least $3"
    status=1
  fi
}
# The toolbar's gradient and glyphs, the selected tab's blue caption, dark text in the status
# bar's run-count pane, and the uptime text in the log page's header.
check "toolbar colours" "$(colours 0 0 673 60)" 64
check "blue pixels of the selected tab" "$(counted 0 60 60 22 'b > r + 0.4 ? 1 : 0')" 20
check "dark pixels of the run-count pane" "$(counted 150 456 100 19 'luma < 0.3 ? 1 : 0')" 20
check "ink of the uptime label after two seconds" \
  "$(counted 417 100 233 14 'luma < 0.7 ? 1 : 0')" 20

# The size grip: a drag from the status bar's bottom-right corner sizes the window through the
# system's size loop, and the program lays out and paints the new size while the button is
# still down.
xdotool mousemove --window "$wid" $((left + clientWidth - 5)) $((top + clientHeight - 5)) \
  mousedown 1
sleep 0.3
xdotool mousemove --window "$wid" $((left + clientWidth + 95)) $((top + clientHeight + 65))
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
shot=$out/wine_window_smoke_sizing.png
import -window "$wid" "$shot" || { echo "no screenshot while sizing"; exit 1; }
xdotool mouseup 1
check "width gained by the size grip" $((WIDTH - clientWidth - 2 * frame)) 100
paneTop=$((clientHeight + 70 - 19))
check "dark pixels of the run-count pane at the new bottom while sizing" \
  "$(counted 150 $paneTop 100 19 'luma < 0.3 ? 1 : 0')" 20
check "light pixels of the run-count pane at the new bottom while sizing" \
  "$(counted 150 $paneTop 100 19 'luma > 0.7 ? 1 : 0')" 1000
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"

# The close box: the rightmost caption button.
xdotool mousemove --window "$wid" $((WIDTH - frame - 10)) $((frame + (top - frame) / 2)) click 1
exitStatus=""
for _ in $(seq 150); do
  if ! kill -0 $app 2>/dev/null; then
    wait $app
    exitStatus=$?
    break
  fi
  sleep 0.1
done
trap - EXIT
if [ -z "$exitStatus" ]; then
  echo "the program did not end after the close box was clicked"
  kill $app 2>/dev/null
  cat "$log"
  exit 1
fi
echo "exit status $exitStatus"
[ "$exitStatus" -eq 0 ] || { cat "$log"; exit 1; }
exit $status
