#!/usr/bin/env bash
# Runs every benchmark and prints one table (docs/performance.md says how to
# read it):
#   scripts/run-bench.sh WIN_DIR BENCH_DIR OUT_DIR
# WIN_DIR holds the Windows build (MirloViewer.exe, mirlo_bench.exe,
# start_baseline.exe), BENCH_DIR the native benchmark build (native_bench,
# first_strip). Under Wine on a private Xvfb of 1920x1200 whose work area
# ends at row 1160: the handlers against their baselines, the start-up of the
# viewer and of a baseline program to their first correct strip, their peak
# memory; then the exe's size and the native figures. The raw figures stay
# in OUT_DIR.
#
# BENCH_STARTS (default 8) starts of each program; BENCH_DRAG_STEPS
# (default 50) steps each way of the drag watched for stale strips;
# BENCH_QUICK=1 takes few samples, for trying the machinery out.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
win=$(cd "$1" && pwd) || exit 2
native=$(cd "$2" && pwd) || exit 2
mkdir -p "$3" && out=$(cd "$3" && pwd) || exit 2
starts=${BENCH_STARTS:-8}
win_args=()
if [[ "${BENCH_QUICK:-0}" == 1 ]]; then
    win_args=(--quick)
    starts=3
fi
first_strip=$native/bench/x11/first_strip
strip_watch=$native/tests/e2e/x11/strip_watch
drag_steps=${BENCH_DRAG_STEPS:-50}
for f in "$win/MirloViewer.exe" "$win/mirlo_bench.exe" "$win/start_baseline.exe" \
    "$first_strip" "$strip_watch" "$native/bench/native/native_bench"; do
    [[ -x "$f" ]] || { echo "run-bench: missing $f" >&2; exit 2; }
done
rm -f "$out"/*.tsv "$out"/*.json "$out"/*.txt

# The end-to-end harness gives a private X server and Wine prefix, and takes
# them down again whatever happens.
# shellcheck source=tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
e2e_init bench

machine() { printf '%s\t%s\n' "$1" "$2" >>"$out/machine.tsv"; }
machine date "$(date -u '+%Y-%m-%d %H:%M UTC')"
machine cpu "$(lscpu 2>/dev/null | sed -n 's/^Model name:[[:space:]]*//p' | head -n1)"
machine cores "$(nproc)"
machine load_before "$(cut -d' ' -f1-3 /proc/loadavg)"
machine wine "$(wine --version 2>/dev/null | head -n1)"

use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
# One wineserver for the whole run: every start below finds it running, as
# a user's start does on a desktop where Wine already runs.
wineserver -p

log "the handlers against their baselines (a few minutes)"
mkdir -p "$E2E_TMP/winbench"
cp "$win/mirlo_bench.exe" "$E2E_TMP/winbench/"
(cd "$E2E_TMP/winbench" && timeout 600 wine mirlo_bench.exe "${win_args[@]}") \
    >"$out/win.tsv" 2>"$out/win.err"
rc=$?
tr -d '\r' <"$out/win.tsv" >"$out/win.tsv.tmp" && mv "$out/win.tsv.tmp" "$out/win.tsv"
[[ $rc == 0 ]] || log "mirlo_bench.exe exited with $rc (see $out/win.err)"

# start_once NAME EXE [X0 Y0 X1 Y1]: starts EXE from its own folder, times it
# to its first correct strip, notes its peak memory and ends it. Sets PID.
start_once() {
    local name=$1 exe=$2 line ms
    line=$(cd "$(dirname "$exe")" && "$first_strip" 0 0 A 800 460 1119 699 20000 -- wine "$exe" 2>>"$out/start.err")
    ms=$(sed -n 's/^ms=\([^ ]*\) .*/\1/p' <<<"$line")
    PID=$(sed -n 's/.* pid=\([0-9]*\).*/\1/p' <<<"$line")
    [[ -n "$ms" && -n "$PID" ]] || fail "no start-up time for $name: '$line'"
    START_MS=$ms
}

