#!/bin/bash
# Only one viewer per desktop: a second copy ends at once with exit code 1,
# shows nothing, and leaves the first one alone.
source "$(dirname "$0")/lib.sh"
start_default_viewer
first_wid=$WID
first_strip=$STRIP_LINE

start_exe --as second "$VIEWER"
expect_exit 1 10 second
[[ -z "$(exe_output second)" ]] || fail "second copy printed: $(exe_output second)"

exe_running main || fail "the first copy ended when the second started"
check_eq "mapped viewer windows" "$first_wid" "$(visible_windows | tr '\n' ' ' | sed 's/ $//')"
wait_strip 5
check_eq "strip after the second copy" "$first_strip" "$STRIP_LINE"
