#!/bin/sh
# The About window of the real program under Xvfb: Alt+A opens it centred over the main
# window, which takes no keys and no clicks while it is open; its links open through the shell
# (a stand-in xdg-open that records its target); the Close button and the close box both
# return to the main window, and each Alt+A opens a fresh window. Exit 77 skips the test where
# Xvfb, xdotool or ImageMagick is missing.
# Usage: about_window_e2e.sh ORVANTA FIXTURE-WRITER CLOSE-PROGRAM OUTPUT-DIR
set -u
program=$1
writer=$2
closer=$3
out=$4/e2e
mkdir -p "$out"
. "$(dirname "$0")/../support/x11_session.sh"
begin_session Xvfb xdotool import convert

start_xvfb
mkdir "$tmp/bin"
cat >"$tmp/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$tmp/opened"
SCRIPT
chmod +x "$tmp/bin/xdg-open"

"$writer" "$tmp/fixture.evt" || fail "cannot write the fixture log"
TZ=UTC0 PATH="$tmp/bin:$PATH" "$program" "$tmp/fixture.evt" >"$tmp/app.log" 2>&1 &
app=$!
wait_for_window '^fixture.evt - Orvanta$' 100
[ -n "$wid" ] || fail "the main window did not appear"
main=$wid
sleep 0.7
eval "$(xdotool getwindowgeometry --shell "$main")"
mainX=$X
mainY=$Y

# open_about: Alt+A on the main window; sets about to the About window. The keys go through the
# keyboard to the focused window: sent to a window, a press that moves the focus elsewhere would
# have its release sent as an event, and the server would go on repeating the held key.
open_about() {
  xdotool windowfocus --sync "$main" 2>/dev/null || true
  xdotool key alt+a
  about=""
  for _ in $(seq 50); do
    about=$(xdotool search --name '^关于$' 2>/dev/null | head -n 1)
    [ -n "$about" ] && break
    sleep 0.1
  done
  [ -n "$about" ] || fail "Alt+A opened no About window"
  sleep 0.5
}
# wait_closed WINDOW: the window goes within two seconds.
wait_closed() {
  for _ in $(seq 20); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the About window did not close"
}

open_about
first=$about
eval "$(xdotool getwindowgeometry --shell "$about")"
[ "$WIDTH" = 422 ] && [ "$HEIGHT" = 347 ] || fail "the About window is ${WIDTH}x$HEIGHT"
[ "$X" = $((mainX + 125)) ] && [ "$Y" = $((mainY + 64)) ] ||
  fail "the About window at $X,$Y is not centred over the main window at $mainX,$mainY"
import -window "$about" "$out/about_window.png" 2>/dev/null || fail "no screenshot"

# The main window takes no keys and no clicks: Alt+E does not end the program, Alt+A does not
# come back as a second About window once this one closes, a click on the chart tab does not
# switch the page.
xdotool key --window "$main" alt+e
xdotool key --window "$main" alt+a
xdotool mousemove --window "$main" 64 72 click 1
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "Alt+E on the main window ended the program"

# The links open their targets through the shell.
xdotool mousemove --window "$about" 130 246 click 1
xdotool mousemove --window "$about" 130 270 click 1
sleep 0.7
opened=$(cat "$tmp/opened" 2>/dev/null | tr '\n' ' ')
[ "$opened" = "https://orvanta.example/ mailto:author@orvanta.example " ] ||
  fail "the links opened: '$opened'"

# The Close button returns to the main window, still on the log page.
xdotool mousemove --window "$about" 332 324 click 1
wait_closed "$about"
sleep 0.5
[ -z "$(xdotool search --name '^关于$' 2>/dev/null)" ] ||
  fail "a key sent to the main window while the About window was open opened it again"
import -window "$main" "$out/about_closed.png" 2>/dev/null || fail "no screenshot"
set -- $(convert "$out/about_closed.png" -format '%[pixel:p{10,151}]' info: | sed 's/[^0-9,]//g; s/,/ /g')
[ "$2" -gt $(($1 + 60)) ] && [ "$2" -gt $(($3 + 60)) ] ||
  fail "the main window left the log page while the About window was open"
xdotool mousemove --window "$main" 64 72 click 1
# A loaded machine (the sanitizer builds run side by side) may take seconds to paint the page.
chart=""
for _ in $(seq 25); do
  sleep 0.2
  import -window "$main" "$out/about_chart.png" 2>/dev/null || fail "no screenshot"
  chart=$(convert "$out/about_chart.png" -format '%[pixel:p{355,300}]' info:)
  [ "$chart" = "srgb(0,128,0)" ] && break
done
[ "$chart" = "srgb(0,128,0)" ] || fail "the main window takes no clicks after the About window closed"

# A second Alt+A opens a fresh window; its close box returns as well.
open_about
[ "$about" != "$first" ] || fail "the second About window is the first one again"
"$closer" "$about"
wait_closed "$about"
kill -0 "$app" 2>/dev/null || fail "the close box of the About window ended the program"
echo "About window: centred, modal, links opened, closed by its button and its close box"
close_and_wait "$closer"
