#!/bin/bash
# The desk recipes themselves: Wine must see exactly the monitors and work
# areas the harness sets up, or every other test measures the wrong thing.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
need_helper list_monitors
LIST_MONITORS=$HELPER
use_prefix

# expect_monitors WHAT LINES: list_monitors.exe must print exactly LINES.
expect_monitors() {
    local out rc
    out=$(run_win 30 "$LIST_MONITORS")
    rc=$?
    ((rc == 0)) || fail "list_monitors.exe exited with $rc: $(cat "$E2E_TMP/run_win.err")"
    check_eq "$1" "$2" "$out"
}

log "one monitor on Xvfb, work area above a 40-pixel panel"
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
expect_monitors "monitors on Xvfb" "0 0 0 1920 1200 0 0 1920 1160"
stop_desk

log "two monitors on the dummy driver, the second with its own work area"
start_xorg_dummy 1920x1080 1024x768
set_workareas 0,0,1920,1080 1920,0,1024,738
expect_monitors "monitors on Xorg dummy" \
    "0 0 0 1920 1080 0 0 1920 1080
1 1920 0 2944 768 1920 0 2944 738"
stop_desk

log "three monitors of different heights, two work areas inset"
start_xorg_dummy 1024x768 1280x1024 800x600
set_workareas 0,0,1024,740 1024,30,1280,994 2304,0,800,600
expect_monitors "monitors on Xorg dummy (three)" \
    "0 0 0 1024 768 0 0 1024 740
1 1024 0 2304 1024 1024 30 2304 1024
2 2304 0 3104 600 2304 0 3104 600"
