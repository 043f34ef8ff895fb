#!/bin/sh
# The Windows program under Wine on an X display (run-on-xvfb provides it): its main window
# appears with the caption "Orvanta" and the client size 673 x 475, a screenshot shows the
# toolbar, the tabs and the status bar, the uptime label fills within two seconds, and a click
# on the close box ends the program with status 0. Wine draws the frames itself here (no
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

# The number of colours in a rectangle of the client area: 1 is a plain surface, text and
# pictures bring more.
colours() {
  convert "$shot" -crop "$3x$4+$((left + $1))+$((top + $2))" +repage -format %k info:
}
status=0
probe() {
  name=$1
  minimum=$2
  shift 2
  n=$(colours "$@")
  if [ "$n" -ge "$minimum" ]; then
    echo "$name: $n colours"
  else
    echo "$name: only $n colours in ($1,$2) $3x$4, expected at least $minimum"
    status=1
  fi
}
probe "toolbar" 16 0 0 673 60
probe "tabs" 4 0 60 200 20
probe "status bar" 4 0 456 650 19
probe "uptime label" 4 416 100 233 14

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
