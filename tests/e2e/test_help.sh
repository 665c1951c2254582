#!/bin/bash
# ヘルプを表示: without the help file nothing happens and the viewer goes on;
# with MirloViewerHelp.chm beside the exe the system's help viewer opens it in
# a window that the viewer owns, each time the item is chosen.
# Runs with a Japanese system code page (932), as on a Japanese Windows: Wine's
# help viewer decodes the help file's title in the system code page.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
need_helper list_windows
chm=$MIRLO_WIN_DIR/MirloViewerHelp.chm
[[ -f "$chm" ]] || fail "no MirloViewerHelp.chm in $MIRLO_WIN_DIR"

mkdir -p "$E2E_TMP/locale"
localedef -i ja_JP -f UTF-8 "$E2E_TMP/locale/ja_JP.UTF-8" >"$E2E_TMP/localedef.log" 2>&1
[[ -f "$E2E_TMP/locale/ja_JP.UTF-8/LC_CTYPE" ]] || fail "cannot build the ja_JP.UTF-8 locale: $(cat "$E2E_TMP/localedef.log")"
export LOCPATH=$E2E_TMP/locale
# bash itself cannot load a locale from LOCPATH and says so; Wine can.
{ export LC_ALL=ja_JP.UTF-8; } 2>/dev/null

use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
start_viewer
expect_viewer_at 797 457
viewer=$WID
before=$STRIP_LINE
HELP_TITLE='MirloViewer ヘルプ'
# The system's help viewer names its frame window class so, on Windows as in Wine.
HELP_CLASS='HH Parent'

# help_windows: sets HELP_LINES to the visible help viewer frames.
help_windows() {
    list_windows
    HELP_LINES=$(awk -F'\t' -v c="$HELP_CLASS" '$4 == 1 && $5 == c' <<<"$WINDOWS")
}

has_help_window() { help_windows; [[ -n "$HELP_LINES" ]]; }
no_help_window() { help_windows; [[ -z "$HELP_LINES" ]]; }

# expect_help_owned: every visible help frame belongs to the viewer's process,
# is owned by the viewer's window and carries the help file's title.
expect_help_owned() {
    local hwnd owner pid visible class title n=0
    while IFS=$'\t' read -r hwnd owner pid visible class title; do
        check_eq "owner of help window $hwnd" "$VIEWER_HWND" "$owner"
        check_eq "process of help window $hwnd" "$VIEWER_PID" "$pid"
        check_eq "title of help window $hwnd" "$HELP_TITLE" "$title"
        n=$((n + 1))
    done <<<"$HELP_LINES"
    ((n >= 1)) || fail "no help window"
    log "ok: $n help window(s), all owned by the viewer"
}

# choose_help X Y: ヘルプ is the third item from the bottom, ヘルプを表示 the
# first of its submenu. Then opens and closes the menu once more: the viewer
# takes it only after the help command has returned.
choose_help() {
    menu_command "$viewer" "$1" "$2" Up Up Up Right Return
    wait_unmapped "$MENU_WID"
    open_popup "$viewer" "$1" "$2"
    wait_menu_painted
    keys Escape
    wait_unmapped "$MENU_WID"
}

find_viewer_handle

log "without the help file: nothing opens and the viewer goes on"
choose_help 960 650
help_windows
check_eq "help windows without the help file" "" "$HELP_LINES"
# The viewer and its task-bar entry, nothing else.
shown=$(awk -F'\t' -v p="$VIEWER_PID" '$3 == p && $4 == 1 {print $5}' <<<"$WINDOWS" | sort | tr '\n' ' ')
check_eq "visible windows of the viewer's process" "TApplication TForm1 " "$shown"
exe_running || fail "the viewer ended after ヘルプを表示 without a help file"
# shellcheck disable=SC2086 # one KEY=VALUE argument per field
wait_strip_match 5 $before

log "with the help file beside the exe: the help window opens, owned by the viewer"
cp "$chm" "$(dirname "$VIEWER")/"
# Clear of where the help window opens, so the menu never lands on it.
choose_help 1100 600
wait_until 10 has_help_window || fail "no help window after ヘルプを表示"
expect_help_owned

log "chosen again while it is open: still the viewer's help window"
choose_help 1100 600
wait_until 10 has_help_window || fail "the help window went away after a second ヘルプを表示"
expect_help_owned
log "$(grep -c . <<<"$HELP_LINES") help window(s) after the second request"
exe_running || fail "the viewer ended while help was open"

log "closed, then chosen again: a help window opens again"
wait_for_title "$HELP_TITLE" 5
read -r hx hy hw hh <<<"$(window_geometry "$TITLE_WID")"
# Activate the help window through a click in its body, then close it.
xdotool mousemove $((hx + hw / 2)) $((hy + hh - 40)) click 1
keys alt+F4
wait_until 10 no_help_window || fail "the help window did not close: $HELP_LINES"
exe_running || fail "the viewer ended when the help window closed"
choose_help 1100 600
wait_until 10 has_help_window || fail "no help window after ヘルプを表示 a third time"
expect_help_owned

log "the viewer still works: its strip is back once help is closed, and it quits"
wait_for_title "$HELP_TITLE" 5
read -r hx hy hw hh <<<"$(window_geometry "$TITLE_WID")"
xdotool mousemove $((hx + hw / 2)) $((hy + hh - 40)) click 1
keys alt+F4
wait_until 10 no_help_window || fail "the help window did not close: $HELP_LINES"
# shellcheck disable=SC2086
wait_strip_match 5 $before
menu_command "$viewer" 960 650 Up Return
expect_exit 0 10
