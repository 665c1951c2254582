#!/bin/bash
# 位置とサイズを指定... on a desk where the monitor the device can use lies
# left of an unusable primary, at a negative origin: the dialog lists only the
# usable monitor, its numbers count from that monitor's corner as the strip's
# do, the device's largest width there (800) and its work area limit the
# typed values, and text that is no number is refused.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/placement_checks.sh"
e2e_init
require_env
use_prefix
start_left_desk
viewer=$WID

log "opens with the region on screen, on the one usable monitor"
open_placement "$viewer" 509 436
check_eq "dialog's top-left on the viewer's monitor" "205 130" "$(window_geometry "$DIALOG" | cut -d' ' -f1,2)"
expect_dialog_opened_with '1: 1024×768 (-1024,0)' 352 249 320 '(352,249)-(671,488) 320×240'
type_fields 100 200 640
expect_dialog_text "$PD_PREVIEW" '(100,200)-(739,679) 640×480' preview
close_placement Return
expect_viewer_rect 97 197 646 486

log "1024 is wider than the device takes on 1024x768: 800, pulled up into the work area"
open_placement "$viewer" 400 400
keys Tab Tab
type_text 1024
expect_dialog_text "$PD_PREVIEW" '(100,135)-(899,734) 800×600' preview
expect_dialog_text "$PD_NOTE" "$LIMITED" "limit note"
expect_dialog_text "$PD_HEIGHT" 600 height
close_placement Return
expect_viewer_rect 97 132 806 606

log "text that is no number is refused until mended"
open_placement "$viewer" 500 500
keys Tab
type_text 12x
expect_dialog_text "$PD_TOP_MESSAGE" "$NOT_A_NUMBER" "top message"
keys Return
keys BackSpace
expect_dialog_text "$PD_TOP_MESSAGE" '' "top message"
expect_dialog_text "$PD_PREVIEW" '(100,12)-(899,611) 800×600' preview
close_placement Return
expect_viewer_rect 97 9 806 606
