#!/bin/sh
# The About window of the Windows program under Wine: Alt+A opens it centred over the main
# window, which takes no keys and no clicks while it is open; its links go to the shell (Wine
# hands them to a stand-in xdg-open and xdg-email that record them); the Close button and the
# close box both return to the main window, and each Alt+A opens a fresh window. Exit 77
# (skipped) where xdotool or ImageMagick is missing or Wine cannot run the program.
# Usage: wine_about_e2e.sh WINE-RUN ARCH PREFIX-ROOT PROGRAM FIXTURE-WRITER OUTPUT-DIR
set -u
wineRun=$1
arch=$2
prefixRoot=$3
program=$4
writer=$5
out=$6/wine_about_e2e
mkdir -p "$out"
clientWidth=673
clientHeight=475
log=$out/program.log
. "$(dirname "$0")/wine_window.sh"
wine_window_setup

bin=$out/bin
mkdir -p "$bin"
rm -f "$out/opened"
for tool in xdg-open xdg-email; do
  printf '#!/bin/sh\necho "$1" >>"%s"\n' "$out/opened" >"$bin/$tool"
  chmod +x "$bin/$tool"
done
# Wine's browser hands web and mail addresses to these two first.
for entry in "Browsers xdg-open" "Mailers xdg-email"; do
  set -- $entry
  "$wineRun" --arch="$arch" --prefix-root="$prefixRoot" reg add 'HKCU\Software\Wine\WineBrowser' \
    /v "$1" /d "$2" /f >/dev/null 2>&1 || { echo "could not configure the Wine prefix"; exit 1; }
done
fixture=$out/fixture.evt
"$wineRun" --test --prefix-root="$prefixRoot" "$writer" "$fixture" ||
  { echo "cannot write the fixture log"; exit 1; }
TZ=UTC PATH="$bin:$PATH" start_program "$program" "$fixture"
main=$wid
mainLeft=$left
mainTop=$top
sleep 1

# Keys go to the focused window, as a person's would.
press() {
  xdotool windowfocus "$1" 2>/dev/null
  sleep 0.2
  xdotool key "$2"
}
# open_about: Alt+A on the main window; sets about and its client offsets aboutLeft, aboutTop.
open_about() {
  press "$main" alt+a
  about=""
  for _ in $(seq 100); do
    about=$(xdotool search --name '^关于$' 2>/dev/null | head -n 1)
    [ -n "$about" ] && break
    sleep 0.1
  done
  [ -n "$about" ] || { echo "FAIL: Alt+A opened no About window"; cat "$log"; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$about")"
  aboutX=$X
  aboutY=$Y
  aboutFrame=$(((WIDTH - 422) / 2))
  aboutLeft=$aboutFrame
  aboutTop=$((HEIGHT - 347 - aboutFrame))
}
wait_closed() {
  for _ in $(seq 30); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  echo "FAIL: the About window did not close"
  status=1
}
click_about() {
  xdotool mousemove --window "$about" $((aboutLeft + $1)) $((aboutTop + $2)) click 1
}

open_about
first=$about
eval "$(xdotool getwindowgeometry --shell "$main")"
# The client areas' centres coincide (to the pixel of the halving).
dx=$(((aboutX + aboutLeft + 211) - (X + mainLeft + 336)))
dy=$(((aboutY + aboutTop + 173) - (Y + mainTop + 237)))
[ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] && echo "About window centred over the main window" ||
  { echo "FAIL: the About window is off the main window's centre by $dx,$dy"; status=1; }
shot=$out/about_window.png
import -window "$about" "$shot" || { echo "no screenshot"; exit 1; }

# The main window takes no keys and no clicks.
press "$main" alt+e
xdotool mousemove --window "$main" $((mainLeft + 64)) $((mainTop + 72)) click 1
sleep 0.7
kill -0 $app 2>/dev/null || { echo "FAIL: Alt+E on the main window ended the program"; exit 1; }

# The links open their targets through the shell.
click_about 130 246
sleep 1.5
click_about 130 270
sleep 1.5
opened=$(tr '\n' ' ' <"$out/opened" 2>/dev/null)
case $opened in
  *"https://orvanta.example/"*"mailto:author@orvanta.example"*) echo "links opened: $opened" ;;
  *) echo "FAIL: the links opened '$opened'"; status=1 ;;
esac

# The Close button returns to the main window, still on the log page; then it takes clicks.
click_about 332 324
wait_closed "$about"
left=$mainLeft
top=$mainTop
sleep 0.5
shot=$out/about_closed.png
import -window "$main" "$shot" || { echo "no screenshot"; exit 1; }
set -- $(pixel 10 151)
[ "$2" -gt $(($1 + 60)) ] && [ "$2" -gt $(($3 + 60)) ] && echo "still on the log page" ||
  { echo "FAIL: the main window left the log page while the About window was open"; status=1; }

# A second Alt+A opens a fresh window; its close box returns as well.
open_about
[ "$about" != "$first" ] || { echo "FAIL: the second About window is the first one"; status=1; }
eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove --window "$about" $((WIDTH - aboutFrame - 10)) $((aboutFrame + (aboutTop - aboutFrame) / 2)) click 1
wait_closed "$about"
sleep 0.5
kill -0 $app 2>/dev/null || { echo "FAIL: the About window's close box ended the program"; exit 1; }
close_and_exit
