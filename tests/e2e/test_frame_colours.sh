#!/bin/bash
# The default window's frame, line by line: each of its six colours exactly
# where it belongs, one corner pixel left to the window's background, and the
# strip at the region's top-left.
source "$(dirname "$0")/lib.sh"
# Also reads the strip: lead A, region (800,460)-(1119,699) exactly.
start_default_viewer
check_frame_colours "$STRIP_SHOT" 797 457
