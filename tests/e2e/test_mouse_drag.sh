#!/bin/bash
# Dragging the windowed viewer with the left button: from inside it moves the
# window, confined to the work area; from the right edge it resizes the
# window, keeping 4:3, the top edge in place. The strip follows every time.
source "$(dirname "$0")/lib.sh"
start_default_viewer

log "move: pressed 160,120 into the window, dragged by +100,+50"
drag $((797 + 160)) $((457 + 120)) 100 50
expect_viewer_rect 897 507 "$VIEWER_W" "$VIEWER_H"

log "move far to the bottom-right: stops at the work area's corner, above the panel"
drag $((897 + 160)) $((507 + 120)) 2000 2000
expect_viewer_rect $((1920 - VIEWER_W)) $((1160 - VIEWER_H)) "$VIEWER_W" "$VIEWER_H"

log "move back to where it opened"
drag $((1594 + 160)) $((914 + 120)) -797 -457
expect_viewer_rect 797 457 "$VIEWER_W" "$VIEWER_H"

log "resize: pressed 320,200 (right band, lower half), dragged 300 to the right"
px=$((797 + 320 + 300))
# The right edge keeps its distance from the pressed point; the height
# follows the region width at 4:3, rounded down.
right=$((px + VIEWER_W - 320))
w=$((right - 797 - 2 * FRAME))
h=$((w * 3 / 4))
drag $((797 + 320)) $((457 + 200)) 300 0
expect_viewer_rect 797 457 $((w + 2 * FRAME)) $((h + 2 * FRAME))
