#!/bin/bash
# Ending from the popup menu: the strip's lead turns to S for half a second,
# then the program ends with exit code 0.
source "$(dirname "$0")/lib.sh"
start_default_viewer
rect=(x0=800 y0=460 x1=1119 y1=699 "at=800,460")

log "right-click anywhere opens the menu, Escape only closes it"
# Frame corners, the strip, the middle of the region.
for point in "797 457" "1122 702" "805 462" "960 580"; do
    read -r px py <<<"$point"
    open_popup "$WID" "$px" "$py"
    wait_menu_painted
    keys Escape
    wait_unmapped "$MENU_WID"
done
exe_running || fail "program ended when the menu was dismissed"
# The menus covered the strip; it must be back as it was.
wait_strip 5
check_strip "$STRIP_LINE" lead=A "${rect[@]}" region=exact

log "終了 is the last item: Up wraps to it, Return chooses it"
# Low in the region so the menu stays clear of the strip.
open_popup "$WID" 960 650
wait_menu_painted
keys Up
wait_last_item_lit
xdotool key Return
t0=$(now_ms)
strips_until_exit 10
elapsed=$(( $(now_ms) - t0 ))
expect_exit 0 1
find_lead S
check_strip "$STRIP_LINE" "${rect[@]}" checksum=ok region=exact
# The S must stay up for 500 ms before the program goes.
((elapsed >= 450)) || fail "program ended ${elapsed} ms after 終了, before its 500 ms pause"
log "ok: ended ${elapsed} ms after 終了"
