#!/bin/bash
# Placement with several monitors side by side: the viewer opens on the first
# monitor of a supported size, centred in that monitor's own work area.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix

log "unsupported 1920x1080 primary, 1024x768 to its right with a panel"
start_xorg_dummy 1920x1080 1024x768
set_workareas 0,0,1920,1080 1920,0,1024,738
start_viewer
# left = 1920+(1024-326)/2, top = (738-246)/2
STRIP_ORIGIN="1920 0" expect_viewer_at 2269 246 --monitor 1024x768+1920+0
check_strip "$STRIP_LINE" monitor=0
stop_desk

log "two supported monitors after the primary: the first one wins"
start_xorg_dummy 1920x1080 1280x1024 1024x768
set_workareas 0,0,1920,1080 1920,0,1280,1000 3200,0,1024,768
start_viewer
# left = 1920+(1280-326)/2, top = (1000-246)/2
STRIP_ORIGIN="1920 0" expect_viewer_at 2397 377 --monitor 1280x1024+1920+0
