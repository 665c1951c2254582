#!/bin/bash
# The readout: from the first step of a drag until the release, and while an
# arrow key is held, a small label beside the viewer shows the numbers the
# strip carries at that moment, outside the region; it takes neither the
# focus nor a place in the task bar, and it goes at the release.
source "$(dirname "$0")/lib.sh"
start_default_viewer
viewer=$WID

log "a press alone shows nothing"
xdotool mousemove 960 580 mousedown 1
if wait_until 1 eval '[[ -n "$(visible_windows | grep -vx "$viewer")" ]]'; then
    fail "a window appeared at the press"
fi

log "a drag shows the strip's numbers while the button is down"
xdotool mousemove 1010 605
expect_viewer_rect 847 482 "$VIEWER_W" "$VIEWER_H"
wait_readout
expect_readout_agrees
check_eq "readout text" "(850,485)-(1169,724) 320×240" "$READOUT_TEXT"
readout=$READOUT_WID
read_window_facts
line=$(facts_windows class=TMirloReadout visible=1)
[[ -n "$line" ]] || fail "Windows lists no visible readout: $(cat "$WINDOW_FACTS")"
check_eq "readout's window text" "$READOUT_TEXT" "$(fact "$line" title)"
check_eq "readout in the task bar" 0 "$(fact "$line" taskbar)"
# Never activated (WS_EX_NOACTIVATE) and transparent to the mouse
# (WS_EX_LAYERED with WS_EX_TRANSPARENT).
exstyle=$(fact "$line" exstyle)
check_eq "readout's no-activate, layered and transparent styles" 0x08080020 \
    "$(printf '0x%08x' $((exstyle & 0x08080020)))"

log "each step: new numbers, the same place"
place=$READOUT_GEOMETRY
before=$(readout_signature "$READOUT_SHOT")
xdotool mousemove 1060 630
expect_viewer_rect 897 507 "$VIEWER_W" "$VIEWER_H"
expect_readout_agrees
check_eq "readout text" "(900,510)-(1219,749) 320×240" "$READOUT_TEXT"
check_eq "readout's place" "$place" "$(window_geometry "$readout")"
[[ "$(readout_signature "$READOUT_SHOT")" != "$before" ]] || fail "the readout's pixels did not change with its numbers"

log "dragged into its corner: it moves away and still agrees"
xdotool mousemove 2000 1300
expect_viewer_rect $((1920 - VIEWER_W)) $((1160 - VIEWER_H)) "$VIEWER_W" "$VIEWER_H"
wait_readout
expect_readout_agrees

log "the release takes it away"
xdotool mouseup 1
wait_unmapped "$readout"
expect_only_viewer "$viewer"

log "a held arrow key shows it until the key goes up"
xdotool mousemove 1700 1000 click 1
xdotool windowfocus "$viewer"
# One key-down per press: no repeats while the key is held.
xset r off
xdotool keydown Left
expect_viewer_rect $((1920 - VIEWER_W - 1)) $((1160 - VIEWER_H)) "$VIEWER_W" "$VIEWER_H"
wait_readout
expect_readout_agrees
check_eq "readout text" "(1596,917)-(1915,1156) 320×240" "$READOUT_TEXT"
xdotool keyup Left
wait_unmapped "$READOUT_WID"
log "the viewer kept the focus: the next keys still move it"
keys Left Up
expect_viewer_rect $((1920 - VIEWER_W - 2)) $((1160 - VIEWER_H - 1)) "$VIEWER_W" "$VIEWER_H"
expect_only_viewer "$viewer"
