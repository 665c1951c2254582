#!/bin/bash
# Grabs the screen as fast as the X server allows while the viewer is dragged
# and while a width command resizes it: no grab may show a strip that names
# another place than where it stands, or whose magenta area is not exactly
# the rectangle it names.
# e2e: alone (its grabs race the viewer; another test beside it only slows both)
source "$(dirname "$0")/lib.sh"
start_default_viewer
viewer=$WID

WATCH=$(dirname "$STRIPREAD")/../../tests/e2e/x11/strip_watch
[[ -x "$WATCH" ]] || fail "strip_watch not built at $WATCH"
stop=$E2E_TMP/watch.stop
"$WATCH" 0 0 1920 1160 0 0 "$stop" >"$E2E_TMP/watch.out" 2>&1 &
watcher=$!

# Moves in small steps, as a hand on a mouse gives them.
xdotool mousemove 960 580 mousedown 1
for i in $(seq 1 40); do xdotool mousemove $((960 + 5 * i)) $((580 + 2 * i)); done
for i in $(seq 39 -1 0); do xdotool mousemove $((960 + 5 * i)) $((580 + 2 * i)); done
xdotool mouseup 1
expect_viewer_rect 797 457 "$VIEWER_W" "$VIEWER_H"

# Resizes from the right edge (lower half: the top-left corner stays).
xdotool mousemove 1117 657 mousedown 1
for i in $(seq 1 40); do xdotool mousemove $((1117 + 4 * i)) 657; done
xdotool mouseup 1
wait_strip_match 10 lead=A x0=800 y0=460 x1=1279 y1=819 checksum=ok region=exact

# 1440 wide from the menu, opened at the window's bottom-right pixel so that
# the menu lies beside the region, not on it.
open_popup "$viewer" $((797 + 486 - 1)) $((457 + 366 - 1))
wait_menu_painted
keys Down Right Right Down Down Down Down Down Down Down Down Return
wait_strip_match 10 lead=A x0=477 y0=77 x1=1916 y1=1156 checksum=ok region=exact

touch "$stop"
wait "$watcher"
read -r summary <"$E2E_TMP/watch.out"
log "watch: $summary"
grabs=$(field "$summary" grabs) strips=$(field "$summary" strips) stale=$(field "$summary" stale)
((grabs >= 20)) || fail "only $grabs grabs: the watch saw too little to tell ($summary)"
((strips >= 10)) || fail "only $strips strips in $grabs grabs ($summary)"
if ((stale != 0)); then
    cat "$E2E_TMP/watch.out" >&2
    fail "$stale grabs show a strip that disagrees with where it stands"
fi
log "ok: $grabs grabs, $strips strips, none stale"
