#!/bin/bash
# Nothing the user chose in the settings dialog is lost, however the dialog
# ends. Closed by its close box it saves the two check boxes as checked; when
# another program closes the viewer (WM_CLOSE) while the dialog is open, the
# check boxes are still read before their windows go, and the program ends
# with them saved. A start-up size that has no radio button (99, from a hand-
# edited file) is saved back unchanged by a dialog opened and closed. Windows
# clicks an unchecked radio button that gets the focus, which Wine does not:
# so the first focus must not land on one.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
install_viewer
ini=$(dirname "$VIEWER")/veltmirl.ini
# Away from the dialog at 205,130, which must not be stacked below it.
write_ini() { printf '%s\r\n' '[SaveParameter]' "$@" Current=0 Front=0 X=1000 Y=600 >"$ini"; }

# open_settings: 設定, the second item from the bottom; sets DIALOG and the
# client area's origin CX, CY (the client area is 351 x 329).
open_settings() {
    local dx dy dw dh border vx vy
    read -r vx vy _ <<<"$(window_geometry "$WID")"
    menu_command "$WID" $((vx + 163)) $((vy + 193)) Up Up Return
    wait_for_title 'VELTA-9 Mirlo viewer 設定' 10
    DIALOG=$TITLE_WID
    _dialog_placed() { read -r dx dy dw dh <<<"$(window_geometry "$DIALOG")"; [[ "$dx $dy" == "205 130" ]]; }
    wait_until 5 _dialog_placed || fail "settings dialog at '$(window_geometry "$DIALOG")'"
    border=$(((dw - 351) / 2))
    CX=$((dx + border)) CY=$((dy + dh - 329 - border))
    log "settings dialog ${dw}x$dh, client area at $CX,$CY"
}

# check_both: clicks "終了時のサイズ・位置を記憶" (144,24) and "常に最前面に表示"
# (144,56), each 185 x 17.
check_both() {
    xdotool mousemove $((CX + 150)) $((CY + 32)) click 1
    xdotool mousemove $((CX + 150)) $((CY + 64)) click 1
}

wait_ini_saved() {
    _saved() { [[ -f "$ini" ]] && [[ -n "$(ini_value "$ini" Pre3Parameter ScrIdx)" ]]; }
    wait_until 10 _saved || fail "no complete veltmirl.ini saved"
}

log "Size=99: open the dialog, check both boxes, close it with its close box"
write_ini Size=99
start_exe "$VIEWER"
wait_for_window 40
expect_viewer_rect 1000 600 "$VIEWER_W" "$VIEWER_H"
open_settings
read_window_facts
dialog_line=$(facts_windows exe=MirloViewer.exe 'title=VELTA-9 Mirlo viewer 設定')
[[ $(wc -l <<<"$dialog_line") == 1 && -n "$dialog_line" ]] || fail "window_facts lists the dialog as: '$dialog_line'"
# Per radio button (BS_RADIOBUTTON 4 or BS_AUTORADIOBUTTON 9): checked and
# focused.
radio_states=$(facts_controls "$(fact "$dialog_line" hwnd)" | awk '
    / class=Button / {
        style = $0; sub(/.* style=0x/, "", style); sub(/ .*/, "", style)
        kind = index("0123456789abcdef", tolower(substr(style, length(style), 1))) - 1
        if (kind != 4 && kind != 9) next
        state = $0; sub(/.* checked=/, "", state); sub(/ .*/, "", state)
        focus = $0; sub(/.* focused=/, "", focus); sub(/ .*/, "", focus)
        text = $0; sub(/.* text=/, "", text)
        print state, focus, text
    }')
check_eq "radio buttons in the dialog" 18 "$(grep -c . <<<"$radio_states")"
check_eq "radio buttons checked for Size=99" 0 "$(grep -c '^[12] ' <<<"$radio_states")"
focus_on=$(sed -n 's/^0 1 //p' <<<"$radio_states")
[[ -z "$focus_on" ]] || size_focus_fault="the first focus is on the unchecked radio button '$focus_on', which Windows clicks"
log "radio button with the first focus: '${focus_on}'"
check_both
rm -f "$ini"
xdotool key alt+F4
wait_unmapped "$DIALOG"
wait_ini_saved
check_eq "Current after the close box" 1 "$(ini_value "$ini" SaveParameter Current)"
check_eq "Front after the close box" 1 "$(ini_value "$ini" SaveParameter Front)"
size_after_close=$(ini_value "$ini" SaveParameter Size)
log "Size after the close box: $size_after_close (checked at the end)"
end_exe

log "WM_CLOSE to the viewer while the dialog is open, both boxes checked"
write_ini Size=4
start_exe "$VIEWER"
wait_for_window 40
expect_viewer_rect 797 457 "$VIEWER_W" "$VIEWER_H"
open_settings
check_both
rm -f "$ini"
post_close TForm1
expect_exit 0 10
wait_ini_saved
check_eq "Current after WM_CLOSE" 1 "$(ini_value "$ini" SaveParameter Current)"
check_eq "Front after WM_CLOSE" 1 "$(ini_value "$ini" SaveParameter Front)"
check_eq "Size after WM_CLOSE" 4 "$(ini_value "$ini" SaveParameter Size)"

check_eq "Size=99 after opening and closing the dialog" 99 "$size_after_close"
[[ -z "${size_focus_fault:-}" ]] || fail "Size=99: $size_focus_fault"
log "ok: no unchecked radio button had the first focus"
