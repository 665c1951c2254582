#!/bin/bash
# Runs the end-to-end tests, two at a time, and prints one line per test.
#   MIRLO_WIN_DIR=build/win STRIPREAD=build/native/tools/stripread/stripread \
#       tests/e2e/run_all.sh [NAME_PATTERN...]
# A pattern selects tests whose file name contains it.
# E2E_TEST_TIMEOUT (seconds, default 240) bounds each test.
E2E_DIR=$(cd "$(dirname "$0")" && pwd)
source "$E2E_DIR/lib.sh"
E2E_NAME=run_all

missing=()
for tool in Xvfb Xorg wine wineboot wineserver winedbg localedef iconv xdotool xwd xwininfo xprop xrandr xdpyinfo convert timeout; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
((${#missing[@]} == 0)) || { echo "missing tools: ${missing[*]}" >&2; exit 2; }
[[ -n "${MIRLO_WIN_DIR:-}" && -d "$MIRLO_WIN_DIR" ]] || { echo "MIRLO_WIN_DIR must name the directory with MirloViewer.exe (got '${MIRLO_WIN_DIR:-}')" >&2; exit 2; }
[[ -n "${STRIPREAD:-}" && -x "$STRIPREAD" ]] || { echo "STRIPREAD must name the strip reader executable (got '${STRIPREAD:-}')" >&2; exit 2; }
# Tests copy the exe elsewhere, so relative paths must not depend on their cwd.
MIRLO_WIN_DIR=$(cd "$MIRLO_WIN_DIR" && pwd)
STRIPREAD=$(cd "$(dirname "$STRIPREAD")" && pwd)/$(basename "$STRIPREAD")
export MIRLO_WIN_DIR STRIPREAD
if [[ -n "${MAP_WATCH:-}" ]]; then
    MAP_WATCH=$(cd "$(dirname "$MAP_WATCH")" && pwd)/$(basename "$MAP_WATCH")
    export MAP_WATCH
fi

tests=()
for t in "$E2E_DIR"/test_*.sh; do
    name=$(basename "$t" .sh)
    if (($# > 0)); then
        keep=0
        for pat in "$@"; do [[ "$name" == *"$pat"* ]] && keep=1; done
        ((keep)) || continue
    fi
    tests+=("$t")
done
((${#tests[@]} > 0)) || { echo "no test matches: $*" >&2; exit 2; }

declare -A running started  # test pid -> name; name -> start time
RUN_DIR=$(mktemp -d /tmp/mirlo-e2e-run.XXXXXX) || exit 2
cleanup_run() {
    # timeout runs the test in its own process group, out of reach of a
    # terminal's Ctrl-C: pass the stop on so the test's own traps clean up.
    local pid
    for pid in "${!running[@]}"; do kill -TERM "$pid" 2>/dev/null; done
    for pid in "${!running[@]}"; do wait "$pid" 2>/dev/null; done
    # The booted prefix goes only once its server has ended (see
    # wine_server_dir in lib.sh).
    [[ -d "$RUN_DIR/prefix" ]] && TMPDIR=$RUN_DIR/tmp end_wineserver "$RUN_DIR/prefix"
    rm -rf "$RUN_DIR"
}
trap cleanup_run EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# One booted prefix per run; each test copies it.
start=$(date +%s)
mkdir -p "$RUN_DIR/tmp"
export TMPDIR=$RUN_DIR/tmp
export E2E_PREFIX_CACHE=$RUN_DIR/prefix
make_prefix "$E2E_PREFIX_CACHE"
unset TMPDIR
echo "wine prefix ready in $(($(date +%s) - start)) s"

# Tests run E2E_JOBS at a time (default 2), each on X displays and a prefix
# of its own; a test that says "# e2e: alone" runs by itself afterwards.
passed=0 failed=0
report() {  # name rc
    local name=$1 rc=$2 out=$RUN_DIR/$1.log
    local secs=$(($(date +%s) - ${started[$name]}))
    if ((rc == 0)); then
        passed=$((passed + 1))
        echo "PASS $name (${secs} s)"
    else
        failed=$((failed + 1))
        ((rc == 124)) && echo "timed out after ${E2E_TEST_TIMEOUT:-240} s" >>"$out"
        echo "FAIL $name (${secs} s, exit $rc)"
        sed 's/^/    /' "$out"
    fi
}
launch() {  # test file
    local name
    name=$(basename "$1" .sh)
    started[$name]=$(date +%s)
    timeout -k 30 "${E2E_TEST_TIMEOUT:-240}" bash "$1" >"$RUN_DIR/$name.log" 2>&1 &
    running[$!]=$name
}
reap_one() {
    local pid rc
    wait -n -p pid "${!running[@]}"
    rc=$?
    report "${running[$pid]}" "$rc"
    unset "running[$pid]"
}
together=() alone=()
for t in "${tests[@]}"; do
    if grep -q '^# e2e: alone' "$t"; then alone+=("$t"); else together+=("$t"); fi
done
for t in "${together[@]}"; do
    while ((${#running[@]} >= ${E2E_JOBS:-2})); do reap_one; done
    launch "$t"
done
while ((${#running[@]} > 0)); do reap_one; done
for t in "${alone[@]}"; do
    launch "$t"
    reap_one
done
echo "total $(($(date +%s) - start)) s"
echo "$passed passed, $failed failed"
((failed == 0))
