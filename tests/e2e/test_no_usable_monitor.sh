#!/bin/bash
# With no monitor of a supported size the viewer only warns, ends cleanly when
# the warning is acknowledged, and leaves no settings file behind.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1920x1080
start_viewer
ini=$(dirname "$VIEWER")/veltmirl.ini

wait_for_title '警告' 20
check_eq "warning's owner pid" "$(exe_pid)" "$(xprop -id "$TITLE_WID" _NET_WM_PID | sed -n 's/.*= *//p')"
# The box is all there is: no viewer window, no strip.
check_eq "mapped windows of the program" "$TITLE_WID" "$(visible_windows | tr '\n' ' ' | sed 's/ $//')"
screenshot "$E2E_TMP/warning.xwd"
if "$STRIPREAD" "$E2E_TMP/warning.xwd" >/dev/null 2>&1; then
    fail "a strip is on screen next to the warning: $("$STRIPREAD" "$E2E_TMP/warning.xwd")"
fi
exe_running || fail "program ended before the warning was acknowledged"

keys Return
expect_exit 0 10
[[ ! -e "$ini" ]] || fail "veltmirl.ini was written: $(cat "$ini")"
log "ok: no veltmirl.ini"
