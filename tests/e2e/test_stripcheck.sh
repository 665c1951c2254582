#!/bin/bash
# stripcheck.exe beside the running viewer on one monitor: it reads the same
# strip as the strip reader does from a screenshot, says when another window
# lies over the strip's row, and keeps looking with --watch.
source "$(dirname "$0")/lib.sh"
start_default_viewer
GEOMETRY='1920x1200+0+0'
VERDICT_ONE='valid=1 the device can read the strip on monitor 0'
VERDICT_NONE='valid=0 the device finds no strip it can use'

log "the viewer alone: stripcheck prints what the strip reader read"
check_strip "$STRIP_LINE" monitor=0 x0=800 y0=460 region=exact
expect_stripcheck 0 "monitor=0 $GEOMETRY ${STRIP_LINE#monitor=0 }" "$VERDICT_ONE"

log "a window over the strip's row, past the strip itself"
start_cover 1000 450 80 20
wait_strip_match 5 x0=800 region=mismatch
expect_stripcheck 1 \
    "monitor=0 $GEOMETRY ${STRIP_LINE#monitor=0 } problem=covered another window lies over the strip's row: \"cover\" 80x20 at 1000,450" \
    "$VERDICT_NONE"
stop_cover

log "the cover gone, the viewer repaints and the strip is whole again"
wait_strip_match 10 x0=800 region=exact
expect_stripcheck 0 "monitor=0 $GEOMETRY ${STRIP_LINE#monitor=0 }" "$VERDICT_ONE"

log "a window over the strip's first cells: nothing readable, and why"
start_cover 780 440 60 30
screenshot "$E2E_TMP/covered.xwd"
expect_no_strip "$E2E_TMP/covered.xwd"
expect_stripcheck 1 \
    "monitor=0 $GEOMETRY problem=covered another window lies over the viewer's strip row: \"cover\" 60x30 at 780,440" \
    "$VERDICT_NONE"
stop_cover
wait_strip_match 10 x0=800 region=exact

log "--watch looks again every second until stopped"
need_helper stripcheck
start_exe --as watch "$HELPER" --watch
_two_rounds() { (($(exe_output watch | grep -c '^valid=') >= 2)); }
wait_until 20 _two_rounds || fail "stripcheck --watch printed '$(exe_output watch)'"
exe_running watch || fail "stripcheck --watch ended by itself"
_e2e_stop_pid "$(exe_pid watch)" 5
ROUND="monitor=0 $GEOMETRY ${STRIP_LINE#monitor=0 }
$VERDICT_ONE"
check_eq "first two rounds of --watch" "$ROUND

$ROUND" "$(exe_output watch | sed -n 1,5p)"
# Each round reaches the file in whole lines with Windows line ends.
raw=$E2E_TMP/proc.watch.out
check_eq "--watch lines without a CR LF end" 0 "$(grep -vc $'\r$' "$raw")"

log "--help"
run_stripcheck --help
check_eq "stripcheck --help exit code" 0 "$SC_RC"
check_eq "stripcheck --help first line" "usage: stripcheck [--watch]" "$(head -n1 <<<"$SC_OUT")"
