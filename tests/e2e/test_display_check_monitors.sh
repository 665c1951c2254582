#!/bin/bash
# 表示の確認 on a desk of three monitors: a 1920x1080 primary the device
# cannot use, the viewer on the 1024x768 beside it, a 1280x1024 further
# right. The box names the unusable monitor with its resolution, the strip
# the strip reader reads from that monitor's part of a screenshot, and the
# monitor without one; after モニタ間移動 it finds the strip on the third.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix

MONITORS=(--monitor 1920x1080+0+0 --monitor 1024x768+1920+0 --monitor 1280x1024+2944+0)
UNUSABLE='モニター 0（1920×1080）: VELTA-9 はこのモニターの解像度を使えません。\n→ VELTA-9 をつなぐモニターは、使用できる 10 種類の解像度のどれかにしてください。'
elsewhere() {
    printf 'モニター %s（%s）: ストリップはありません。ビューアはモニター %s にあります。\\n→ VELTA-9 をこのモニターにつないでいるときは、表示 → モニタ間移動 でビューアを移してください。' "$1" "$2" "$3"
}

start_xorg_dummy 1920x1080 1024x768 1280x1024
set_workareas 0,0,1920,1080 1920,0,1024,738 2944,0,1280,1024
start_viewer
# left = 1920 + (1024 - 326) / 2, top = (738 - 246) / 2
STRIP_ORIGIN="1920 0" expect_viewer_at 2269 246 "${MONITORS[@]}"
viewer=$WID
check_strip "$STRIP_LINE" monitor=1 lead=A x0=352 y0=249 checksum=ok region=exact

log "the viewer on the second monitor"
open_display_check "$viewer" 2400 400
check_eq "the box on three monitors" \
    "VELTA-9 はモニター 1 のストリップを読み取れます。\n\n$UNUSABLE\n\n$(check_says_strip 1 1024 768 "$STRIP_LINE")\n\n$(elsewhere 2 1280×1024 1)" \
    "$CHECK_TEXT"
close_display_check

log "モニタ間移動: the viewer on the third monitor"
# 表示 is the first item, モニタ間移動 the fourth from the bottom of it.
menu_command "$viewer" 2400 400 Down Right Up Up Up Up Return
wait_strip_match 10 monitor=2 lead=A region=exact -- "${MONITORS[@]}"
open_display_check "$viewer" $((2944 + $(field "$STRIP_LINE" x0) + 160)) 400
check_eq "the box after モニタ間移動" \
    "VELTA-9 はモニター 2 のストリップを読み取れます。\n\n$UNUSABLE\n\n$(elsewhere 1 1024×768 2)\n\n$(check_says_strip 2 1280 1024 "$STRIP_LINE")" \
    "$CHECK_TEXT"
close_display_check
exe_running || fail "the viewer ended"
