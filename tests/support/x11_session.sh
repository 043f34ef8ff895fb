# Shell functions shared by the tests that drive a program on a private Xvfb display.
# Source it, then call begin_session with the tools the test needs.

# begin_session TOOL...: skips the test (exit 77) where a tool is missing, makes the scratch
# folder tmp, and ends the program ($app) and the server however the test ends.
begin_session() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skip: $tool is not installed"; exit 77; }
  done
  tmp=$(mktemp -d)
  app=""
  xvfb=""
  trap 'kill $app $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
}

# fail MESSAGE: the test fails with the message and the program's log.
fail() {
  echo "FAIL: $*"
  [ -f "$tmp/app.log" ] && cat "$tmp/app.log"
  [ -s "$tmp/xvfb.log" ] && { echo "-- Xvfb:"; cat "$tmp/xvfb.log"; }
  exit 1
}

# Starts Xvfb on a free display, exports DISPLAY and waits until the server answers. No reset
# when the last client leaves: a server that resets re-creates its sockets, and a program that
# connects just then is refused.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
  xvfb=$!
  # Up to 30 s each: a loaded machine (the sanitizer builds run in parallel) starts slowly.
  for _ in $(seq 300); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  [ -s "$tmp/display" ] || { echo "Xvfb did not start"; cat "$tmp/xvfb.log"; exit 1; }
  DISPLAY=:$(cat "$tmp/display")
  export DISPLAY
  # The server must answer before a program connects.
  for _ in $(seq 300); do xdotool getdisplaygeometry >/dev/null 2>&1 && return; sleep 0.1; done
  echo "Xvfb on $DISPLAY did not answer"
  cat "$tmp/xvfb.log"
  exit 1
}

# wait_for_window TITLE-PATTERN TENTHS: sets wid to the window of process $app, or leaves it
# empty when it did not appear in time or the program ended.
wait_for_window() {
  wid=""
  for _ in $(seq "$2"); do
    wid=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
    [ -n "$wid" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
}

# close_and_wait CLOSER: asks window $wid to close as the close box does and waits up to five
# seconds for process $app; prints its log and exits with its status.
close_and_wait() {
  "$1" "$wid"
  status=1
  for _ in $(seq 50); do
    if ! kill -0 "$app" 2>/dev/null; then
      wait "$app"
      status=$?
      break
    fi
    sleep 0.1
  done
  app=""
  cat "$tmp/app.log"
  echo "exit status $status"
  exit $status
}
