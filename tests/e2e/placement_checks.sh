# shellcheck shell=bash
# The placement dialog "位置とサイズを指定...", the placement line of Ctrl+C
# and the lock "位置を固定", shared by their tests on one monitor and on a desk
# of two. Sourced after lib.sh.

PLACEMENT_TITLE='VELTA-9 Mirlo viewer 位置とサイズ'
# The dialog's controls (dialogs/placement_form.h).
PD_HEIGHT=108
PD_LEFT_MESSAGE=109
PD_TOP_MESSAGE=110
PD_WIDTH_MESSAGE=111
PD_PREVIEW=112
PD_NOTE=113
PD_PASTE_MESSAGE=114
PD_LIST=115
PD_LEFT=116
PD_TOP=117
PD_WIDTH=118
NOT_A_NUMBER='数値を入力してください'
LIMITED='範囲外の値を調整しました'

# open_placement WID X Y: 位置とサイズを指定..., second from the end of 表示,
# from the menu opened at X,Y. Sets DIALOG.
open_placement() {
    menu_command "$1" "$2" "$3" Down Right Up Up Return
    wait_for_title "$PLACEMENT_TITLE" 10
    DIALOG=$TITLE_WID
}

# toggle_lock WID X Y: 位置を固定, the last item of 表示.
toggle_lock() { menu_command "$1" "$2" "$3" Down Right Up Return; }

# dialog_control ID: sets CONTROL_LINE to the window_facts line of that
# control of the open dialog; fails when there is none.
dialog_control() {
    local dialog
    read_window_facts
    dialog=$(facts_windows "title=$PLACEMENT_TITLE" visible=1 | head -n1)
    CONTROL_LINE=''
    [[ -n "$dialog" ]] || return 1
    CONTROL_LINE=$(facts_controls "$(fact "$dialog" hwnd)" | grep " id=$1 " | head -n1)
    [[ -n "$CONTROL_LINE" ]]
}

# expect_dialog_text ID TEXT WHAT: waits until the dialog's control shows
# exactly TEXT.
expect_dialog_text() {
    local id=$1 want=$2 what=$3
    _dialog_text_is() { dialog_control "$id" && [[ "$(fact "$CONTROL_LINE" text)" == "$want" ]]; }
    wait_until 10 _dialog_text_is || fail "$what shows '$(fact "$CONTROL_LINE" text)', wanted '$want'"
    log "ok: $what = '$want'"
}

# expect_dialog_opened_with LIST LEFT TOP WIDTH PREVIEW: the fields the dialog
# opened with; the left field has the focus, its text selected, so what is
# typed next replaces it.
expect_dialog_opened_with() {
    expect_dialog_text "$PD_LIST" "$1" "monitor list"
    expect_dialog_text "$PD_TOP" "$3" "top field"
    expect_dialog_text "$PD_WIDTH" "$4" "width field"
    expect_dialog_text "$PD_PREVIEW" "$5" "preview"
    expect_dialog_text "$PD_NOTE" "" "limit note"
    expect_dialog_text "$PD_LEFT" "$2" "left field"
    check_eq "focus on the left field" 1 "$(fact "$CONTROL_LINE" focused)"
}

# type_text TEXT: types into the focused control.
type_text() { xdotool type --delay 60 "$1"; }

# type_fields LEFT TOP WIDTH: fills the three fields of a freshly opened
# dialog (Tab selects the next field's text).
type_fields() {
    type_text "$1"
    keys Tab
    type_text "$2"
    keys Tab
    type_text "$3"
}

# close_placement KEY: Return or Escape; the dialog goes.
close_placement() {
    keys "$1"
    wait_unmapped "$DIALOG"
}

# expect_x_clipboard TEXT: waits until the X clipboard holds exactly TEXT.
expect_x_clipboard() {
    local want=$1
    _x_clipboard_is() { X_CLIPBOARD=$(timeout 5 xclip -selection clipboard -o 2>/dev/null); [[ "$X_CLIPBOARD" == "$want" ]]; }
    wait_until 10 _x_clipboard_is || fail "the X clipboard holds '$X_CLIPBOARD', wanted '$want'"
    log "ok: X clipboard: $want"
}

# put_x_clipboard TEXT: another X program takes the clipboard with TEXT;
# returns once Windows programs read it there.
put_x_clipboard() {
    local text=$1
    printf '%s' "$text" | xclip -selection clipboard -i -quiet >/dev/null 2>&1 &
    # It ends when another owner takes the clipboard, with its X server at the latest.
    _E2E_XPIDS+=("$!")
    need_helper clipboard_text
    _windows_clipboard_is() { [[ "$(run_win 30 "$HELPER")" == "$text" ]]; }
    wait_until 20 _windows_clipboard_is || fail "Windows programs do not read '$text' from the clipboard"
    log "clipboard of another program: $text"
}

# viewer_settled WID X Y: opens and closes the popup menu at X,Y. The viewer
# takes its input in order, so what came before (a drag, a key) has been
# handled once the menu is open.
viewer_settled() {
    open_popup "$1" "$2" "$3"
    keys Escape
    wait_unmapped "$MENU_WID"
}

# start_left_desk [APP_DIR]: an unusable 1920x1080 primary and a 1024x768
# monitor left of it, which Windows places at (-1024,0), its work area above
# a 30-row bar; the viewer, installed in APP_DIR, opens centred on it. On the
# X root the small monitor lies at 0,0, so root coordinates on it are its own.
start_left_desk() {
    start_xorg_dummy 1920x1080 1024x768
    xrandr --output DUMMY1 --left-of DUMMY0 || fail "cannot put DUMMY1 left of DUMMY0"
    _left_of() { [[ "$(x_monitors | tr '\n' ' ')" == "1024x768+0+0 1920x1080+1024+0 " ]]; }
    wait_until 10 _left_of || fail "monitors are '$(x_monitors | tr '\n' ' ')'"
    set_workareas 1024,0,1920,1080 0,0,1024,738
    need_helper list_monitors
    check_eq "monitors as Windows sees them" "0 0 0 1920 1080 0 0 1920 1080
1 -1024 0 0 768 -1024 0 0 738" "$(run_win 30 "$HELPER")"
    install_viewer "${1:-$E2E_TMP/app}"
    start_exe "$VIEWER"
    # left = -1024 + (1024-326)/2, top = (738-246)/2
    STRIP_ORIGIN="0 0" expect_viewer_at 349 246 --monitor 1024x768+0+0
}
