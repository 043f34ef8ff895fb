#!/bin/sh
# Opens the smoke window under Xvfb, finds it by its title, sends a key and a click, reads a
# pixel back from a screenshot and closes it through WM_DELETE_WINDOW. Exit 77 skips the test
# where Xvfb or xdotool is missing.
# Usage: x11_smoke.sh SMOKE-PROGRAM CLOSE-PROGRAM OUTPUT-DIR
set -u
smoke=$1
closer=$2
out=$3
. "$(dirname "$0")/../../support/x11_session.sh"
begin_session Xvfb xdotool
start_xvfb

"$smoke" >"$tmp/app.log" 2>&1 &
app=$!
wait_for_window "Orvanta smoke" 50
[ -n "$wid" ] || {
  echo "the window did not appear"
  cat "$tmp/app.log" "$tmp/xvfb.log"
  exit 1
}
sleep 0.5
xdotool key --window "$wid" Down
sleep 0.3
xdotool mousemove --window "$wid" 100 120 click 1
sleep 0.3
if command -v import >/dev/null 2>&1; then
  import -window "$wid" "$out/x11_smoke.png" 2>/dev/null &&
    pixel=$(convert "$out/x11_smoke.png" -format '%[pixel:p{2,2}]' info: 2>/dev/null)
  echo "form background pixel: ${pixel:-none}"
  case "${pixel:-}" in
    *212,208,200*|"") ;;
    *) echo "unexpected form background $pixel"; exit 1 ;;
  esac
fi
close_and_wait "$closer"
