#!/bin/sh
# The real program on a fixture log under Xvfb: the title names the file, the rows show with their
# state images, Alt+R reads the file again, the log's newest time holds still beside the uptime
# label, a click on the chart tab shows the bars and leaves the arrow keys with the tabs; without
# a FILE the title is the program's name and the uptime label ticks; the close box ends the
# program with status 0. Pixels are read back from screenshots of the
# window (client pixels: there is no window manager, so the X window is the client area).
# Exit 77 skips the test where Xvfb, xdotool or ImageMagick is missing.
# Usage: main_window_e2e.sh ORVANTA FIXTURE-WRITER CLOSE-PROGRAM OUTPUT-DIR
set -u
program=$1
writer=$2
closer=$3
out=$4/e2e
mkdir -p "$out"
. "$(dirname "$0")/../support/x11_session.sh"
begin_session Xvfb xdotool import convert

start_xvfb

log="$tmp/fixture.evt"
"$writer" "$log" || fail "cannot write the fixture log"
cp "$log" "$tmp/fixture.saved"
# The fixture's times are UTC; read them with a local offset of 0.
TZ=UTC0 "$program" "$log" >"$tmp/app.log" 2>&1 &
app=$!
wait_for_window '^fixture.evt - Orvanta$' 100
[ -n "$wid" ] || fail "the window did not appear"
sleep 0.7

n=0
shot() {
  n=$((n + 1))
  shot_file="$out/main_window_$n.png"
  import -window "$wid" "$shot_file" 2>/dev/null || fail "no screenshot"
}
pixel() {  # pixel X Y -> "R G B"
  convert "$shot_file" -format "%[pixel:p{$1,$2}]" info: | sed 's/[^0-9,]//g; s/,/ /g'
}
darkest() {  # darkest W H X Y -> 0 (black) to 1 (white), grey levels of a crop
  convert "$shot_file" -crop "$1x$2+$3+$4" +repage -colorspace gray -format '%[fx:minima]' info:
}
is_green() { set -- $(pixel "$1" "$2"); [ "$2" -gt $(($1 + 60)) ] && [ "$2" -gt $(($3 + 60)) ]; }
is_orange() { set -- $(pixel "$1" "$2"); [ "$1" -gt $(($2 + 40)) ] && [ "$2" -gt $(($3 + 40)) ]; }
is_white() { [ "$(pixel "$1" "$2")" = "255 255 255" ]; }

# The log page: four rows, state images green, green, orange, orange; text in row 0.
image_x=10
rows="151 168 185 202"
shot
set -- $rows
is_green $image_x $1 || fail "row 0 image is $(pixel $image_x $1)"
is_green $image_x $2 || fail "row 1 image is $(pixel $image_x $2)"
is_orange $image_x $3 || fail "row 2 image is $(pixel $image_x $3)"
is_orange $image_x $4 || fail "row 3 image is $(pixel $image_x $4)"
[ "$(darkest 100 12 24 145)" = 0 ] || fail "no text in row 0"
is_white $image_x 219 || fail "a fifth row"

# Alt+R reads the file again: emptied, the rows go; restored, they come back.
: >"$log"
xdotool key --window "$wid" alt+r
sleep 0.7
shot
is_white $image_x 151 || fail "rows left after refreshing an empty file"
grep -q "orvanta: $log: " "$tmp/app.log" || fail "no message about the empty file"
cp "$tmp/fixture.saved" "$log"
xdotool key --window "$wid" alt+r
sleep 0.7
shot
is_green $image_x 151 || fail "rows did not come back after Alt+R"

# The label beside the uptime's (form pixels 417..650, 100..114) shows how far the saved log
# reaches, and the timer leaves it alone.
uptime() { convert "$shot_file" -crop 233x14+417+100 +repage -format '%#' info:; }
[ "$(darkest 233 14 417 100)" != 1 ] || fail "no newest record time beside the label"
first=$(uptime)
sleep 1.5
shot
[ "$(uptime)" = "$first" ] || fail "the timer changed the saved log's time"

# With the run list focused by a click on a row, a click on the chart tab shows the bars; the
# middle one is the palette's green.
xdotool mousemove --window "$wid" 300 168 click 1
sleep 0.3
xdotool mousemove --window "$wid" 64 72 click 1
sleep 0.7
shot
[ "$(pixel 355 300)" = "0 128 0" ] || fail "no green bar on the chart page: $(pixel 355 300)"
is_white 200 300 || fail "the chart is not white between the bars"

# The click on the tab left the keyboard with the tabs: the arrow key goes on to the timeline,
# the last tab, and from there wraps back to the log page.
xdotool key --window "$wid" Right
sleep 0.3
xdotool key --window "$wid" Right
sleep 0.7
shot
is_green $image_x 151 || fail "the arrow key after a click on the tab did not switch the page"

# Without a FILE the window shows this machine's history: its title is the program's name and
# the uptime label changes within two seconds.
"$closer" "$wid"
wait "$app"
TZ=UTC0 "$program" --source wtmp >"$tmp/app.log" 2>&1 &
app=$!
wait_for_window '^Orvanta$' 100
[ -n "$wid" ] || fail "the window of this machine's history did not appear"
sleep 0.7
shot
first=$(uptime)
changed=no
for _ in 1 2 3 4; do
  sleep 0.5
  shot
  [ "$(uptime)" != "$first" ] && { changed=yes; break; }
done
[ $changed = yes ] || fail "the uptime label did not change"

close_and_wait "$closer"
