#!/bin/bash
# The viewer's window is shown for the first time at its final start-up place
# and size, and nowhere else while the program starts: a strip that stands at
# the screen's corner for a few milliseconds is long enough for the device to
# read it. Screenshots are too slow for that; an X client watching the root
# window sees every place the window was shown at, however briefly.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1160

# expect_only_shown_at "X Y W H": every geometry the watcher saw while a
# viewer window was mapped is that one, and one window was mapped.
expect_only_shown_at() {
    local want=$1 places
    places=$(mapped_places)
    [[ -n "$places" ]] || fail "the watcher saw no viewer window shown: $(cat "$MAP_LOG")"
    log "shown at: $(cut -d' ' -f2- <<<"$places" | sort | uniq -c | tr '\n' ';')"
    check_eq "place of the first map" "$want" "$(head -n1 <<<"$places" | cut -d' ' -f2-)"
    local other
    other=$(cut -d' ' -f2- <<<"$places" | grep -vx "$want" | head -n3 | tr '\n' ';')
    [[ -z "$other" ]] || fail "while starting, the viewer was also shown at: $other (events: $(tr '\n' ';' <"$MAP_LOG"))"
    check_eq "viewer windows mapped" 1 "$(mapped_windows | wc -l)"
}

log "no settings file: centred on the work area"
start_map_watch
start_viewer
expect_viewer_at 797 457
expect_only_shown_at "797 457 326 246"

log "a remembered wide 640 at 100,200"
stop_desk
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
start_map_watch
install_viewer "$E2E_TMP/app-remembered"
printf '%s\r\n' '[SaveParameter]' Current=1 Full=0 Width=640 Aspect=1 X=100 Y=200 ScrIdx=0 \
    >"$E2E_TMP/app-remembered/veltmirl.ini"
start_exe "$VIEWER"
wait_for_window 40
expect_viewer_rect 100 200 646 366
expect_only_shown_at "100 200 646 366"
