#!/bin/bash
# Odd "Full" and "Aspect" values, which only a hand-edited veltmirl.ini holds,
# still give a viewer whose strip describes exactly the magenta region of its
# window, at start and after the commands that change the window: on one
# 1024 x 768 monitor, Full=-1 with "常に最前面", Full=-1 Aspect=1 with
# "プリセット１" (the default preset: 320 wide, normal), Full=4 left and
# entered again by double-clicks, Aspect=2 with "常に最前面".
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1024x768
set_workareas 0,0,1024,768

# start_with KEY=VALUE...: a fresh viewer whose file holds these keys.
start_with() {
    install_viewer "$E2E_TMP/app.$((++installs))"
    printf '%s\r\n' '[SaveParameter]' Current=1 "$@" >"$(dirname "$VIEWER")/veltmirl.ini"
    start_exe "$VIEWER"
    wait_for_window 40
    log "veltmirl.ini: $*"
}

# expect_true_strip WHEN: the strip on screen carries the region's own
# rectangle (its place, and magenta exactly there) and lies in the window.
# Sets GX GY GW GH (the window) and STRIP_LINE.
expect_true_strip() {
    wait_strip_match 10 lead=A checksum=ok region=exact
    read -r GX GY GW GH <<<"$(window_geometry "$WID")"
    local x0 y0 x1 y1
    x0=$(field "$STRIP_LINE" x0) y0=$(field "$STRIP_LINE" y0)
    x1=$(field "$STRIP_LINE" x1) y1=$(field "$STRIP_LINE" y1)
    ((x0 >= GX && y0 >= GY && x1 < GX + GW && y1 < GY + GH)) ||
        fail "$1: the strip's region $x0,$y0-$x1,$y1 is not inside the window ${GW}x$GH at $GX,$GY"
    log "ok: $1: window ${GW}x$GH at $GX,$GY, strip $x0,$y0-$x1,$y1"
}

# command KEYS...: chooses a menu item from a menu opened low in the window,
# clear of the strip.
command() {
    read -r GX GY GW GH <<<"$(window_geometry "$WID")"
    local y=$((GY + GH - 53))
    ((y + 100 > 768)) && y=$((GY + GH / 2))
    menu_command "$WID" $((GX + GW / 2)) "$y" "$@"
}

log "Full=-1, then 常に最前面"
start_with Full=-1
expect_true_strip "Full=-1 at start"
command Down Right Down Return
expect_true_strip "Full=-1 after 常に最前面"
end_exe

log "Full=-1 Aspect=1, then プリセット１"
start_with Full=-1 Aspect=1
expect_true_strip "Full=-1 Aspect=1 at start"
command Down Right Down Down Return
expect_true_strip "Full=-1 Aspect=1 after プリセット１"
check_eq "window after プリセット１" "326 246" "$GW $GH"
check_strip "$STRIP_LINE" "x1=$(($(field "$STRIP_LINE" x0) + 319))" "y1=$(($(field "$STRIP_LINE" y0) + 239))"
end_exe

log "Full=4, double-clicked twice"
start_with Full=4
expect_true_strip "Full=4 at start"
double_click $((GX + GW / 2)) $((GY + GH / 2))
expect_true_strip "Full=4 after a double-click"
double_click $((GX + GW / 2)) $((GY + GH / 2))
expect_true_strip "Full=4 after two double-clicks"
end_exe

log "Aspect=2 at 100,100, then 常に最前面"
start_with Aspect=2 X=100 Y=100
expect_true_strip "Aspect=2 at start"
command Down Right Down Return
expect_true_strip "Aspect=2 after 常に最前面"
end_exe
