#!/bin/bash
# 位置とサイズを指定... on one monitor: the dialog opens with the region on
# screen, Return applies a typed rectangle (full-width digits too) exactly as
# the strip then reads it, an out-of-range value is limited and the dialog
# says so, text that is no number is refused until mended, Escape changes
# nothing, and from full screen the viewer comes back windowed at the typed
# place.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/placement_checks.sh"
start_default_viewer
viewer=$WID

log "opens with the region on screen"
open_placement "$viewer" 960 650
expect_dialog_opened_with '0: 1920×1200 (0,0)' 800 460 320 '(800,460)-(1119,699) 320×240'
log "a typed rectangle, the left in full-width digits"
# Pasted as any other text, since xdotool cannot type them reliably under
# Wine: Ctrl+V leaves text that is no placement line to the focused field.
put_x_clipboard '１２０'
keys ctrl+v
expect_dialog_text "$PD_LEFT" '１２０' "left field"
keys Tab
type_text 50
keys Tab
type_text 640
expect_dialog_text "$PD_PREVIEW" '(120,50)-(759,529) 640×480' preview
expect_dialog_text "$PD_HEIGHT" 480 height
close_placement Return
expect_viewer_rect 117 47 646 486

log "a width and a left edge past the monitor's right edge"
open_placement "$viewer" 400 400
type_fields 1500 50 1024
expect_dialog_text "$PD_PREVIEW" '(893,50)-(1916,817) 1024×768' preview
expect_dialog_text "$PD_NOTE" "$LIMITED" "limit note"
close_placement Return
expect_viewer_rect 890 47 1030 774

log "a width wider than the device takes on this monitor"
open_placement "$viewer" 1400 400
type_fields 10 20 2000
expect_dialog_text "$PD_PREVIEW" '(10,20)-(1449,1099) 1440×1080' preview
expect_dialog_text "$PD_NOTE" "$LIMITED" "limit note"
close_placement Return
expect_viewer_rect 7 17 1446 1086

log "text that is no number: Return is refused until the field is mended"
open_placement "$viewer" 700 500
type_fields 100 200 abc
expect_dialog_text "$PD_WIDTH_MESSAGE" "$NOT_A_NUMBER" "width message"
expect_dialog_text "$PD_PREVIEW" '' preview
keys Return
# Still open and taking keys: the mended width clears the message.
keys BackSpace BackSpace BackSpace
type_text 800
expect_dialog_text "$PD_WIDTH_MESSAGE" '' "width message"
expect_dialog_text "$PD_PREVIEW" '(100,200)-(899,799) 800×600' preview
# Nothing applied meanwhile (the dialog covers part of the region, not the strip).
wait_geometry "$viewer" "7 17 1446 1086"
wait_strip_match 5 lead=A x0=10 y0=20 x1=1449 y1=1099 checksum=ok
close_placement Return
expect_viewer_rect 97 197 806 606

log "Escape changes nothing"
open_placement "$viewer" 500 500
type_fields 5 5 320
expect_dialog_text "$PD_PREVIEW" '(5,5)-(324,244) 320×240' preview
close_placement Escape
viewer_settled "$viewer" 500 500
expect_viewer_rect 97 197 806 606

log "from full screen: the window leaving it would give, then back windowed"
double_click 500 500
wait_strip_match 10 lead=A x0=160 y0=0 x1=1759 y1=1199 checksum=ok region=exact
open_placement "$viewer" 960 650
expect_dialog_opened_with '0: 1920×1200 (0,0)' 100 200 800 '(100,200)-(899,799) 800×600'
type_text 300
close_placement Return
expect_viewer_rect 297 197 806 606
