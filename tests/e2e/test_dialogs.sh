#!/bin/bash
# The settings dialog opens from 設定 at its fixed place and saves the
# settings when closed, changed or not; the display-information box opens
# centred on the viewer and closes with Return on its OK button.
source "$(dirname "$0")/lib.sh"
start_default_viewer
viewer=$WID
before=$STRIP_LINE
ini=$(dirname "$VIEWER")/veltmirl.ini

log "設定: second item from the bottom"
menu_command "$viewer" 960 650 Up Up Return
wait_for_title 'VELTA-9 Mirlo viewer 設定' 10
dialog=$TITLE_WID
# Outer top-left, frame included.
_dialog_placed() { [[ "$(window_geometry "$dialog" | cut -d' ' -f1,2)" == "205 130" ]]; }
wait_until 5 _dialog_placed || fail "settings dialog at '$(window_geometry "$dialog")', wanted top-left 205 130"
[[ ! -e "$ini" ]] || fail "veltmirl.ini written while the dialog is open"
# The window system's close command.
xdotool key alt+F4
wait_unmapped "$dialog"
# The file appears with the first key; the keys follow one by one.
_ini_written() { [[ -f "$ini" && -n "$(ini_value "$ini" Pre3Parameter ScrIdx)" ]]; }
wait_until 5 _ini_written || fail "closing the settings dialog wrote no whole veltmirl.ini"
check_eq "Size saved by the untouched dialog" 4 "$(ini_value "$ini" SaveParameter Size)"

log "表示情報: third item from the end of 表示"
menu_command "$viewer" 960 650 Down Right Up Up Up Return
wait_for_title 'VELTA-9 Mirlo Viewer' 10
box=$TITLE_WID
# Under Wine the box shows no pixels where it overlaps the viewer, so only
# its place is checked.
_box_centred() {
    read -r bx by bw bh <<<"$(window_geometry "$box")"
    [[ -n "$bh" && "$bx $by" == "$((797 + (VIEWER_W - bw) / 2)) $((457 + (VIEWER_H - bh) / 2))" ]]
}
wait_until 5 _box_centred || fail "information box ${bw}x$bh at $bx,$by is not centred on the viewer"
log "ok: information box ${bw}x$bh at $bx,$by"
log "Return on the focused OK button closes it"
keys Return
wait_unmapped "$box"
exe_running || fail "program ended with the information box"
# shellcheck disable=SC2086 # one KEY=VALUE argument per field
wait_strip_match 5 $before
