#!/bin/bash
# Ctrl+C on the viewer puts its placement line on the clipboard, read back
# from the X clipboard; pasted into the placement dialog after a move, the
# line brings the region back. A line naming a missing or unusable monitor
# fills nothing and says why. On one monitor and on a desk whose usable
# monitor lies at a negative origin beside an unusable one.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/placement_checks.sh"

# copy_move_paste LINE X Y DX DY LEFT TOP: Ctrl+C with the pointer over the
# viewer at X,Y gives LINE; the viewer is dragged by DX,DY; Ctrl+V in the
# dialog and Return put the window back at LEFT,TOP.
copy_move_paste() {
    local line=$1 x=$2 y=$3 dx=$4 dy=$5 left=$6 top=$7
    # Focus from a click away from where the drag presses: no double-click.
    xdotool mousemove "$x" $((y + 40)) click 1
    xdotool windowfocus "$viewer"
    keys ctrl+c
    expect_x_clipboard "$line"
    drag "$x" "$y" "$dx" "$dy"
    expect_viewer_rect $((left + dx)) $((top + dy)) 326 246
    open_placement "$viewer" $((x + dx)) $((y + dy))
    keys ctrl+v
    expect_dialog_text "$PD_LEFT" "$(field "$line" x0)" "left field"
    expect_dialog_text "$PD_TOP" "$(field "$line" y0)" "top field"
    expect_dialog_text "$PD_PASTE_MESSAGE" '' "paste message"
    close_placement Return
    expect_viewer_rect "$left" "$top" 326 246
}

# refused_paste LINE MESSAGE X Y: the line from another program, pasted
# into the dialog, fills nothing and gives MESSAGE.
refused_paste() {
    put_x_clipboard "$1"
    open_placement "$viewer" "$3" "$4"
    local left
    dialog_control "$PD_LEFT" || fail "no left field"
    left=$(fact "$CONTROL_LINE" text)
    keys ctrl+v
    expect_dialog_text "$PD_PASTE_MESSAGE" "$2" "paste message"
    expect_dialog_text "$PD_LEFT" "$left" "left field"
    close_placement Escape
}

start_default_viewer
viewer=$WID
log "one monitor"
copy_move_paste 'monitor=0 1920x1200 x0=800 y0=460 x1=1119 y1=699 320x240' 960 580 -300 200 797 457
refused_paste 'monitor=3 1024x768 x0=1 y0=2 x1=320 y1=241 320x240' '画面3（1024×768）はありません' 960 580
stop_desk

log "a usable monitor at a negative origin beside an unusable primary"
start_left_desk "$E2E_TMP/app-left"
viewer=$WID
copy_move_paste 'monitor=1 1024x768 x0=352 y0=249 x1=671 y1=488 320x240' 512 369 -200 100 349 246
refused_paste 'monitor=0 1920x1080 x0=3 y0=3 x1=322 y1=242 320x240' \
    '画面0（1920×1080）はVELTA-9で使用できません' 512 369
