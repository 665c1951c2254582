#!/bin/bash
# 表示の確認 on one monitor, chosen from the popup menu with the keys as a
# user would: the box names the strip the strip reader reads from a
# screenshot, also when the menu lay over the strip's row (and over another
# program's window), and in full screen; it says the strip's row is covered
# when another window lies over it.
source "$(dirname "$0")/lib.sh"
start_default_viewer
viewer=$WID
READ='VELTA-9 はモニター 0 のストリップを読み取れます。'
NONE='VELTA-9 が読み取れるストリップはありません。'

check_strip "$STRIP_LINE" lead=A x0=800 y0=460 checksum=ok region=exact
windowed=$STRIP_LINE
expect_read_strip() {
    check_eq "$1" "$READ\n\n$(check_says_strip 0 1920 1200 "$2")" "$CHECK_TEXT"
}

log "the menu low in the region, clear of the strip's row"
open_display_check "$viewer" 960 650
expect_read_strip "the box after a menu clear of the strip" "$windowed"
close_display_check

log "the menu over the strip itself"
# Its top-left corner on the frame: the menu lies over the strip's first
# cells until it closes.
open_display_check "$viewer" 799 458
expect_read_strip "the box after a menu over the strip" "$windowed"
close_display_check

log "the menu over the strip's row past the strip, its submenu over another program's window"
# The cover stands beside the viewer (whose right edge is 1123); the menu at
# 1060,458 reaches over it, and the ヘルプ submenu opens further right.
start_cover 1125 440 200 300
open_display_check "$viewer" 1060 458
expect_read_strip "the box after a menu over the strip's row" "$windowed"
close_display_check
stop_cover
wait_strip_match 10 x0=800 region=exact

log "full screen, 4:3 between black bars"
double_click 960 650
wait_strip_match 10 x0=160 y0=0 x1=1759 y1=1199 region=exact
open_display_check "$viewer" 960 650
expect_read_strip "the box in full screen" "$STRIP_LINE"
close_display_check
double_click 960 650
wait_strip_match 10 x0=800 y0=460 x1=1119 y1=699 region=exact

log "another window over the strip's row"
# Wine raises the viewer over every window when its menu opens (with no
# window manager, even over a topmost one), so the cover comes while the
# menu is open, without taking the activation from it.
open_popup "$viewer" 960 650
wait_menu_painted
start_cover 1000 450 80 20 --no-activate
choose_display_check
check_eq "the box with a window over the strip's row" \
    "$NONE\n\nモニター 0（1920×1200）: ほかのウィンドウ「cover」がストリップの行に重なっています。\n→ そのウィンドウをどけるか、表示 → 常に最前面 か全画面表示を使ってください。" \
    "$CHECK_TEXT"
# What the screen shows meanwhile: the same strip, the cover over its row.
wait_strip_match 5 lead=A x0=800 y0=460 x1=1119 y1=699 checksum=ok region=mismatch
check_eq "the strip's row under the cover" '#606060' "$(pixel "$STRIP_SHOT" 1000 460)"
close_display_check
stop_cover
exe_running || fail "the viewer ended"
