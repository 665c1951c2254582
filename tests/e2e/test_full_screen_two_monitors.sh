#!/bin/bash
# Full screen on the second monitor of a desk whose 1920x1080 primary is of no
# supported size: the 1024x768 monitor is exactly 4:3, so the region fills it,
# and nothing of the viewer reaches the primary.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xorg_dummy 1920x1080 1024x768
set_workareas 0,0,1920,1080 1920,0,1024,738
start_viewer
second=(--monitor 1024x768+1920+0)
STRIP_ORIGIN="1920 0" expect_viewer_at 2269 246 "${second[@]}"
viewer=$WID
expect_wine_managed "$viewer"
primary_colours=$("$STRIPREAD" --colour-box 0 0 1920 1080 "$STRIP_SHOT")

double_click 2432 369
wait_geometry "$viewer" "1920 0 1024 768"
expect_only_viewer "$viewer"
wait_strip_match 10 lead=A x0=0 y0=0 x1=1023 y1=767 at=0,0 checksum=ok region=exact -- "${second[@]}"
expect_box_colour "$STRIP_SHOT" "region below the strip" 1920 1 1024 767 '#FF00FF'
expect_no_strip "$STRIP_SHOT" --monitor 1920x1080+0+0
check_eq "primary's colours in full screen" "$primary_colours" \
    "$("$STRIPREAD" --colour-box 0 0 1920 1080 "$STRIP_SHOT")"

double_click 2432 369
STRIP_ORIGIN="1920 0" expect_viewer_at 2269 246 "${second[@]}"
check_eq "window back from full screen" "$viewer" "$WID"
expect_only_viewer "$viewer"
expect_frame_colours "$viewer"
