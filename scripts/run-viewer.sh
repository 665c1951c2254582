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
display=:$(( ($$ % 400) + 100 ))
Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
viewer=
cleanup() {
  [ -n "$viewer" ] && kill "$viewer" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
boot_prefix

echo "No display: starting the viewer on a virtual $screen display ($DISPLAY)."
(cd "$(dirname "$exe")" && exec wine "$exe") &
viewer=$!

shot=$root/build/run-screenshot.xwd
found=
for _ in $(seq 150); do
  if xwd -root -silent >"$shot" 2>/dev/null && "$stripread" "$shot" >/dev/null 2>&1; then
    found=1
    break
  fi
  kill -0 "$viewer" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$found" ]; then
  echo "The device reads no strip from the screen." >&2
  exit 1
fi

echo "What the device reads from the screen:"
"$stripread" "$shot"
if command -v convert >/dev/null && convert "$shot" "${shot%.xwd}.png" 2>/dev/null; then
  echo "Screenshot: ${shot%.xwd}.png"
fi

# Quit through the menu, as a user would: right click, last item, Enter.
geometry=$(xdotool search --onlyvisible --class mirloviewer.exe getwindowgeometry --shell | tail -n 5)
eval "$geometry"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
sleep 0.5
xdotool key Up key Return
for _ in $(seq 50); do kill -0 "$viewer" 2>/dev/null || break; sleep 0.1; done
if wait "$viewer"; then
  echo "The viewer quit with exit code 0."
  viewer=
else
  code=$?
  viewer=
  echo "The viewer ended with exit code $code." >&2
  exit 1
fi
