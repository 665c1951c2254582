#!/bin/bash
# Any number in veltmirl.ini gives a usable viewer: a region width below 320
# or beyond what the monitor allows, and places at the ends of the 32-bit
# range, open a 320 x 240 viewer (or the stored width, when it is valid)
# wholly inside the work area, painted with a strip that covers exactly its
# region, so that it can be right-clicked and ended. The same holds for the
# width a start-up size outside 0 .. 17 takes from the file, and for the
# width used when leaving full screen ("TempParameter").
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1160

# start_with LINES...: a fresh viewer whose veltmirl.ini holds these lines.
start_with() {
    install_viewer "$E2E_TMP/app.$((++installs))"
    printf '%s\r\n' "$@" >"$(dirname "$VIEWER")/veltmirl.ini"
    start_exe "$VIEWER"
    wait_for_window 40
}

# expect_usable_viewer WHAT W H: the window settles at W x H inside the work
# area 0,0-1920,1160 with a true strip for its region.
expect_usable_viewer() {
    local what=$1 w=$2 h=$3 gx gy gw gh
    _sized() { read -r gx gy gw gh <<<"$(window_geometry "$WID")"; [[ "$gw $gh" == "$w $h" ]]; }
    wait_until 10 _sized || fail "$what: the window is ${gw}x$gh at $gx,$gy, wanted ${w}x$h"
    ((gx >= 0 && gy >= 0 && gx + gw <= 1920 && gy + gh <= 1160)) ||
        fail "$what: the window ${gw}x$gh at $gx,$gy reaches out of the work area 0,0-1920,1160"
    expect_viewer_rect "$gx" "$gy" "$w" "$h"
    log "ok: $what: ${gw}x$gh at $gx,$gy"
}

# what|[SaveParameter] keys|window width height
cases=(
    "X at the 32-bit limit|Current=1 X=2147483647|326 246"
    "X and Y at the 32-bit limit, a valid 640|Current=1 X=2147483647 Y=2147483647 Width=640|646 486"
    "X and Y at the lowest 32-bit value, width at the limit|Current=1 X=-2147483648 Y=-2147483648 Width=2147483647|326 246"
    "width 0|Current=1 X=100 Y=100 Width=0|326 246"
    "width -320|Current=1 X=100 Y=100 Width=-320|326 246"
    "width 100 through a start-up size of 99|Current=0 Size=99 X=100 Y=100 Width=100|326 246"
)
for c in "${cases[@]}"; do
    IFS='|' read -r what keys size <<<"$c"
    log "$what: $keys"
    # shellcheck disable=SC2086 # one line per key
    start_with '[SaveParameter]' $keys
    # shellcheck disable=SC2086 # width and height
    expect_usable_viewer "$what" $size
    end_exe
done

log "leaving full screen to a stored windowed width of 0"
start_with '[SaveParameter]' Current=1 Full=1 ScrIdx=0 \
    '[TempParameter]' Full=0 Width=0 Aspect=0 X=100 Y=100 ScrIdx=0
wait_geometry "$WID" "0 0 1920 1200" 10
double_click 960 600
expect_usable_viewer "full screen left to TempParameter Width=0" 326 246