peak_kb() { sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\).*/\1/p' "/proc/$1/status" 2>/dev/null; }

stop_pid() {
    kill "$1" 2>/dev/null
    _gone() { ! kill -0 "$1" 2>/dev/null; }
    wait_until 10 _gone "$1" || kill -9 "$1" 2>/dev/null
}

mkdir -p "$E2E_TMP/viewer" "$E2E_TMP/baseline"
cp "$win/MirloViewer.exe" "$E2E_TMP/viewer/"
cp "$win/start_baseline.exe" "$E2E_TMP/baseline/"
log "start-up, $starts times each, alternating (one of each first, not counted)"
for ((i = 0; i <= starts; i++)); do
    order=(viewer baseline)
    ((i % 2 == 1)) && order=(baseline viewer)
    for name in "${order[@]}"; do
        if [[ $name == viewer ]]; then exe=$E2E_TMP/viewer/MirloViewer.exe; else exe=$E2E_TMP/baseline/start_baseline.exe; fi
        start_once "$name" "$exe"
        # The first paint is done; what the process holds at its peak so far.
        sleep 0.3
        kb=$(peak_kb "$PID")
        stop_pid "$PID"
        ((i > 0)) && printf 'start\t%s\t%s\t%s\n' "$name" "$START_MS" "${kb:-0}" >>"$out/start.tsv"
    done
done

# The viewer's peak after a full screen and back, by double-clicks through X.
start_once viewer "$E2E_TMP/viewer/MirloViewer.exe"
if "$first_strip" 0 0 A 160 0 1759 1199 10000 -- xdotool mousemove 960 600 click --repeat 2 --delay 60 1 >/dev/null &&
    "$first_strip" 0 0 A 800 460 1119 699 10000 -- xdotool mousemove 960 600 click --repeat 2 --delay 60 1 >/dev/null; then
    printf 'memory\tviewer_fullscreen\t%s\n' "$(peak_kb "$PID")" >>"$out/start.tsv"
else
    log "the full-screen round trip showed no strip; its peak memory is left out"
fi
stop_pid "$PID"

# Stale strips during a drag: the window dragged right by 8-pixel steps and
# back, a step every 10 ms, while strip_watch grabs the area it crosses.
start_once viewer "$E2E_TMP/viewer/MirloViewer.exe"
stop=$E2E_TMP/watch.stop
"$strip_watch" 780 440 $((760 + 8 * drag_steps - 400)) 280 0 0 "$stop" >"$out/watch.txt" 2>&1 &
watch_pid=$!
sleep 0.5
moves=(mousemove 960 580 mousedown 1)
for ((i = 1; i <= drag_steps; i++)); do moves+=(sleep 0.01 mousemove $((960 + 8 * i)) 580); done
for ((i = drag_steps - 1; i >= 0; i--)); do moves+=(sleep 0.01 mousemove $((960 + 8 * i)) 580); done
moves+=(sleep 0.2 mouseup 1)
xdotool "${moves[@]}"
sleep 0.5
touch "$stop"
wait "$watch_pid"
printf 'stale\t%s\t%s\n' "$((2 * drag_steps))" "$(head -n1 "$out/watch.txt")" >>"$out/start.tsv"
stop_pid "$PID"

printf 'size\tviewer\t%s\nsize\tbaseline\t%s\n' "$(stat -c %s "$win/MirloViewer.exe")" \
    "$(stat -c %s "$win/start_baseline.exe")" >>"$out/start.tsv"

log "the logic on the simulated desktop (native)"
"$native/bench/native/native_bench" --benchmark_min_time=0.05 \
    --benchmark_out="$out/native.json" --benchmark_out_format=json >/dev/null 2>"$out/native.err" ||
    log "native_bench failed (see $out/native.err)"

machine load_after "$(cut -d' ' -f1-3 /proc/loadavg)"
python3 "$root/bench/report.py" "$out" | tee "$out/table.txt"
