#!/usr/bin/env bash
# Starts MirloViewer.exe under Wine. On a machine without a display it starts
# a virtual one, prints what the device reads from the screen, saves a
# screenshot and then quits the viewer through its menu.
#   scripts/run-viewer.sh EXE STRIPREAD        (RUN_SCREEN=1920x1200 to choose the size)
set -euo pipefail

exe=$(realpath "$1")
stripread=$(realpath "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='

boot_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX ..."
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  boot_prefix
  echo "Starting $exe on $DISPLAY (quit it from its right-click menu)."
  cd "$(dirname "$exe")" && exec wine "$exe"
fi

screen=${RUN_SCREEN:-1920x1200}
work=$(mktemp -d)
# Xvfb picks a free display number itself and reports it.
Xvfb -screen 0 "${screen}x24" -nolisten tcp -displayfd 3 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
viewer=
cleanup() {
  [ -n "$viewer" ] && kill "$viewer" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local tries=$(($1 * 10)); shift
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}
display_reported() { [ -s "$work/display" ] || ! kill -0 "$xvfb" 2>/dev/null; }
wait_for 20 display_reported
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start." >&2; exit 1; }
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY
x_answers() { xdpyinfo >/dev/null 2>&1; }
wait_for 20 x_answers || { echo "Xvfb on $DISPLAY does not answer." >&2; exit 1; }
boot_prefix

echo "No display: starting the viewer on a virtual $screen display ($DISPLAY)."
(cd "$(dirname "$exe")" && exec wine "$exe") &
viewer=$!

shot=$root/build/run-screenshot.xwd
strip_shown() {
  kill -0 "$viewer" 2>/dev/null || return 0
  xwd -root -silent >"$shot" 2>/dev/null && "$stripread" "$shot" >/dev/null 2>&1
}
if ! wait_for 30 strip_shown || ! "$stripread" "$shot" >/dev/null 2>&1; then
  echo "The device reads no strip from the screen." >&2
  exit 1
fi

echo "What the device reads from the screen:"
"$stripread" "$shot"
if command -v convert >/dev/null && convert "$shot" "${shot%.xwd}.png" 2>/dev/null; then
  echo "Screenshot: ${shot%.xwd}.png"
fi

# Quit through the menu, as a user would: right click, last item, Enter,
# once the menu is on screen and painted (black until then).
windows() { xdotool search --onlyvisible --class '^mirloviewer.exe$' 2>/dev/null | sort; }
before=$(windows)
geometry=$(xdotool search --onlyvisible --class '^mirloviewer.exe$' getwindowgeometry --shell | tail -n 5)
eval "$geometry"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
menu=
menu_painted() {
  menu=$(comm -13 <(echo "$before") <(windows) | head -n1)
  [ -n "$menu" ] || return 1
  xwd -id "$menu" -silent >"$work/menu.xwd" 2>/dev/null || return 1
  local c
  c=$("$stripread" --colour-box 4 6 20 8 "$work/menu.xwd" | head -n1 | cut -d' ' -f1)
  [ -n "$c" ] && [ "$c" != '#000000' ]
}
wait_for 10 menu_painted || { echo "The right click opened no menu." >&2; exit 1; }
xdotool key Up key Return
viewer_ended() { ! kill -0 "$viewer" 2>/dev/null; }
wait_for 20 viewer_ended || { echo "The viewer did not quit from its menu." >&2; exit 1; }
if wait "$viewer"; then
  echo "The viewer quit with exit code 0."
  viewer=
else
  code=$?
  viewer=
  echo "The viewer ended with exit code $code." >&2
  exit 1
fi
