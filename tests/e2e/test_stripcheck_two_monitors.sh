#!/bin/bash
# stripcheck.exe on desks of two monitors: strips in each monitor's own
# coordinates, the same as the strip reader reads per monitor from a
# screenshot, and a line for the monitor without one.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix

log "unusable 1920x1080 primary, the viewer on the 1024x768 to its right"
start_xorg_dummy 1920x1080 1024x768
set_workareas 0,0,1920,1080 1920,0,1024,738
start_viewer
# left = 1920+(1024-326)/2, top = (738-246)/2
STRIP_ORIGIN="1920 0" expect_viewer_at 2269 246 --monitor 1920x1080+0+0 --monitor 1024x768+1920+0
check_strip "$STRIP_LINE" monitor=1 x0=352 y0=249
UNUSABLE='monitor=0 1920x1080+0+0 problem=unusable-monitor the device cannot use this monitor'"'"'s resolution 1920x1080 (it reads 640x480, 800x600, 1024x768, 1280x768, 1360x768, 1280x1024, 1600x1200, 1440x900, 1680x1050 and 1920x1200)'
expect_stripcheck 0 "$UNUSABLE" \
    "monitor=1 1024x768+1920+0 ${STRIP_LINE#monitor=1 }" \
    'valid=1 the device can read the strip on monitor 1'

log "a window over the strip's row on the second monitor"
start_cover 2450 240 80 20
wait_strip_match 5 x0=352 region=mismatch -- --monitor 1920x1080+0+0 --monitor 1024x768+1920+0
expect_stripcheck 1 "$UNUSABLE" \
    "monitor=1 1024x768+1920+0 ${STRIP_LINE#monitor=1 } problem=covered another window lies over the strip's row: \"cover\" 80x20 at 530,240" \
    'valid=0 the device finds no strip it can use'
stop_cover
stop_desk

log "two usable monitors, the viewer on the first"
start_xorg_dummy 1920x1200 1280x1024
set_workareas 0,0,1920,1160 1920,0,1280,1024
start_viewer
expect_viewer_at 797 457 --monitor 1920x1200+0+0 --monitor 1280x1024+1920+0
expect_stripcheck 0 "monitor=0 1920x1200+0+0 ${STRIP_LINE#monitor=0 }" \
    'monitor=1 1280x1024+1920+0 problem=no-strip no strip here; the viewer is on monitor 0' \
    'valid=1 the device can read the strip on monitor 0'
