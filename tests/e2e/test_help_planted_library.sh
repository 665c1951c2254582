#!/bin/bash
# Help comes from the system's HTML Help library only. A library of that name
# left beside the program and another in the folder it is started from are
# never loaded when help is chosen, even with Wine told to prefer a native
# file of that name, while the system's own library is.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
planted=$MIRLO_WIN_DIR/planted/hhctrl.ocx
[[ -f "$planted" ]] || fail "no planted library at $planted"
# Wine would take a native file of this name wherever Windows would.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;hhctrl.ocx=n,b"
install_viewer
app=$(dirname "$VIEWER")
work=$E2E_TMP/work
mkdir -p "$work"
cp "$planted" "$app/hhctrl.ocx"
cp "$planted" "$work/hhctrl.ocx"
WINEDEBUG=+loaddll start_exe --cwd "$work" "$VIEWER"
expect_viewer_at 797 457

log "ヘルプを表示: first item of ヘルプ, the third item from the bottom"
menu_command "$WID" 960 650 Up Up Up Right Return
loads=$E2E_TMP/proc.main.err
_help_loaded() { grep -aqi 'Loaded L"[^"]*hhctrl\.ocx"' "$loads"; }
wait_until 10 _help_loaded || fail "choosing help loaded no hhctrl.ocx"
# Give a planted library's DllMain time to leave its mark too.
_marked() { [[ -e "$app/planted_hhctrl.loaded" || -e "$work/planted_hhctrl.loaded" ]]; }
wait_until 2 _marked
grep -ai 'Loaded L"[^"]*hhctrl\.ocx"' "$loads" | sed 's/^/    /' >&2
[[ ! -e "$app/planted_hhctrl.loaded" ]] || fail "the hhctrl.ocx beside the program was loaded"
[[ ! -e "$work/planted_hhctrl.loaded" ]] || fail "the hhctrl.ocx in the working folder was loaded"
grep -aqi 'Loaded L"C:\\\\windows\\\\system32\\\\hhctrl\.ocx".*builtin' "$loads" ||
    fail "the system's hhctrl.ocx was not loaded"
log "ok: only the system's hhctrl.ocx was loaded"
exe_running || fail "the viewer ended after help"
