#!/bin/bash
# Where the default window opens on one monitor, what it looks like, and that
# the strip covers exactly its region.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix

log "1920x1200 with a 40-pixel panel at the bottom"
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
start_viewer
# left = (1920-326)/2, top = (1160-246)/2
expect_viewer_at 797 457
stop_desk

log "1920x1200 with panels at the top and on the left"
start_xvfb 1920x1200
set_workareas 100,40,1820,1160
start_viewer
# left = 100+(1820-326)/2, top = 40+(1160-246)/2
expect_viewer_at 847 497
stop_desk

log "1024x768, no work area set: the whole screen"
start_xvfb 1024x768
start_viewer
# left = (1024-326)/2, top = (768-246)/2
expect_viewer_at 349 261
