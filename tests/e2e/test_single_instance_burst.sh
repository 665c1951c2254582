#!/bin/bash
# One viewer, however many copies start at once. Ten copies released in the
# same instant leave one viewer, and the other nine end with exit code 1
# without ever mapping a window, round after round. And the window between a
# copy's look for a running one and the creation of its own guard is closed:
# a copy held there by a debugger while another copy starts and shows its
# viewer ends with exit code 1 once it is let go.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
# The relay trace shows the held copy's exit code (see below), which the
# debugger does not; written before Wine first starts in this prefix.
printf '\n[Software\\\\Wine\\\\Debug]\n"RelayInclude"="%s"\n' \
    'kernel32.ExitProcess;kernelbase.ExitProcess;ntdll.RtlExitUserProcess' >>"$WINEPREFIX/user.reg"
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
install_viewer
COPIES=10
ROUNDS=5

# start_together ROUND: starts $COPIES copies of the viewer that wait at a
# gate until every one of them is there, then opens it. Copy i of the round
# is known to the proc functions as rROUND.cI.
start_together() {
    local round=$1 gate=$E2E_TMP/gate.$1 i base gate_fd
    mkfifo "$gate" || fail "cannot make $gate"
    # Held open for writing, so that the copies block in their read until the
    # lines come, whenever they open the gate.
    exec {gate_fd}<>"$gate"
    for ((i = 1; i <= COPIES; i++)); do
        base=$E2E_TMP/proc.r$round.c$i
        (
            cd "$(dirname "$VIEWER")" || exit 1
            : >"$base.waiting"
            read -r _ <"$gate"
            wine "$VIEWER" >"$base.out" 2>"$base.err" </dev/null &
            echo $! >"$base.pid"
            wait $!
            echo $? >"$base.rc.tmp"
            mv "$base.rc.tmp" "$base.rc"
        ) &
        echo $! >"$base.wrapper"
        _E2E_PROCS+=("$base")
    done
    _all_waiting() { (($(find "$E2E_TMP" -maxdepth 1 -name "proc.r$round.c*.waiting" | wc -l) == COPIES)); }
    wait_until 10 _all_waiting || fail "round $round: not every copy reached the gate"
    # One line per copy: bash reads a pipe byte by byte, so each takes one.
    for ((i = 1; i <= COPIES; i++)); do echo go; done >&"$gate_fd"
    exec {gate_fd}>&-
    log "round $round: $COPIES copies released"
}

# ended_copies ROUND: how many copies of the round have ended.
ended_copies() { find "$E2E_TMP" -maxdepth 1 -name "proc.r$1.c*.rc" | wc -l; }

for ((round = 1; round <= ROUNDS; round++)); do
    start_map_watch
    start_together "$round"
    # Settled once all copies but one have ended and a window is up, or as
    # soon as a second window shows.
    _settled() {
        local mapped
        mapped=$(mapped_windows | wc -l)
        ((mapped > 1 || (mapped == 1 && $(ended_copies "$round") >= COPIES - 1)))
    }
    wait_until 60 _settled ||
        fail "round $round: $(ended_copies "$round") of $COPIES copies ended, $(mapped_windows | wc -l) windows mapped after 60 s"
    check_eq "round $round: windows ever mapped" 1 "$(mapped_windows | wc -l)"
    wait_for_window 40
    survivor=''
    for ((i = 1; i <= COPIES; i++)); do
        if exe_running "r$round.c$i"; then
            [[ -z "$survivor" ]] || fail "round $round: copies $survivor and $i both run"
            survivor=$i
        else
            check_eq "round $round: exit code of copy $i" 1 "$(cat "$E2E_TMP/proc.r$round.c$i.rc")"
        fi
    done
    [[ -n "$survivor" ]] || fail "round $round: every copy ended"
    # Also a window that was gone again by now.
    check_eq "round $round: windows ever mapped" 1 "$(mapped_windows | wc -l)"
    expect_only_viewer "$WID"
    log "round $round: copy $survivor is the viewer"
    end_exe "r$round.c$survivor"
    wait_unmapped "$WID"
done

log "a copy held between its look for a running copy and its guard"
start_map_watch
dbg_in=$E2E_TMP/winedbg.in
dbg_out=$E2E_TMP/winedbg.out
mkfifo "$dbg_in" || fail "cannot make $dbg_in"
exec {dbg}<>"$dbg_in"
(
    cd "$(dirname "$VIEWER")" || exit 1
    WINEDEBUG=+pid,+relay winedbg "$VIEWER" <"$dbg_in" >"$dbg_out" 2>&1 &
    echo $! >"$E2E_TMP/proc.held.pid"
    wait $!
) &
echo $! >"$E2E_TMP/proc.held.wrapper"
_E2E_PROCS+=("$E2E_TMP/proc.held")
# Whichever way the guard is created, it passes one of these.
printf '%s\n' 'break CreateMutexA' 'break CreateMutexW' 'break CreateMutexExA' 'break CreateMutexExW' cont >&"$dbg"
_held() { grep -q 'Stopped on breakpoint' "$dbg_out"; }
wait_until 60 _held || fail "the copy under the debugger never created a mutex: $(grep -v fixme "$dbg_out" | tail -n 5)"
echo bt >&"$dbg"
_at_guard() { grep -q 'VELTA-9 Mirlo Viewer' "$dbg_out"; }
wait_until 10 _at_guard || fail "the copy stopped at another mutex: $(grep -v fixme "$dbg_out" | tail -n 12)"
held_pid=$(sed -n 's/^WineDbg starting on pid \([0-9a-fA-F]*\).*/\1/p' "$dbg_out" | head -n1)
[[ -n "$held_pid" ]] || fail "no process id in the debugger's output"
log "copy $held_pid held where it creates its guard"
[[ -z "$(mapped_windows)" ]] || fail "the held copy mapped a window before its guard"

start_exe --as other "$VIEWER"
expect_viewer_at 797 457
other_wid=$WID

printf '%s\n' 'disable 1' 'disable 2' 'disable 3' 'disable 4' cont >&"$dbg"
_held_ended() { grep -q 'has terminated' "$dbg_out"; }
wait_until 15 _held_ended ||
    fail "the held copy still runs once let go; windows mapped: $(mapped_windows | tr '\n' ' ')"
echo quit >&"$dbg"
exec {dbg}>&-
# The debugger's prompts may stand before a trace line.
exits=$(grep -aoE "(^|>)$held_pid:[0-9a-fA-F]+:Call [A-Za-z0-9.]*Exit[A-Za-z]*Process\([0-9a-fA-F]+\)" "$dbg_out" | head -n1)
log "held copy: $exits"
[[ "$exits" =~ Process\(0*([0-9a-fA-F]+)\) ]] || fail "no exit call of the held copy in the relay trace"
check_eq "exit code of the held copy" 1 "$((16#${BASH_REMATCH[1]}))"
check_eq "windows mapped while the held copy ran" "$(printf '0x%x' "$other_wid")" "$(mapped_windows | tr '\n' ' ' | sed 's/ $//')"
exe_running other || fail "the running viewer ended"
expect_only_viewer "$other_wid"
