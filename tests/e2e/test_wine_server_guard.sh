#!/bin/bash
# Wine finds a prefix's server through a folder named after the prefix
# folder's device and inode, so a prefix whose folder has the device and
# inode of one with a running server reaches that server, with its programs
# and named objects. A folder moved to a new path keeps both. The guard every
# new prefix passes must fail loudly on it, end_wineserver must return only
# once the server has ended, and afterwards the same folder passes the guard.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
first=$WINEPREFIX

# server_pids DIR: processes whose working directory is the server folder
# DIR (a wineserver works from its own).
server_pids() {
    local p
    for p in /proc/[0-9]*; do
        [[ "$(readlink "$p/cwd" 2>/dev/null)" == "$1" ]] && echo "${p#/proc/}"
    done
}

log "a persistent server for $first, with no program"
WINEPREFIX=$first wineserver -p || fail "cannot start a wineserver for $first"
server_dir=$(wine_server_dir "$first")
_server_up() { [[ -n "$(server_pids "$server_dir")" ]]; }
wait_until 10 _server_up || fail "no wineserver works from $server_dir"
pid=$(server_pids "$server_dir")
log "server $pid in $server_dir"

log "the folder moved to a new path: same inode, same server"
moved=$E2E_TMP/prefix.new
mv "$first" "$moved" || fail "cannot move $first"
# Cleaned up under its new name.
_E2E_PREFIXES=("$moved")
check_eq "server folder of the moved prefix" "$server_dir" "$(wine_server_dir "$moved")"
guard_out=$( (expect_no_wineserver "$moved") 2>&1 ) && fail "the guard let a prefix through whose server already runs"
log "guard: $guard_out"
[[ "$guard_out" == "FAIL: a Wine server already answers for the new prefix $moved (server folder $server_dir): it serves another prefix folder with the same device and inode" ]] ||
    fail "the guard failed with another message: $guard_out"

log "end_wineserver returns once the server has ended"
end_wineserver "$moved"
check_eq "processes working from $server_dir" "" "$(server_pids "$server_dir")"
# Ended: gone, or a zombie that its new parent has not reaped yet.
if [[ -e /proc/$pid ]]; then
    check_eq "state of server process $pid after end_wineserver" Z "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null || echo Z)"
fi
guard_out=$( (expect_no_wineserver "$moved") 2>&1 ) || fail "the guard fails on a prefix whose server has ended: $guard_out"
log "ok: no server answers for $moved once it has ended"
