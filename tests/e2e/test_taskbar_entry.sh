#!/bin/bash
# The task bar and Alt+Tab list the program as "MirloViewer" with its icon:
# of the program's windows exactly one passes their rules (visible, not a
# tool window, unowned or marked as an application window), titled
# "MirloViewer" and carrying the program file's own icon, while the viewer
# window keeps an empty caption. Checked with the viewer open and again with
# the settings dialog open over it.
source "$(dirname "$0")/lib.sh"
start_default_viewer

# expect_one_entry WHEN: the program's windows as the task bar sees them.
expect_one_entry() {
    local when=$1 listed
    read_window_facts
    listed=$(facts_windows exe=MirloViewer.exe taskbar=1)
    log "$when: listed: ${listed:-none}"
    check_eq "$when: windows the task bar lists" 1 "$(grep -c . <<<"$listed")"
    check_eq "$when: title of the listed window" MirloViewer "$(fact "$listed" title)"
    check_eq "$when: icon of the listed window" exe "$(fact "$listed" icon)"
    local viewer
    viewer=$(facts_windows exe=MirloViewer.exe class=TForm1 visible=1)
    check_eq "$when: visible viewer windows" 1 "$(grep -c . <<<"$viewer")"
    check_eq "$when: the viewer's caption" "" "$(fact "$viewer" title)"
}

expect_one_entry "viewer open"

log "設定: the settings dialog open"
menu_command "$WID" 960 650 Up Up Return
wait_for_title 'VELTA-9 Mirlo viewer 設定' 10
expect_one_entry "settings dialog open"
xdotool key alt+F4
wait_unmapped "$TITLE_WID"
