#!/bin/bash
# 終了 chosen with keys typed in quick succession (Up and Return a few
# milliseconds apart, as one xdotool call sends them): the S must still be on
# screen during the pause before the program ends.
source "$(dirname "$0")/lib.sh"
start_default_viewer

open_popup "$WID" 960 650
wait_menu_painted
xdotool key Up Return
strips_until_exit 10
expect_exit 0 1
find_lead S
check_strip "$STRIP_LINE" x0=800 y0=460 x1=1119 y1=699 at=800,460 checksum=ok region=exact
