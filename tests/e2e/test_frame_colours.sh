#!/bin/bash
# The default window's frame, line by line: each of its six colours exactly
# where it belongs, one corner pixel left to the window's background, and the
# strip at the region's top-left.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
start_viewer
# Also reads the strip: lead A, region (800,460)-(1119,699) exactly.
expect_viewer_at 797 457
check_frame_colours "$STRIP_SHOT" 797 457
