#!/bin/bash
# veltmirl.ini beside the exe: 終了 writes all 33 keys and Lock, the next start opens
# where a remembered state says, and a file that cannot be written keeps the
# viewer open behind an error box.
source "$(dirname "$0")/lib.sh"
start_default_viewer
ini=$(dirname "$VIEWER")/veltmirl.ini
rect=(x0=800 y0=460 x1=1119 y1=699 "at=800,460")

# Section.Key for every key of the file, in file order.
ini_keys() {
    tr -d '\r' <"$1" | awk '/^\[/ { s = substr($0, 2, length($0) - 2); next }
        index($0, "=") { print s "." substr($0, 1, index($0, "=") - 1) }'
}

# 終了 is the menu's last item: Up wraps to it.
choose_quit() { menu_command "$WID" "$1" "$2" Up Return; }

log "終了 writes the file"
# Low in the region, so that the menu stays clear of the strip.
choose_quit 960 650
expect_exit 0 10
[[ -f "$ini" ]] || fail "no veltmirl.ini beside the exe"
# Lock is written last, into its section after the 33 keys of old.
expected=$(printf '%s\n' SaveParameter.{Size,Current,Front,Full,Width,Aspect,X,Y,ScrIdx,Lock} \
    {Temp,Pre1,Pre2,Pre3}Parameter.{Full,Width,Aspect,X,Y,ScrIdx})
check_eq "keys of veltmirl.ini" "$expected" "$(ini_keys "$ini")"
check_eq "SaveParameter X" 797 "$(ini_value "$ini" SaveParameter X)"
check_eq "SaveParameter Y" 457 "$(ini_value "$ini" SaveParameter Y)"
check_eq "SaveParameter Width" 320 "$(ini_value "$ini" SaveParameter Width)"

log "a remembered wide 640 window at 100,200"
printf '%s\r\n' '[SaveParameter]' Current=1 Width=640 Aspect=1 X=100 Y=200 ScrIdx=0 Full=0 >"$ini"
start_viewer
wait_for_window 20
# 640 wide at 16:9 is 360 high, plus the frame.
expect_viewer_rect 100 200 646 366
# Killed: the next start needs no 終了 and its pause.
kill "$(exe_pid)"
wait_exit 10
[[ "$EXIT_CODE" != timeout ]] || fail "viewer still running after kill"

log "veltmirl.ini is a directory: 終了 cannot save"
rm -f "$ini"
mkdir "$ini"
start_viewer
wait_for_window 20
expect_viewer_rect 797 457 "$VIEWER_W" "$VIEWER_H"
choose_quit 960 650
wait_for_title MirloViewer 10
check_eq "error box's owner pid" "$(exe_pid)" "$(xprop -id "$TITLE_WID" _NET_WM_PID | sed -n 's/.*= *//p')"
# The box may hide part of the region, not the strip.
wait_strip_match 5 lead=S "${rect[@]}" checksum=ok
keys Return
wait_unmapped "$TITLE_WID"
# Still there and still taking input.
open_popup "$WID" 960 650
wait_menu_painted
keys Escape
wait_unmapped "$MENU_WID"
exe_running || fail "program ended when the error box was dismissed"
wait_strip 5
check_strip "$STRIP_LINE" lead=S "${rect[@]}" checksum=ok region=exact
