#!/bin/bash
# A double-click toggles full screen on one monitor: the window takes the
# monitor's exact bounds with the 4:3 region centred between black bars, and a
# second double-click puts it back where it was.
source "$(dirname "$0")/lib.sh"
start_default_viewer
viewer=$WID
expect_wine_managed "$viewer"

double_click 960 580
wait_geometry "$viewer" "0 0 1920 1200"
expect_only_viewer "$viewer"
wait_strip_match 10 lead=A x0=160 y0=0 x1=1759 y1=1199 at=160,0 checksum=ok region=exact
expect_box_colour "$STRIP_SHOT" "left bar" 0 0 160 1200 '#000000'
expect_box_colour "$STRIP_SHOT" "right bar" 1760 0 160 1200 '#000000'
expect_box_colour "$STRIP_SHOT" "region below the strip" 160 1 1600 1199 '#FF00FF'

double_click 960 580
expect_viewer_at 797 457
check_eq "window back from full screen" "$viewer" "$WID"
expect_only_viewer "$viewer"
expect_frame_colours "$viewer"
