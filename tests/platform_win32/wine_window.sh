# Shell functions shared by the tests that drive orvanta.exe under Wine on an X display
# (run-on-xvfb provides it). Wine draws the frames itself (there is no window manager), so the
# X window is the whole window, frame included; client pixels are offset by left and top.
# Source it after setting wineRun, arch, prefixRoot and log.

# Skips (exit 77) where a tool is missing or Wine cannot run the program; fails without a
# display. Configures the prefix for frames drawn by Wine.
wine_window_setup() {
  for tool in xdotool import convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skip: $tool is not installed"; exit 77; }
  done
  "$wineRun" --check="$arch" || { echo "skip: Wine cannot run $arch programs here"; exit 77; }
  [ -n "${DISPLAY:-}" ] || { echo "no X display: run this under run-on-xvfb"; exit 1; }
  "$wineRun" --arch="$arch" --prefix-root="$prefixRoot" reg add \
    'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 ||
    { echo "could not configure the Wine prefix"; exit 1; }
}

# start_program PROGRAM [ARGS...]: starts it in the background (app) and waits for its main
# window (wid); sets left, top and frame from the window's geometry and the client size
# clientWidth x clientHeight.
start_program() {
  "$wineRun" --prefix-root="$prefixRoot" "$@" >"$log" 2>&1 &
  app=$!
  trap 'kill $app 2>/dev/null' EXIT
  wid=""
  for _ in $(seq 600); do
    wid=$(xdotool search --name '(^| - )Orvanta$' 2>/dev/null | head -n 1)
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
}

# Probes of rectangles of the client area in the screenshot $shot (X Y WIDTH HEIGHT): the
# number of colours (1 is a plain surface; text and pictures bring more), the number of pixels
# for which an fx expression holds, and one pixel as "R G B".
colours() {
  convert "$shot" -crop "$3x$4+$((left + $1))+$((top + $2))" +repage -format %k info:
}
counted() {
  convert "$shot" -crop "$3x$4+$((left + $1))+$((top + $2))" +repage -fx "$5" \
    -format '%[fx:round(mean*w*h)]' info:
}
pixel() {
  convert "$shot" -format "%[pixel:p{$((left + $1)),$((top + $2))}]" info: |
    sed 's/[^0-9,]//g; s/,/ /g'
}

status=0
# check NAME VALUE MINIMUM: records a failure where the value is below the minimum.
check() {
  if [ "$2" -ge "$3" ]; then
    echo "$1: $2"
  else
    echo "FAIL $1: $2, expected at least $3"
    status=1
  fi
}

# Clicks the close box (the rightmost caption button), waits for the program to end and exits
# with the status of the checks, failing where the program did not end with status 0.
close_and_exit() {
  eval "$(xdotool getwindowgeometry --shell "$wid")"
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
}
