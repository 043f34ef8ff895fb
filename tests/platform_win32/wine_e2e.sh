#!/bin/sh
# The Windows program under Wine on a fixture log given on its command line: the rows show with
# their state images, the four statistics panes their figures, the Refresh button reads the
# file again, and the chart page shows the bars. Exit 77 (skipped) where xdotool or
# ImageMagick is missing or Wine cannot run the program.
# Usage: wine_e2e.sh WINE-RUN ARCH PREFIX-ROOT PROGRAM FIXTURE-WRITER OUTPUT-DIR
set -u
wineRun=$1
arch=$2
prefixRoot=$3
program=$4
writer=$5
out=$6/wine_e2e
mkdir -p "$out"
clientWidth=673
clientHeight=475
log=$out/program.log
. "$(dirname "$0")/wine_window.sh"
wine_window_setup

fixture=$out/fixture.evt
"$wineRun" --test --prefix-root="$prefixRoot" "$writer" "$fixture" ||
  { echo "cannot write the fixture log"; exit 1; }
cp "$fixture" "$out/fixture.saved"
# The fixture's times are UTC; Wine takes the zone from TZ.
TZ=UTC start_program "$program" "$fixture"
sleep 1.5
# The title names the file shown.
title=$(xdotool getwindowname "$wid")
[ "$title" = "fixture.evt - Orvanta" ] || { echo "FAIL: the title is '$title'"; status=1; }

n=0
screenshot() {
  n=$((n + 1))
  shot=$out/screen_$n.png
  import -window "$wid" "$shot" || { echo "no screenshot"; exit 1; }
}
# colour_at NAME X Y TEST: TEST is green, orange or white.
colour_at() {
  set -- "$1" "$2" "$3" "$4" $(pixel "$2" "$3")
  case $4 in
    green) [ "$6" -gt $(($5 + 60)) ] && [ "$6" -gt $(($7 + 60)) ] ;;
    orange) [ "$5" -gt $(($6 + 40)) ] && [ "$6" -gt $(($7 + 40)) ] ;;
    white) [ "$5 $6 $7" = "255 255 255" ] ;;
  esac && { echo "$1: $5 $6 $7"; return 0; }
  echo "FAIL $1: $5 $6 $7 is not $4"
  status=1
}

# The log page: four rows, state images green, green, orange, orange; text in each row and no
# fifth row.
screenshot
colour_at "row 0 state image" 10 151 green
colour_at "row 1 state image" 10 168 green
colour_at "row 2 state image" 10 185 orange
colour_at "row 3 state image" 10 202 orange
colour_at "below the last row" 10 219 white
for row in 0 1 2 3; do
  check "ink of row $row" "$(counted 24 $((145 + 17 * row)) 300 12 'luma < 0.3 ? 1 : 0')" 20
done
# The statistics panes: run count, day span, total and average.
check "ink of the run-count pane" "$(counted 150 456 100 19 'luma < 0.3 ? 1 : 0')" 20
check "ink of the day-span pane" "$(counted 250 456 100 19 'luma < 0.3 ? 1 : 0')" 20
check "ink of the total pane" "$(counted 350 456 100 19 'luma < 0.3 ? 1 : 0')" 20
check "ink of the average pane" "$(counted 450 456 200 19 'luma < 0.3 ? 1 : 0')" 20

# The Refresh button reads the file again: emptied, the rows go; restored, they come back.
: >"$fixture"
xdotool mousemove --window "$wid" $((left + 40)) $((top + 30)) click 1
sleep 1
screenshot
colour_at "row 0 after refreshing an empty file" 10 151 white
cp "$out/fixture.saved" "$fixture"
xdotool mousemove --window "$wid" $((left + 40)) $((top + 30)) click 1
sleep 1
screenshot
colour_at "row 0 after refreshing the restored file" 10 151 green

# The chart page: the middle bar is the palette's green, white between the bars.
xdotool mousemove --window "$wid" $((left + 64)) $((top + 72)) click 1
sleep 1
screenshot
[ "$(pixel 355 300)" = "0 128 0" ] && echo "middle bar: 0 128 0" ||
  { echo "FAIL middle bar: $(pixel 355 300) is not the palette's green"; status=1; }
colour_at "between the bars" 200 300 white

close_and_exit
