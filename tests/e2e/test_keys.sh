#!/bin/bash
# Keys on the viewer: arrows move it by 1 pixel and with Shift by 10,
# Ctrl+Right/Left size it by 1 and with Shift by 10, each read back from the
# strip; both stop at the work area's edges and at 320. In full screen they do
# nothing. Shift+F10 and the menu key open the popup menu at the viewer's
# corner, F1 the help file in a window the viewer owns.
source "$(dirname "$0")/lib.sh"

# expect_menu_at X Y: the popup menu $MENU_WID opened with its top-left corner
# at X,Y and draws its items (its own picture: on Xvfb a root screenshot may
# show a menu over the viewer black), then Escape closes it.
expect_menu_at() {
    local mx my mw mh
    read -r mx my mw mh <<<"$(window_geometry "$MENU_WID")"
    check_eq "menu corner" "$1 $2" "$mx $my"
    _menu_drawn() {
        window_screenshot "$MENU_WID" "$E2E_TMP/menu.xwd"
        local c
        c=$(dominant_colour "$E2E_TMP/menu.xwd" 4 4 $((mw - 8)) $((mh - 8)))
        [[ -n "$c" && "$c" != '#000000' ]]
    }
    wait_until 5 _menu_drawn || fail "menu $MENU_WID never drawn"
    keys Escape
    wait_unmapped "$MENU_WID"
}
start_default_viewer
viewer=$WID
find_viewer_handle

log "a click activates the viewer; it also gets the X input focus"
xdotool mousemove 960 580 click 1
# Without a window manager X sends keys to the window under the pointer,
# which the viewer leaves as it moves.
xdotool windowfocus "$viewer"

log "arrow keys move by 1, with Shift by 10: one across and one along at a time"
keys Right shift+Down
expect_viewer_rect 798 467 326 246
keys shift+Left Up
expect_viewer_rect 788 466 326 246
keys Left shift+Up
expect_viewer_rect 787 456 326 246
keys shift+Right Down
expect_viewer_rect 797 457 326 246

log "Ctrl+Right/Left change the region's width by 1, with Shift by 10; 4:3 kept, corner kept"
keys ctrl+Right  # 321 x 240
expect_viewer_rect 797 457 327 246
keys ctrl+shift+Right  # 331 x 248
expect_viewer_rect 797 457 337 254
keys ctrl+Left  # 330 x 247
expect_viewer_rect 797 457 336 253
log "no narrower than 320: Ctrl+Shift+Left gives 320 x 240, the Ctrl+Left after it changes nothing"
keys ctrl+shift+Left ctrl+Left Right
expect_viewer_rect 798 457 326 246

log "stops at the work area's edges: the panel at the bottom, the right, the top, the left"
drag $((798 + 163)) $((457 + 123)) 790 450
wait_geometry "$viewer" "1588 907 326 246"
keys shift+Down shift+Right
expect_viewer_rect 1594 914 326 246
log "at the corner Down, Right and Ctrl+Right change nothing; the Left after them moves"
keys Down Right ctrl+Right Left
expect_viewer_rect 1593 914 326 246
drag $((1593 + 163)) $((914 + 123)) -1588 -909
wait_geometry "$viewer" "5 5 326 246"
keys shift+Up shift+Left
expect_viewer_rect 0 0 326 246
keys Up Left Right
expect_viewer_rect 1 0 326 246

log "Shift+F10 opens the popup menu at the viewer's top-left corner"
popup_after "$viewer" "Shift+F10" keys shift+F10
expect_menu_at 1 0

log "so does the menu key, once"
popup_after "$viewer" "the menu key" keys Menu
expect_menu_at 1 0
second_menu() { [[ -n "$(visible_windows | grep -vx "$viewer")" ]]; }
if wait_until 1 second_menu; then fail "a second popup menu opened after the menu key"; fi
expect_viewer_rect 1 0 326 246

log "in full screen the moving and sizing keys do nothing; Shift+F10 still opens the menu"
double_click 160 120
wait_strip_match 10 lead=A x0=160 y0=0 x1=1759 y1=1199 checksum=ok region=exact
keys Right ctrl+Right Down shift+Left ctrl+shift+Left Up
popup_after "$viewer" "Shift+F10 in full screen" keys shift+F10
expect_menu_at 0 0
wait_strip_match 10 lead=A x0=160 y0=0 x1=1759 y1=1199 checksum=ok region=exact
check_eq "full-screen window" "0 0 1920 1200" "$(window_geometry "$viewer")"
double_click 960 600
expect_viewer_rect 1 0 326 246

log "F1 with the help file beside the exe: the help window opens, owned by the viewer"
cp "$MIRLO_WIN_DIR/MirloViewerHelp.chm" "$(dirname "$VIEWER")/"
keys F1
help_window() {
    list_windows
    HELP_LINE=$(awk -F'\t' '$4 == 1 && $5 == "HH Parent"' <<<"$WINDOWS")
    [[ -n "$HELP_LINE" ]]
}
wait_until 15 help_window || fail "no help window after F1"
IFS=$'\t' read -r _ owner pid _ <<<"$HELP_LINE"
check_eq "owner of the help window" "$VIEWER_HWND" "$owner"
check_eq "process of the help window" "$VIEWER_PID" "$pid"
exe_running || fail "the viewer ended after F1"
# The help window may cover part of the region now; the strip is unchanged.
wait_strip_match 5 lead=A x0=4 y0=3 x1=323 y1=242 checksum=ok
