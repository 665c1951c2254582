#!/bin/bash
# A work-area change notice (WM_SETTINGCHANGE, SPI_SETWORKAREA) ends the
# viewer like 終了 does; other setting changes leave it running.
source "$(dirname "$0")/lib.sh"
start_default_viewer
need_helper notify_workarea
NOTIFY=$HELPER
rect=(x0=800 y0=460 x1=1119 y1=699 "at=800,460")

# 48 is SPI_GETWORKAREA, right next to the one that counts; 0 is what
# environment changes are broadcast with.
for action in 20 48 0; do
    out=$(run_win 20 "$NOTIFY" "$action") || fail "notify_workarea $action failed: $out"
    check_eq "notify_workarea $action" "sent $action" "$out"
done
# Ending takes 500 ms; twice that and more with no exit means ignored.
if wait_exit 2; then
    fail "viewer ended with $EXIT_CODE after setting changes other than the work area"
fi
wait_strip 5
check_strip "$STRIP_LINE" lead=A "${rect[@]}"

log "work-area notice"
# In the background: whether the viewer pauses inside the handler or after
# it, the screenshots run meanwhile.
start_exe --as notify "$NOTIFY"
strips_until_exit 10
expect_exit 0 1
find_lead S
check_strip "$STRIP_LINE" "${rect[@]}" checksum=ok region=exact
expect_exit 0 10 notify
check_eq "notify_workarea output" "sent 47" "$(exe_output notify)"
