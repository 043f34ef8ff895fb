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
clientWidth=673
clientHeight=475
log=$out/wine_window_smoke.log
shot=$out/wine_window_smoke.png
. "$(dirname "$0")/wine_window.sh"
wine_window_setup
start_program "$program"

sleep 2
import -window "$wid" "$shot" || { echo "no screenshot"; exit 1; }

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
close_and_exit
