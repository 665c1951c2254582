#!/bin/bash
# The information and version boxes behave like Windows boxes: Escape closes
# them as their OK button does. On a screen of 144 pixels per inch, where the
# information box is half as large again, a box opened for a viewer at the
# work area's edges still lies wholly inside the work area.
source "$(dirname "$0")/lib.sh"
start_default_viewer
viewer=$WID
before=$STRIP_LINE
BOX_TITLE='VELTA-9 Mirlo Viewer'

log "表示情報: third item from the end of 表示"
menu_command "$viewer" 960 650 Down Right Up Up Up Return
wait_for_title "$BOX_TITLE" 10
keys Escape
wait_unmapped "$TITLE_WID"
log "ok: Escape closed the information box"

log "バージョン情報: second item of ヘルプ"
menu_command "$viewer" 960 650 Up Up Up Right Down Return
wait_for_title "$BOX_TITLE" 10
keys Escape
wait_unmapped "$TITLE_WID"
log "ok: Escape closed the version box"
exe_running || fail "the program ended with the boxes"
# shellcheck disable=SC2086 # one KEY=VALUE argument per field
wait_strip_match 5 $before

log "144 pixels per inch"
stop_desk
use_prefix dpi144
set_screen_dpi 144
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
need_helper system_facts
check_eq "screen's pixels per inch" 144 "$(run_win 30 "$HELPER" | sed -n 's/^dpi //p')"
install_viewer "$E2E_TMP/app-dpi"
printf '%s\r\n' '[SaveParameter]' Current=1 Full=0 Width=320 Aspect=0 X=0 Y=457 ScrIdx=0 \
    >"$E2E_TMP/app-dpi/veltmirl.ini"
start_exe "$VIEWER"
wait_for_window 40
expect_viewer_rect 0 457 "$VIEWER_W" "$VIEWER_H"

# expect_box_in_work_area WHAT KEYS...: opens the box with the menu keys and
# checks that its whole window, frame included, lies in 0,0-1920,1160.
expect_box_in_work_area() {
    local what=$1 bx by bw bh; shift
    menu_command "$WID" $((vx + 163)) $((vy + 193)) "$@"
    wait_for_title "$BOX_TITLE" 10
    _box_placed() { read -r bx by bw bh <<<"$(window_geometry "$TITLE_WID")"; [[ -n "$bh" ]]; }
    wait_until 5 _box_placed || fail "$what has no geometry"
    log "$what: ${bw}x$bh at $bx,$by for the viewer at $vx,$vy"
    ((bx >= 0 && by >= 0 && bx + bw <= 1920 && by + bh <= 1160)) ||
        fail "$what ${bw}x$bh at $bx,$by reaches out of the work area 0,0-1920,1160"
    keys Return
    wait_unmapped "$TITLE_WID"
}

vx=0 vy=457
expect_box_in_work_area "information box at the left edge" Down Right Up Up Up Return
expect_box_in_work_area "version box at the left edge" Up Up Up Right Down Return

log "the viewer dragged into the work area's bottom right corner"
drag 160 600 1900 700
vx=1594 vy=914
expect_viewer_rect "$vx" "$vy" "$VIEWER_W" "$VIEWER_H"
expect_box_in_work_area "information box at the bottom right" Down Right Up Up Up Return
