#!/bin/bash
# 位置を固定: while it is checked a drag and the moving and sizing keys leave
# the window where it is, while the menu, the double-click and the placement
# dialog still place it; 終了 stores it as Lock=1 and the next start is
# locked too, until the item is chosen again. On one monitor and on a desk
# whose usable monitor lies at a negative origin beside an unusable one.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/placement_checks.sh"

# expect_locked LEFT TOP W H: a drag from the middle, one from the right edge
# and the keys move nothing.
expect_locked() {
    local l=$1 t=$2 w=$3 h=$4
    drag $((l + w / 2)) $((t + h / 2)) 120 60
    drag $((l + w - 2)) $((t + h - 2)) 80 0
    # Away from the last press, so that the click is no double-click.
    xdotool mousemove $((l + w / 2)) $((t + 20)) click 1
    xdotool windowfocus "$viewer"
    keys Right shift+Down ctrl+Right
    viewer_settled "$viewer" $((l + w / 2)) $((t + h / 2))
    expect_viewer_rect "$l" "$t" "$w" "$h"
}

# restart_locked DIR X Y LEFT TOP: 終了, from the menu opened at X,Y, writes
# Lock=1; the viewer started again from DIR opens at LEFT,TOP, still locked.
restart_locked() {
    local dir=$1
    menu_command "$viewer" "$2" "$3" Up Return
    expect_exit 0 15
    check_eq "Lock in veltmirl.ini" 1 "$(ini_value "$dir/veltmirl.ini" SaveParameter Lock)"
    start_exe "$VIEWER"
    wait_for_window 20
    viewer=$WID
    expect_viewer_rect "$4" "$5" 326 246
    expect_locked "$4" "$5" 326 246
}

start_default_viewer
viewer=$WID
log "one monitor: locked"
toggle_lock "$viewer" 960 650
expect_locked 797 457 326 246
log "the menu's width item, the double-click and the dialog still place it"
menu_command "$viewer" 960 650 Down Right Right Down Down Down Down Return
expect_viewer_rect 797 457 646 486
double_click 960 650
wait_strip_match 10 lead=A x0=160 y0=0 x1=1759 y1=1199 checksum=ok region=exact
double_click 960 650
expect_viewer_rect 797 457 646 486
open_placement "$viewer" 960 650
type_fields 500 300 320
close_placement Return
expect_viewer_rect 497 297 326 246
restart_locked "$E2E_TMP/app" 660 420 797 457
log "unlocked, a drag moves it again"
toggle_lock "$viewer" 960 650
drag 960 580 100 50
expect_viewer_rect 897 507 326 246
stop_desk

log "a usable monitor at a negative origin beside an unusable primary"
start_left_desk "$E2E_TMP/app-left"
viewer=$WID
toggle_lock "$viewer" 509 436
expect_locked 349 246 326 246
menu_command "$viewer" 509 436 Down Right Right Down Down Down Down Return
expect_viewer_rect 349 246 646 486
restart_locked "$E2E_TMP/app-left" 509 436 349 246
