# shellcheck shell=bash
# Shared harness for the end-to-end tests: private X servers, private Wine
# prefixes, the program under test in the background, screenshots and polling.
# Source it, then call e2e_init first. Every resource a test starts is
# registered here and torn down by the EXIT trap, pass or fail.
#
# Environment:
#   MIRLO_WIN_DIR     directory holding MirloViewer.exe and the helper exes
#   STRIPREAD         native strip reader
#   E2E_PREFIX_CACHE  booted prefix to copy (run_all.sh makes one per run;
#                     a test run alone boots its own)
#   E2E_KEEP=1        keep the test's temp dir for a post-mortem
#   E2E_WINE_MANAGED  Y or N for Wine's X11 "Managed" key (default N); a
#                     test may set it before use_prefix to get the other one

VIEWER_CLASS='mirloviewer.exe'
_E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# ---------------------------------------------------------------- basics

log() { printf '[%s %s] %s\n' "${E2E_NAME:-e2e}" "$(date +%T.%N | cut -c1-12)" "$*" >&2; }

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

# check_eq WHAT EXPECTED ACTUAL
check_eq() {
    if [[ "$2" != "$3" ]]; then
        fail "$1: expected '$2', got '$3'"
    fi
    log "ok: $1 = $3"
}

# Monotonic-enough milliseconds for deadlines.
now_ms() { local t; t=$(date +%s%N); echo $((t / 1000000)); }

# wait_until SECONDS COMMAND [ARGS...]: polls COMMAND until it succeeds.
# Returns 1 when the deadline passes first.
wait_until() {
    local secs=$1; shift
    local deadline=$(( $(now_ms) + secs * 1000 ))
    while true; do
        if "$@"; then return 0; fi
        (( $(now_ms) >= deadline )) && return 1
        sleep 0.05
    done
}

require_env() {
    [[ -n "${MIRLO_WIN_DIR:-}" && -d "$MIRLO_WIN_DIR" ]] || fail "MIRLO_WIN_DIR is not a directory: '${MIRLO_WIN_DIR:-}'"
    [[ -n "${STRIPREAD:-}" && -x "$STRIPREAD" ]] || fail "STRIPREAD is not executable: '${STRIPREAD:-}'"
}

# ---------------------------------------------------------------- lifecycle

e2e_init() {
    E2E_NAME=${1:-$(basename "$0" .sh)}
    E2E_TMP=$(mktemp -d "/tmp/mirlo-e2e.${E2E_NAME}.XXXXXX") || exit 1
    mkdir -p "$E2E_TMP/tmp"
    # Debian's Wine keeps a prefix's server directory under TMPDIR (unless
    # /run/user/UID exists, see wine_server_dir); keeping it inside the test
    # dir means removing the dir removes every trace.
    export TMPDIR=$E2E_TMP/tmp
    export WINEDEBUG=-all
    # Wine takes its code pages from the locale; pin it so that titles and
    # texts come out the same on every machine.
    export LC_ALL=C.UTF-8
    # No Mono/Gecko install prompts while booting a prefix.
    export WINEDLLOVERRIDES='mscoree,mshtml='
    unset DISPLAY WINEPREFIX
    _E2E_XPIDS=()
    _E2E_PREFIXES=()
    _E2E_PROCS=()
    trap _e2e_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    log "temp dir $E2E_TMP"
}

# Kills PID and waits up to SECS for it, then SIGKILLs it.
_e2e_stop_pid() {
    local pid=$1 secs=${2:-5} i
    kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null
    for ((i = 0; i < secs * 20; i++)); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.05
    done
    kill -9 "$pid" 2>/dev/null
}

_e2e_cleanup() {
    local rc=$? p
    trap - EXIT INT TERM
    set +e
    for p in "${_E2E_PROCS[@]}"; do
        [[ -f "$p.pid" ]] && _e2e_stop_pid "$(cat "$p.pid")" 3
    done
    # Every prefix stays in place until its server has ended (see
    # wine_server_dir).
    for p in "${_E2E_PREFIXES[@]}"; do
        end_wineserver "$p"
    done
    # Wrapper subshells end once their wine process is gone.
    for p in "${_E2E_PROCS[@]}"; do
        [[ -f "$p.wrapper" ]] && _e2e_stop_pid "$(cat "$p.wrapper")" 3
    done
    for p in "${_E2E_XPIDS[@]}"; do
        _e2e_stop_pid "$p" 5
        wait "$p" 2>/dev/null
    done
    if [[ "${E2E_KEEP:-0}" == 1 ]]; then
        log "kept $E2E_TMP"
    else
        rm -rf "$E2E_TMP"
    fi
    exit "$rc"
}

# ---------------------------------------------------------------- X servers

# stop_wine: ends the programs this test started and the current prefix's
# Wine processes, so that the prefix can be set aside or changed.
stop_wine() {
    local p
    for p in "${_E2E_PROCS[@]}"; do
        [[ -f "$p.pid" ]] && _e2e_stop_pid "$(cat "$p.pid")" 3
    done
    if [[ -n "${WINEPREFIX:-}" ]]; then
        end_wineserver "$WINEPREFIX"
    fi
}

# stop_desk: ends everything of the current desk, Wine first (its desktop
# process caches the monitor layout), then the X servers, so that one test can
# set up another desk afterwards with the same prefix.
stop_desk() {
    local p
    stop_wine
    for p in "${_E2E_XPIDS[@]}"; do
        _e2e_stop_pid "$p" 5
        wait "$p" 2>/dev/null
    done
    _E2E_XPIDS=()
    unset DISPLAY
}

# Starts an X server whose command line lacks the display; it picks a free
# number itself and reports it through -displayfd. Exports DISPLAY.
_start_x() {
    local tag=$1; shift
    local dfile=$E2E_TMP/$tag.displayfd pid
    : >"$dfile"
    "$@" -displayfd 3 3>"$dfile" >"$E2E_TMP/$tag.out" 2>&1 </dev/null &
    pid=$!
    _E2E_XPIDS+=("$pid")
    _x_reported() { [[ $(wc -l <"$dfile") -ge 1 ]] || ! kill -0 "$pid" 2>/dev/null; }
    wait_until 20 _x_reported || fail "$tag did not report a display number"
    kill -0 "$pid" 2>/dev/null || { cat "$E2E_TMP/$tag.out" >&2; fail "$tag exited at start"; }
    DISPLAY=:$(head -n1 "$dfile")
    export DISPLAY
    wait_until 20 xdpyinfo_ok || fail "$tag on $DISPLAY does not answer"
    log "$tag up on $DISPLAY (pid $pid)"
}

xdpyinfo_ok() { xdpyinfo >/dev/null 2>&1; }

# start_xvfb WxH
start_xvfb() {
    [[ "$1" =~ ^[0-9]+x[0-9]+$ ]] || fail "start_xvfb: bad size '$1'"
    _start_x xvfb Xvfb -screen 0 "${1}x24" -nolisten tcp -noreset
}

# cvt-like timings: only the active size matters to the dummy driver, the rest
# just has to fall inside the monitor's sync ranges.
_modeline() {
    local w=$1 h=$2
    local ht=$((w + 160)) vt=$((h + 35))
    local khz=$((ht * vt * 60 / 1000))
    printf '"%dx%d" %d.%03d %d %d %d %d %d %d %d %d +hsync -vsync' \
        "$w" "$h" $((khz / 1000)) $((khz % 1000)) \
        "$w" $((w + 48)) $((w + 80)) "$ht" "$h" $((h + 3)) $((h + 9)) "$vt"
}

# write_xorg_conf FILE WxH [WxH...]: monitors side by side, left to right,
# the first is the X primary.
write_xorg_conf() {
    local file=$1; shift
    local i=0 x=0 maxh=0 w h m
    local monitors='' options=''
    for m in "$@"; do
        [[ "$m" =~ ^([0-9]+)x([0-9]+)$ ]] || fail "monitor size '$m' is not WxH"
        w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]}
        options+="  Option \"Monitor-DUMMY$i\" \"mon$i\""$'\n'
        monitors+="Section \"Monitor\"
  Identifier \"mon$i\"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Modeline $(_modeline "$w" "$h")
  Option \"PreferredMode\" \"${w}x${h}\"
  Option \"Position\" \"$x 0\"
"
        if ((i == 0)); then
            monitors+="  Option \"Primary\" \"true\""$'\n'
        else
            monitors+="  Option \"Enable\" \"true\""$'\n'
        fi
        monitors+="EndSection"$'\n'
        x=$((x + w)); ((h > maxh)) && maxh=$h
        i=$((i + 1))
    done
    local vram=$(( x * maxh * 4 / 1024 + 16384 ))
    ((vram < 256000)) && vram=256000
    cat >"$file" <<EOF
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoAddGPU" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy0"
  Driver "dummy"
  VideoRam $vram
$options
EndSection
$monitors
Section "Screen"
  Identifier "screen0"
  Device "dummy0"
  Monitor "mon0"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual $x $maxh
  EndSubSection
EndSection
Section "ServerLayout"
  Identifier "layout0"
  Screen "screen0"
EndSection
EOF
}

# xrandr's view of the monitors as "WxH+X+Y" lines, left to right.
x_monitors() {
    xrandr --listactivemonitors 2>/dev/null |
        sed -n 's/^ *[0-9]*: [+*]*[^ ]* \([0-9]*\)\/[0-9]*x\([0-9]*\)\/[0-9]*+\([0-9-]*\)+\([0-9-]*\).*/\1x\2+\3+\4/p' |
        sort -t+ -k2,2n
}

# start_xorg_dummy WxH [WxH...]: one X screen, one RandR output per monitor.
start_xorg_dummy() {
    (($# >= 1)) || fail "start_xorg_dummy: no monitors"
    local conf=$E2E_TMP/xorg.conf expect='' x=0 m
    write_xorg_conf "$conf" "$@"
    for m in "$@"; do
        expect+="$m+$x+0"$'\n'
        x=$((x + ${m%x*}))
    done
    _start_x xorg Xorg -config "$conf" -logfile "$E2E_TMP/xorg.log" \
        -noreset -nolisten tcp -novtswitch -sharevts
    _x_layout_ok() { [[ "$(x_monitors)"$'\n' == "$expect" ]]; }
    wait_until 10 _x_layout_ok ||
        fail "Xorg monitors are '$(x_monitors | tr '\n' ' ')', wanted '$(tr '\n' ' ' <<<"$expect")'"
}

# set_workareas X,Y,W,H [X,Y,W,H...]: one rectangle per monitor in the order
# they were given to start_xorg_dummy; the first one is also the primary's
# _NET_WORKAREA. Wine reads these when a program starts.
set_workareas() {
    local IFS=,
    local all="$*"
    xprop -root -f _GTK_WORKAREAS_D0 32c -set _GTK_WORKAREAS_D0 "$all" || fail "cannot set _GTK_WORKAREAS_D0"
    xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$1" || fail "cannot set _NET_WORKAREA"
    log "work areas: $*"
}

# ---------------------------------------------------------------- Wine

# wine_server_dir PREFIX: where Debian's Wine keeps the socket and lock of
# PREFIX's server: a folder named after the prefix folder's device and inode,
# in /run/user/UID/wine when that exists (a login session's runtime folder,
# shared by every Wine of the user), else in $TMPDIR (or /tmp) under the name
# the prefix's file "wineserver" keeps. Two paths to one folder (a prefix
# moved or renamed) reach one server. A running server keeps its prefix
# folder open, so a removed folder's inode is not handed to a new folder
# while the server runs; the folder is still kept until the server has ended,
# which saves its registry into it on the way out.
wine_server_dir() {
    local prefix=$1 id base
    id=$(stat -c '%d %i' "$prefix") || return 1
    id=$(printf 'server-%x-%x' $id)
    if [[ -d /run/user/$(id -u) ]]; then
        base=/run/user/$(id -u)/wine
    else
        base=${TMPDIR:-/tmp}/$(cat "$prefix/wineserver" 2>/dev/null || echo '(no tmpdir file)')
    fi
    echo "$base/$id"
}

# end_wineserver PREFIX: ends PREFIX's server and with it every Wine process
# of the prefix, and returns once the server has gone. "wineserver -k" stops
# the server with SIGINT, and with SIGKILL when it has not ended within about
# ten seconds; "-w" then waits until it has let go of its lock, that is until
# it has ended.
end_wineserver() {
    WINEPREFIX=$1 wineserver -k >/dev/null 2>&1
    WINEPREFIX=$1 wineserver -w >/dev/null 2>&1
}

# expect_no_wineserver PREFIX: a prefix just made has no server. One that
# answers serves another prefix whose server folder is this one's (see
# wine_server_dir): its programs, and named objects such as the viewer's
# instance guard, would be this test's. Not killed: it is not ours.
expect_no_wineserver() {
    local prefix=$1
    # Signal 0 to the server holding the prefix's lock: delivered only when
    # one runs.
    if WINEPREFIX=$prefix wineserver -k0 >/dev/null 2>&1; then
        fail "a Wine server already answers for the new prefix $prefix (server folder $(wine_server_dir "$prefix")): it serves another prefix folder with the same device and inode"
    fi
}

# Boots a prefix into DIR (used once per suite run by run_all.sh). Its
# programs' forms and boxes find a Japanese font (fonts_ja.reg).
make_prefix() {
    local dir=$1 managed=${E2E_WINE_MANAGED:-N}
    mkdir "$dir" || fail "cannot make $dir"
    expect_no_wineserver "$dir"
    (
        unset DISPLAY
        export WINEPREFIX=$dir WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' LC_ALL=C.UTF-8
        wineboot -i >"$dir.boot.log" 2>&1 || { cat "$dir.boot.log" >&2; exit 1; }
        # Unmanaged top-levels: with no window manager Wine then sizes and
        # places windows itself, as Windows would.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f >>"$dir.boot.log" 2>&1 || exit 1
        # regedit reads UTF-16 with a byte-order mark.
        { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$_E2E_LIB_DIR/fonts_ja.reg"; } >"$dir.fonts_ja.reg" || exit 1
        wine regedit "$dir.fonts_ja.reg" >>"$dir.boot.log" 2>&1 || exit 1
        wineserver -w
    ) || fail "cannot boot Wine prefix in $dir"
    grep -q '^"MS Shell Dlg"="IPAPGothic"' "$dir/system.reg" || fail "the font substitutes did not reach $dir/system.reg"
    # use_prefix reads the setting back to tell whether a copy needs changing.
    echo "$managed" >"$dir.ready"
}

# set_wine_managed Y|N: sets Wine's X11 "Managed" key in $WINEPREFIX, a
# prefix no wineserver runs for (a fresh copy). make_prefix always writes the
# key, so editing user.reg in place saves starting Wine for it.
set_wine_managed() {
    local want=$1 reg=$WINEPREFIX/user.reg
    [[ "$want" == [YN] ]] || fail "set_wine_managed: '$want' is not Y or N"
    local section='/^\[Software\\\\Wine\\\\X11 Driver\]/,/^\[/'
    sed -i "${section}s/^\"Managed\"=\"[YN]\"\$/\"Managed\"=\"$want\"/" "$reg" || fail "cannot edit $reg"
    sed -n "${section}p" "$reg" | grep -qx "\"Managed\"=\"$want\"" ||
        fail "no Managed value in the X11 Driver key of $reg"
    log "Wine X11 Managed=$want"
}

# set_screen_dpi N: the screen's pixels per inch in $WINEPREFIX, a prefix no
# wineserver runs for (a fresh copy). Wine 8 reads the user's setting, as
# Windows does.
set_screen_dpi() {
    local dpi=$1 reg=$WINEPREFIX/user.reg
    [[ "$dpi" =~ ^[0-9]+$ ]] || fail "set_screen_dpi: '$dpi' is not a number"
    grep -q '^\[Control Panel\\\\Desktop\]' "$reg" || fail "no Control Panel\\Desktop key in $reg"
    sed -i '/^\[Control Panel\\\\Desktop\]/,/^\[/{/^"LogPixels"=/d}' "$reg"
    sed -i "/^\[Control Panel\\\\\\\\Desktop\]/a \"LogPixels\"=dword:$(printf %08x "$dpi")" "$reg"
    log "screen at $dpi pixels per inch"
}

# use_prefix [NAME]: gives this test its own copy of the suite's booted prefix
# and exports WINEPREFIX. A test that needs several prefixes (one per locale)
# names them.
use_prefix() {
    local name=${1:-}
    local cache=${E2E_PREFIX_CACHE:-}
    if [[ -z "$cache" || ! -f "$cache.ready" ]]; then
        cache=$E2E_TMP/prefix-boot
        log "no E2E_PREFIX_CACHE, booting a prefix (about 10 s)"
        make_prefix "$cache"
    fi
    # make_prefix returned once the booted prefix's server had ended.
    export WINEPREFIX=$E2E_TMP/prefix${name:+.$name}
    [[ ! -e "$WINEPREFIX" ]] || fail "prefix $WINEPREFIX is in use already"
    cp -a "$cache" "$WINEPREFIX" || fail "cannot copy Wine prefix"
    expect_no_wineserver "$WINEPREFIX"
    _E2E_PREFIXES+=("$WINEPREFIX")
    local want=${E2E_WINE_MANAGED:-N}
    [[ "$(cat "$cache.ready")" == "$want" ]] || set_wine_managed "$want"
}

# install_viewer [DIR]: copies MirloViewer.exe (and any DLLs beside it) into
# DIR (default a fresh directory of the test), since the program writes its
# ini file beside itself. Sets VIEWER to the copy.
install_viewer() {
    local dir=${1:-$E2E_TMP/app} f
    mkdir -p "$dir" || fail "cannot make $dir"
    [[ -f "$MIRLO_WIN_DIR/MirloViewer.exe" ]] || fail "no MirloViewer.exe in $MIRLO_WIN_DIR"
    cp "$MIRLO_WIN_DIR/MirloViewer.exe" "$dir/"
    for f in "$MIRLO_WIN_DIR"/*.dll; do
        [[ -f "$f" ]] && cp "$f" "$dir/"
    done
    VIEWER=$dir/MirloViewer.exe
}

# need_helper NAME: fails unless the helper exe is there; sets HELPER.
need_helper() {
    # Absolute: start_exe runs a program from its own directory.
    HELPER=$(cd "$MIRLO_WIN_DIR" && pwd)/$1.exe
    [[ -f "$HELPER" ]] || fail "helper $1.exe not found in $MIRLO_WIN_DIR"
}

# run_win TIMEOUT EXE [ARGS...]: runs a console program to completion, output
# on stdout without the CRs; returns its exit code (124 on timeout).
run_win() {
    local secs=$1; shift
    local out=$E2E_TMP/run_win.out rc
    timeout "$secs" wine "$@" >"$out" 2>"$E2E_TMP/run_win.err" </dev/null
    rc=$?
    tr -d '\r' <"$out"
    return "$rc"
}

# start_exe [--as NAME] [--cwd DIR] EXE [ARGS...]: starts a Windows program
# in the background from its own directory (or DIR). NAME (default "main")
# names the files $E2E_TMP/proc.NAME.{pid,out,err,rc} used by the functions
# below.
start_exe() {
    local name=main cwd=''
    if [[ "$1" == --as ]]; then name=$2; shift 2; fi
    if [[ "$1" == --cwd ]]; then cwd=$2; shift 2; fi
    local exe=$1; shift
    local base=$E2E_TMP/proc.$name
    [[ -n "$cwd" ]] || cwd=$(dirname "$exe")
    rm -f "$base".*
    (
        cd "$cwd" || exit 1
        wine "$exe" "$@" >"$base.out" 2>"$base.err" </dev/null &
        echo $! >"$base.pid"
        wait $!
        echo $? >"$base.rc.tmp"
        mv "$base.rc.tmp" "$base.rc"
    ) &
    echo $! >"$base.wrapper"
    _E2E_PROCS+=("$base")
    _pid_known() { [[ -s "$base.pid" ]]; }
    wait_until 5 _pid_known || fail "no pid for $name"
    log "started $name: $exe $* (pid $(cat "$base.pid"))"
}

exe_pid() { cat "$E2E_TMP/proc.${1:-main}.pid"; }

# exe_running [NAME]
exe_running() { [[ ! -f "$E2E_TMP/proc.${1:-main}.rc" ]]; }

# wait_exit TIMEOUT [NAME]: waits for the program to end; returns its exit
# code, or 124 if it is still running at the deadline. Also sets EXIT_CODE.
wait_exit() {
    local secs=$1 name=${2:-main}
    local rcfile=$E2E_TMP/proc.$name.rc
    _has_rc() { [[ -f "$rcfile" ]]; }
    if wait_until "$secs" _has_rc; then
        EXIT_CODE=$(cat "$rcfile")
        log "$name exited with $EXIT_CODE"
        return "$EXIT_CODE"
    fi
    EXIT_CODE=timeout
    return 124
}

# end_exe [NAME]: kills the program and waits until it has ended.
end_exe() {
    local name=${1:-main}
    kill "$(exe_pid "$name")" 2>/dev/null
    wait_exit 10 "$name" >/dev/null
    [[ "$EXIT_CODE" != timeout ]] || fail "$name still running 10 s after it was killed"
}

# expect_exit CODE TIMEOUT [NAME]
expect_exit() {
    local want=$1 secs=$2 name=${3:-main}
    wait_exit "$secs" "$name"
    [[ "$EXIT_CODE" == timeout ]] && fail "$name still running after ${secs}s (wanted exit code $want)"
    check_eq "$name exit code" "$want" "$EXIT_CODE"
}

# exe_output [NAME]: the program's stdout with Wine's CRs removed.
exe_output() { tr -d '\r' <"$E2E_TMP/proc.${1:-main}.out"; }

# ---------------------------------------------------------------- windows

# visible_windows [CLASS]: ids of mapped top-level windows of that class.
visible_windows() {
    xdotool search --onlyvisible --class "^${1:-$VIEWER_CLASS}\$" 2>/dev/null
}

# Functions that can fail the test hand results back in globals, not on
# stdout: a fail inside $(...) would only end the subshell.

# wait_for_window [TIMEOUT] [CLASS]: sets WID to the first mapped window.
wait_for_window() {
    local secs=${1:-15} class=${2:-$VIEWER_CLASS}
    _has_window() { WID=$(visible_windows "$class" | head -n1); [[ -n "$WID" ]]; }
    if ! wait_until "$secs" _has_window; then
        local state=''
        if [[ -f "$E2E_TMP/proc.main.rc" ]]; then
            state=" (main exited with $(cat "$E2E_TMP/proc.main.rc"); its stderr: $(grep -v 'wine32 is missing\|multiarch needs\|execute "dpkg\|apt-get install wine32' "$E2E_TMP/proc.main.err" | tail -n 5 | tr '\n' ' '))"
        elif [[ -f "$E2E_TMP/proc.main.pid" ]]; then
            state=" (main still running)"
        fi
        fail "no mapped window of class $class within ${secs}s$state"
    fi
    log "window $WID mapped"
}

# wait_for_title TITLE [TIMEOUT]: sets TITLE_WID to a mapped window with
# exactly that title.
wait_for_title() {
    local title=$1 secs=${2:-15}
    _has_title() {
        TITLE_WID=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)
        [[ -n "$TITLE_WID" ]]
    }
    wait_until "$secs" _has_title || fail "no window titled '$title' within ${secs}s"
    log "window '$title' is $TITLE_WID"
}

# window_geometry WID: "X Y W H" of the window on the root.
window_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ {x=$NF}
        /Absolute upper-left Y:/ {y=$NF}
        /^ *Width:/ {w=$NF}
        /^ *Height:/ {h=$NF}
        END {if (w != "") print x, y, w, h}'
}

# window_border WID: the X border width.
window_border() { xwininfo -id "$1" | awk '/Border width:/ {print $NF}'; }

# wait_geometry WID "X Y W H" [TIMEOUT]: Wine may map a window before its
# final move, so compare until it settles.
wait_geometry() {
    local wid=$1 want=$2 secs=${3:-5}
    _geom_is() { [[ "$(window_geometry "$wid")" == "$want" ]]; }
    wait_until "$secs" _geom_is ||
        fail "window $wid geometry is '$(window_geometry "$wid")', expected '$want'"
    log "ok: window geometry $want"
}

# ---------------------------------------------------------------- screen

# try_screenshot FILE: the whole root window, exact pixels. xwd reads every
# window with its own request and fails with BadDrawable when one is
# destroyed meanwhile, so this can fail while windows come and go.
try_screenshot() {
    xwd -root -screen -silent -out "$1" 2>"$E2E_TMP/xwd.err" && return 0
    rm -f "$1"
    return 1
}

# screenshot FILE: as try_screenshot, retrying a few times.
screenshot() {
    local i
    for i in 1 2 3; do
        try_screenshot "$1" && return 0
    done
    fail "xwd failed: $(cat "$E2E_TMP/xwd.err")"
}

# window_screenshot WID FILE: the window's own pixels, window coordinates. A
# fraction of a root shot's size, for checks that read many boxes.
window_screenshot() {
    xwd -id "$1" -silent -out "$2" 2>"$E2E_TMP/xwd.err" || fail "xwd of window $1 failed: $(cat "$E2E_TMP/xwd.err")"
}

# field LINE KEY: value of KEY=value in a strip reader line.
field() { tr ' ' '\n' <<<"$1" | sed -n "s/^$2=//p" | head -n1; }

# wait_strip TIMEOUT [stripread options]: screenshots until the strip reader
# finds a strip; sets STRIP_LINE to its first line. The last shot stays in
# $STRIP_SHOT for pixel checks.
wait_strip() {
    local secs=$1; shift
    STRIP_SHOT=$E2E_TMP/strip.xwd
    STRIP_LINE=''
    _strip_found() {
        screenshot "$STRIP_SHOT"
        STRIP_LINE=$("$STRIPREAD" "$@" "$STRIP_SHOT" 2>/dev/null | head -n1)
        [[ "$STRIP_LINE" == *lead=* ]]
    }
    wait_until "$secs" _strip_found "$@" || fail "no strip on screen within ${secs}s (last: '$STRIP_LINE')"
    log "strip: $STRIP_LINE"
}

# wait_strip_match TIMEOUT KEY=VALUE... [-- stripread options]: as wait_strip,
# until the strip's line matches every pair. While a window moves, resizes
# and repaints, the reader may first see a stale strip.
wait_strip_match() {
    local secs=$1; shift
    local want=()
    while (($# > 0)) && [[ "$1" != -- ]]; do want+=("$1"); shift; done
    (($# > 0)) && shift
    STRIP_SHOT=$E2E_TMP/strip.xwd
    STRIP_LINE=''
    _strip_matches() {
        local kv
        screenshot "$STRIP_SHOT"
        STRIP_LINE=$("$STRIPREAD" "$@" "$STRIP_SHOT" 2>/dev/null | head -n1)
        [[ "$STRIP_LINE" == *lead=* ]] || return 1
        for kv in "${want[@]}"; do
            [[ "$(field "$STRIP_LINE" "${kv%%=*}")" == "${kv#*=}" ]] || return 1
        done
    }
    wait_until "$secs" _strip_matches "$@" ||
        fail "no strip with ${want[*]} within ${secs}s (last: '$STRIP_LINE')"
    log "ok: strip $STRIP_LINE"
}

# expect_no_strip SHOT [stripread options]: the strip reader finds none.
expect_no_strip() {
    local shot=$1 out; shift
    out=$("$STRIPREAD" "$@" "$shot" 2>&1)
    check_eq "strip reader on ${*:-the whole screen}" "no strip" "$out"
}

# expect_box_colour SHOT WHAT X Y W H COLOUR: every pixel of the box has that
# colour.
expect_box_colour() {
    local shot=$1 what=$2 x=$3 y=$4 w=$5 h=$6 colour=$7 got
    got=$("$STRIPREAD" --colour-box "$x" "$y" "$w" "$h" "$shot" 2>&1 | tr '\n' ' ' | sed 's/ $//')
    check_eq "$what (${w}x$h at $x,$y)" "$colour $((w * h))" "$got"
}

# check_strip LINE KEY=VALUE...: every pair must match the strip reader line.
check_strip() {
    local line=$1 kv; shift
    for kv in "$@"; do
        local got
        got=$(field "$line" "${kv%%=*}")
        [[ "$got" == "${kv#*=}" ]] || fail "strip ${kv%%=*}: expected '${kv#*=}', got '$got' in: $line"
    done
    log "ok: strip $*"
}

# ROOT_STRIPS: the native X client of x11/root_strips.cpp, beside map_watch.
root_strips_path() {
    ROOT_STRIPS=${ROOT_STRIPS:-${STRIPREAD%/tools/stripread/stripread}/tests/e2e/x11/root_strips}
    [[ -x "$ROOT_STRIPS" ]] || fail "root_strips not built (looked for '$ROOT_STRIPS'; needs libx11-dev)"
}

# strips_until_exit TIMEOUT [NAME]: grabs the screen back to back until the
# program ends, to catch states that are on screen only briefly, and keeps
# the strips read from each grab in $STRIPS_LOG. A grab is one request for
# the root's pixels: quicker than xwd, and it cannot fail when a window goes
# away during it. Sets SHOT_COUNT.
strips_until_exit() {
    local secs=$1 name=${2:-main} pid
    root_strips_path
    STRIPS_LOG=$E2E_TMP/strips.$name.log
    # The program's exit code file appears when it has ended.
    "$ROOT_STRIPS" "$E2E_TMP/proc.$name.rc" >"$STRIPS_LOG" 2>"$STRIPS_LOG.err" </dev/null &
    pid=$!
    _root_strips_done() { ! kill -0 "$pid" 2>/dev/null; }
    if ! wait_until "$secs" _root_strips_done; then
        kill "$pid" 2>/dev/null
        fail "$name still running after ${secs}s of grabs"
    fi
    wait "$pid" || fail "root_strips failed: $(cat "$STRIPS_LOG.err")"
    SHOT_COUNT=$(sed -n 's/^grabs=//p' "$STRIPS_LOG")
    log "$SHOT_COUNT grabs until $name ended"
}

# find_lead LEAD: sets STRIP_LINE to the first strip with that lead letter
# that strips_until_exit read.
find_lead() {
    STRIP_LINE=$(grep -m1 " lead=$1 " "$STRIPS_LOG") ||
        fail "none of $SHOT_COUNT grabs shows a strip with lead $1 ($(grep '^grab=' "$STRIPS_LOG" | tr '\n' ';'))"
    log "lead $1 in $STRIP_LINE"
}

# box_luma SHOT X Y W H: mean brightness (0-255) of the box's pixels.
box_luma() {
    local c n sum=0 count=0
    while read -r c n; do
        [[ "$n" =~ ^[0-9]+$ && "$c" =~ ^#([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})$ ]] || continue
        sum=$(( sum + (16#${BASH_REMATCH[1]} + 16#${BASH_REMATCH[2]} + 16#${BASH_REMATCH[3]}) * n ))
        count=$(( count + 3 * n ))
    done < <("$STRIPREAD" --colour-box "$2" "$3" "$4" "$5" "$1")
    ((count > 0)) && echo $(( sum / count ))
}

# dominant_colour SHOT X Y W H: the box's most frequent colour, "#RRGGBB".
dominant_colour() { "$STRIPREAD" --colour-box "$2" "$3" "$4" "$5" "$1" | head -n1 | cut -d' ' -f1; }

# pixel SHOT X Y: "#RRGGBB".
pixel() { "$STRIPREAD" --pixel "$2" "$3" "$1"; }

# ---------------------------------------------------------------- input

# open_popup WID X Y: right-clicks at (X, Y) on the root and waits for the
# popup menu's own window to map; sets MENU_WID. The menu is the program's
# untitled window that was not mapped before the click (a help window or a
# box of the program may be open beside the viewer, or mapping just then).
open_popup() {
    local wid=$1 x=$2 y=$3
    popup_after "$wid" "right click at $x,$y" xdotool mousemove "$x" "$y" click 3
}

# popup_after WID WHAT COMMAND [ARGS...]: runs the command (a click or keys)
# and waits for the popup menu that it opens; sets MENU_WID.
popup_after() {
    local wid=$1 what=$2 before; shift 2
    before=$(visible_windows | tr '\n' ' ')
    "$@"
    _menu_open() {
        local w name
        MENU_WID=''
        for w in $(visible_windows); do
            [[ "$w" != "$wid" && " $before " != *" $w "* ]] || continue
            # A popup menu has no title; a help window or a box that the
            # command before opened may map only now, and has one.
            name=$(xdotool getwindowname "$w" 2>/dev/null) || continue
            [[ -z "$name" ]] && { MENU_WID=$w; break; }
        done
        [[ -n "$MENU_WID" ]]
    }
    wait_until 5 _menu_open || fail "$what opened no popup menu"
    log "popup menu $MENU_WID open"
}

# menu_command WID X Y KEY...: opens the popup menu at X,Y and, once it is
# painted, types the keys that choose an item.
menu_command() {
    open_popup "$1" "$2" "$3"
    shift 3
    wait_menu_painted
    keys "$@"
}

# wait_unmapped WID [TIMEOUT]: the window is gone or no longer mapped.
wait_unmapped() {
    local wid=$1 secs=${2:-5}
    _unmapped() { ! visible_windows | grep -qx "$wid"; }
    wait_until "$secs" _unmapped || fail "window $wid still mapped after ${secs}s"
}

# Popup menu items are told apart by the colour of bands across the menu:
# a band in the first item and one in the last, clear of the borders.
# menu_bands: sets MENU_TOP_BAND and MENU_LAST_BAND to their dominant colours
# in a fresh shot of the open menu $MENU_WID. Shot alone: a root screenshot
# shows a menu that lies wholly over another Wine window black.
menu_bands() {
    local mx my mw mh
    read -r mx my mw mh <<<"$(window_geometry "$MENU_WID")"
    [[ -n "$mh" ]] || fail "menu $MENU_WID has no geometry"
    window_screenshot "$MENU_WID" "$E2E_TMP/menu.xwd"
    MENU_TOP_BAND=$(dominant_colour "$E2E_TMP/menu.xwd" 4 6 $((mw - 8)) 8)
    MENU_LAST_BAND=$(dominant_colour "$E2E_TMP/menu.xwd" 4 $((mh - 14)) $((mw - 8)) 8)
}

# wait_menu_painted: a mapped menu is black until Wine paints it; then its
# first and last items share the menu's background.
wait_menu_painted() {
    _menu_painted() {
        menu_bands
        [[ "$MENU_TOP_BAND" == "$MENU_LAST_BAND" && "$MENU_TOP_BAND" != "#000000" ]]
    }
    wait_until 5 _menu_painted || fail "menu never painted (first item $MENU_TOP_BAND, last $MENU_LAST_BAND)"
    MENU_BACKGROUND=$MENU_TOP_BAND
}

# wait_last_item_lit: the highlight is on the last item and not the first.
wait_last_item_lit() {
    _last_lit() {
        menu_bands
        [[ "$MENU_TOP_BAND" == "$MENU_BACKGROUND" && "$MENU_LAST_BAND" != "$MENU_BACKGROUND" ]]
    }
    wait_until 5 _last_lit ||
        fail "last menu item not highlighted (first item $MENU_TOP_BAND, last $MENU_LAST_BAND, background $MENU_BACKGROUND)"
    log "ok: last menu item highlighted ($MENU_LAST_BAND)"
}

# double_click X Y: a left double click at root coordinates X,Y.
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 60 1; }

# drag X Y DX DY: presses the left button at root X,Y, moves the pointer by
# DX,DY in four steps and releases it.
drag() {
    local x=$1 y=$2 dx=$3 dy=$4 i
    xdotool mousemove "$x" "$y" mousedown 1
    for i in 1 2 3 4; do
        xdotool mousemove $((x + dx * i / 4)) $((y + dy * i / 4))
    done
    xdotool mouseup 1
}

# keys KEY...: presses the keys in turn at about a person's pace. How close
# together keys arrive changes what the program gets to paint (see
# test_quit_quick_keys.sh), so tests that want a quick burst use xdotool
# directly.
keys() { xdotool key --delay 80 "$@"; }

# ini_value FILE SECTION KEY: KEY's value in SECTION of a Windows ini file,
# names matched without regard to case as Windows does.
ini_value() {
    tr -d '\r' <"$1" | awk -v s="$2" -v k="$3" '
        /^\[/ { in_s = tolower($0) == "[" tolower(s) "]"; next }
        in_s && tolower(substr($0, 1, index($0, "=") - 1)) == tolower(k) {
            print substr($0, index($0, "=") + 1); exit
        }'
}

# list_windows: sets WINDOWS to one line per top-level window as Windows sees
# it: handle, owner, process id, visible, class, title (tab-separated).
list_windows() {
    need_helper list_windows
    WINDOWS=$(run_win 20 "$HELPER") || fail "list_windows.exe failed: $(cat "$E2E_TMP/run_win.err")"
}

# find_viewer_handle: sets VIEWER_HWND and VIEWER_PID from the one visible
# viewer window.
find_viewer_handle() {
    list_windows
    local lines
    lines=$(awk -F'\t' '$4 == 1 && $5 == "TForm1"' <<<"$WINDOWS")
    check_eq "visible viewer windows" 1 "$(grep -c . <<<"$lines")"
    IFS=$'\t' read -r VIEWER_HWND _ VIEWER_PID _ <<<"$lines"
    log "viewer window $VIEWER_HWND in process $VIEWER_PID"
}

# ---------------------------------------------------------------- the viewer

# Default window: 320x240 region inside a 3-pixel frame.
VIEWER_W=326
VIEWER_H=246
FRAME=3

# expect_viewer_at LEFT TOP [stripread options]: the viewer's window is mapped
# at LEFT,TOP (root coordinates) with the default size and no decoration, and
# the strip reader finds a strip with lead A covering exactly the region.
# Strip coordinates are relative to the --monitor given, so pass its origin
# as STRIP_ORIGIN="X Y" when that monitor is not at the root's origin.
# Sets WID and STRIP_LINE.
expect_viewer_at() {
    local left=$1 top=$2; shift 2
    local ox=0 oy=0
    [[ -n "${STRIP_ORIGIN:-}" ]] && read -r ox oy <<<"$STRIP_ORIGIN"
    wait_for_window 20
    wait_geometry "$WID" "$left $top $VIEWER_W $VIEWER_H"
    check_eq "X border width" 0 "$(window_border "$WID")"
    # Wine asks a window manager for no title bar and no border this way.
    local motif
    motif=$(xprop -id "$WID" _MOTIF_WM_HINTS | sed -n 's/.*= *//p')
    [[ -n "$motif" ]] || fail "window has no _MOTIF_WM_HINTS"
    check_eq "_MOTIF_WM_HINTS decorations" 0x0 "$(cut -d, -f3 <<<"$motif" | tr -d ' ')"
    local x0=$((left + FRAME - ox)) y0=$((top + FRAME - oy))
    # x0..y1 are what the strip says, at= where the reader found it.
    wait_strip_match 10 lead=A "x0=$x0" "y0=$y0" "x1=$((x0 + 319))" "y1=$((y0 + 239))" \
        "at=$x0,$y0" checksum=ok region=exact -- "$@"
    check_raised_frame "$STRIP_SHOT" "$left" "$top"
}

# expect_viewer_rect LEFT TOP W H: the viewer's window $WID settles at that
# place and size on a desk of one monitor, and the strip covers exactly its
# region, inside the 3-pixel frame.
expect_viewer_rect() {
    local left=$1 top=$2 w=$3 h=$4
    local x0=$((left + FRAME)) y0=$((top + FRAME))
    wait_geometry "$WID" "$left $top $w $h"
    wait_strip_match 10 lead=A "x0=$x0" "y0=$y0" "x1=$((x0 + w - 2 * FRAME - 1))" \
        "y1=$((y0 + h - 2 * FRAME - 1))" "at=$x0,$y0" checksum=ok region=exact
}

# check_frame_colours SHOT LEFT TOP [W H]: the frame around a W x H region
# (default 320x240) in the window at LEFT,TOP, line by line, each exactly its
# colour; the rest of the region below the strip's row is plain magenta.
check_frame_colours() {
    local shot=$1 l=$2 t=$3 w=${4:-320} h=${5:-240}
    local seg what x y sw sh colour
    # what|x|y|width|height|colour, in window coordinates
    local segs=(
        "outer left|0|0|1|$((h + 4))|#E2EFF1"
        "outer top|0|0|$((w + 5))|1|#E2EFF1"
        "inner left|1|1|1|$((h + 3))|#FFFFFF"
        "inner top|1|1|$((w + 3))|1|#FFFFFF"
        "ring left|2|2|1|$((h + 2))|#C8D0D4"
        "ring right|$((w + 3))|2|1|$((h + 2))|#C8D0D4"
        "ring top|2|2|$((w + 2))|1|#C8D0D4"
        "ring bottom|2|$((h + 3))|$((w + 2))|1|#C8D0D4"
        "inner bottom|1|$((h + 4))|$((w + 4))|1|#99A8AC"
        "inner right|$((w + 4))|1|1|$((h + 4))|#99A8AC"
        "outer bottom|0|$((h + 5))|$((w + 6))|1|#646F71"
        "outer right|$((w + 5))|0|1|$((h + 6))|#646F71"
        "region below the strip|3|4|$w|$((h - 1))|#FF00FF"
    )
    for seg in "${segs[@]}"; do
        IFS='|' read -r what x y sw sh colour <<<"$seg"
        expect_box_colour "$shot" "$what" $((l + x)) $((t + y)) "$sw" "$sh" "$colour"
    done
    # Nothing paints the pixel where the outer left line stops short of the
    # inner bottom one: the window's background (button face, light grey).
    local c
    c=$(pixel "$shot" "$l" $((t + h + 4)))
    [[ "$c" =~ ^#([0-9A-F]{2})([0-9A-F]{2})([0-9A-F]{2})$ ]] || fail "cannot read the corner pixel: '$c'"
    case $c in
    '#E2EFF1' | '#FFFFFF' | '#C8D0D4' | '#99A8AC' | '#646F71' | '#FF00FF')
        fail "corner pixel at window 0,$((h + 4)) is painted $c" ;;
    esac
    local r=$((16#${BASH_REMATCH[1]})) g=$((16#${BASH_REMATCH[2]})) b=$((16#${BASH_REMATCH[3]}))
    ((r >= 0xB0 && g >= 0xB0 && b >= 0xB0)) || fail "corner pixel at window 0,$((h + 4)) is $c, not a light background"
    log "ok: corner pixel at window 0,$((h + 4)) keeps the background $c"
}

# expect_frame_colours WID: check_frame_colours on a shot of the window alone.
expect_frame_colours() {
    window_screenshot "$1" "$E2E_TMP/window.xwd"
    check_frame_colours "$E2E_TMP/window.xwd" 0 0
}

# check_raised_frame SHOT LEFT TOP: the frame around the region is lit from the
# top left: its top and left edges are brighter than its bottom and right.
check_raised_frame() {
    local shot=$1 l=$2 t=$3 top bottom lft right
    top=$(box_luma "$shot" "$l" "$t" "$VIEWER_W" "$FRAME")
    bottom=$(box_luma "$shot" "$l" $((t + VIEWER_H - FRAME)) "$VIEWER_W" "$FRAME")
    lft=$(box_luma "$shot" "$l" "$t" "$FRAME" "$VIEWER_H")
    right=$(box_luma "$shot" $((l + VIEWER_W - FRAME)) "$t" "$FRAME" "$VIEWER_H")
    [[ -n "$top" && -n "$bottom" && -n "$lft" && -n "$right" ]] || fail "cannot read the frame's colours"
    ((top > bottom + 20 && top > right + 20 && lft > bottom + 20 && lft > right + 20)) ||
        fail "frame is not raised: brightness top $top left $lft bottom $bottom right $right"
    log "ok: raised frame (top $top left $lft bottom $bottom right $right)"
}

# expect_only_viewer WID: WID is the viewer's one mapped window.
expect_only_viewer() {
    check_eq "mapped viewer windows" "$1" "$(visible_windows | tr '\n' ' ' | sed 's/ $//')"
}

# expect_wine_managed WID: Wine runs with the "Managed" setting the test asked
# for (E2E_WINE_MANAGED): it makes unmanaged top-levels override-redirect.
expect_wine_managed() {
    local managed=${E2E_WINE_MANAGED:-N} want=no
    [[ "$managed" == N ]] && want=yes
    check_eq "override-redirect with Managed=$managed" "$want" \
        "$(xwininfo -id "$1" | awk '/Override Redirect State:/ {print $NF}')"
}

# start_viewer [ARGS...]: a fresh copy of the viewer started from its own
# writable directory (it writes its ini file beside itself).
start_viewer() {
    install_viewer
    start_exe "$VIEWER" "$@"
}

# start_default_viewer: what most tests begin with: a private prefix, one
# 1920x1200 monitor whose work area ends above a 40-pixel panel, and the
# viewer checked where it opens there: left = (1920-326)/2, top =
# (1160-246)/2. Sets WID and STRIP_LINE.
start_default_viewer() {
    e2e_init
    require_env
    use_prefix
    start_xvfb 1920x1200
    set_workareas 0,0,1920,1160
    start_viewer
    expect_viewer_at 797 457
}

# ---------------------------------------------------------------- stripcheck

# run_stripcheck [ARGS...]: runs stripcheck.exe once beside the viewer; sets
# SC_OUT (its output without CRs) and SC_RC.
run_stripcheck() {
    need_helper stripcheck
    SC_RC=0
    SC_OUT=$(run_win 60 "$HELPER" "$@") || SC_RC=$?
    log "stripcheck $* exited with $SC_RC:"$'\n'"$SC_OUT"
}

# expect_stripcheck CODE LINE...: stripcheck's exit code and its whole output.
expect_stripcheck() {
    local code=$1; shift
    local want
    want=$(printf '%s\n' "$@")
    run_stripcheck
    check_eq "stripcheck output" "$want" "$SC_OUT"
    check_eq "stripcheck exit code" "$code" "$SC_RC"
}

# start_cover X Y W H [--no-activate]: the cover_window helper, a plain grey
# topmost window, in front of everything at that desktop rectangle; waits
# until the screen shows it there. One at a time (stop_cover ends it).
# --no-activate leaves a popup menu open meanwhile open.
start_cover() {
    local x=$1 y=$2 w=$3 h=$4
    need_helper cover_window
    start_exe --as cover "$HELPER" "$x" "$y" "$w" "$h" "${@:5}"
    wait_for_window 15 cover_window.exe
    wait_geometry "$WID" "$x $y $w $h"
    _cover_shown() {
        screenshot "$E2E_TMP/cover.xwd"
        [[ "$(dominant_colour "$E2E_TMP/cover.xwd" "$x" "$y" "$w" "$h")" == '#606060' ]]
    }
    wait_until 10 _cover_shown || fail "cover window at $x,$y ${w}x$h never painted"
    COVER_WID=$WID
    log "cover window $COVER_WID at $x,$y ${w}x$h"
}

stop_cover() {
    _e2e_stop_pid "$(exe_pid cover)" 5
    wait_unmapped "$COVER_WID" 10
}

# ---------------------------------------------------------------- code pages and paths

# use_locale NAME: Wine started from here on runs under the Unix locale NAME
# (for example ru_RU.UTF-8), which sets the system's ANSI code page. Locales
# other than C.UTF-8 are compiled into the test's dir from the sources of
# Debian's locales package, leaving the system's own locales alone. Give each
# locale its own prefix (use_prefix NAME).
use_locale() {
    local name=$1 dir=$E2E_TMP/locales
    if [[ "$name" != C.UTF-8 ]]; then
        [[ "$name" =~ ^([a-z]+_[A-Z]+)\.(UTF-8)$ ]] || fail "use_locale: '$name' is not like xx_YY.UTF-8"
        if [[ ! -d "$dir/$name" ]]; then
            mkdir -p "$dir"
            # localedef reports warnings with a non-zero code; the result is
            # what counts.
            localedef -i "${BASH_REMATCH[1]}" -f "${BASH_REMATCH[2]}" "$dir/$name" >"$E2E_TMP/localedef.log" 2>&1
            [[ -f "$dir/$name/LC_CTYPE" ]] || { cat "$E2E_TMP/localedef.log" >&2; fail "cannot build locale $name"; }
        fi
        export LOCPATH=$dir
    else
        unset LOCPATH
    fi
    export LC_ALL=$name
    log "locale $name"
}

# expect_code_page N: programs see N as the system's ANSI code page.
expect_code_page() {
    local out
    need_helper system_facts
    out=$(run_win 60 "$HELPER") || fail "system_facts failed: $(cat "$E2E_TMP/run_win.err")"
    check_eq "ANSI code page under $LC_ALL" "$1" "$(sed -n 's/^acp //p' <<<"$out")"
}

# win_path PATH: the Windows form of an absolute Unix path (drive Z:).
win_path() { printf 'Z:%s' "${1//\//\\}"; }

# ---------------------------------------------------------------- what Windows lists

# read_window_facts: the top-level windows as Windows sees them (titles,
# owners, styles, whether the task bar lists them, the texts of boxes; see
# helpers/window_facts.c), one file per call in $WINDOW_FACTS.
read_window_facts() {
    need_helper window_facts
    WINDOW_FACTS=$E2E_TMP/window_facts.$(now_ms).txt
    run_win 30 "$HELPER" >"$WINDOW_FACTS" || fail "window_facts failed: $(cat "$E2E_TMP/run_win.err")"
}

# fact LINE KEY: KEY's value in a window_facts line; title and text run to
# the end of the line.
fact() {
    case $2 in
    title | text) sed -n "s/.* $2=//p" <<<"$1" ;;
    *) sed -n "s/.* $2=\([^ ]*\).*/\1/p" <<<"$1" ;;
    esac
}

# facts_windows FILTER...: the window lines of $WINDOW_FACTS whose fields
# match every KEY=VALUE given (exact values).
facts_windows() {
    local line kv ok
    while IFS= read -r line; do
        [[ "$line" == window\ * ]] || continue
        ok=1
        for kv in "$@"; do
            [[ "$(fact "$line" "${kv%%=*}")" == "${kv#*=}" ]] || { ok=0; break; }
        done
        ((ok)) && printf '%s\n' "$line"
    done <"$WINDOW_FACTS"
}

# facts_controls HWND: the control lines listed under that window.
facts_controls() {
    awk -v h="hwnd=$1" '
        /^window / { inside = index($0, "window " h " ") == 1; next }
        inside && /^  control / { print }' "$WINDOW_FACTS"
}

# post_close CLASS: posts WM_CLOSE to the first top-level window of CLASS, as
# another program or the system would close it.
post_close() {
    need_helper window_facts
    run_win 30 "$HELPER" --close "$1" >/dev/null || fail "cannot post WM_CLOSE to $1: $(cat "$E2E_TMP/run_win.err")"
    log "WM_CLOSE posted to $1"
}

# ---------------------------------------------------------------- watching the X side

# MAP_WATCH: the native X client of x11/map_watch.c; by default where the
# native build puts it beside the strip reader.
map_watch_path() {
    MAP_WATCH=${MAP_WATCH:-${STRIPREAD%/tools/stripread/stripread}/tests/e2e/x11/map_watch}
    [[ -x "$MAP_WATCH" ]] || fail "map_watch not built (looked for '$MAP_WATCH'; needs libx11-dev)"
}

# start_map_watch [CLASS]: logs every map, move, resize and unmap of the
# class's top-level X windows (default the viewer's) to $MAP_LOG as they
# happen, from before the next program starts.
start_map_watch() {
    map_watch_path
    # One watcher at a time: a new one starts a fresh log.
    [[ -n "${MAP_WATCH_PID:-}" ]] && _e2e_stop_pid "$MAP_WATCH_PID" 2
    MAP_LOG=$E2E_TMP/map_watch.$(now_ms).log
    "$MAP_WATCH" "${1:-$VIEWER_CLASS}" >"$MAP_LOG" 2>"$MAP_LOG.err" </dev/null &
    MAP_WATCH_PID=$!
    # Stopped with the X servers.
    _E2E_XPIDS+=("$MAP_WATCH_PID")
    _watching() { grep -qx ready "$MAP_LOG"; }
    wait_until 10 _watching || fail "map_watch did not start: $(cat "$MAP_LOG.err")"
}

# mapped_places: "WINDOW X Y W H" for each event after which a window of the
# watched class was on screen, in order.
mapped_places() {
    awk '($1 == "map" || $1 == "configure") && $7 == "mapped=1" { print $2, $3, $4, $5, $6 }' "$MAP_LOG"
}

# mapped_windows: the X windows of the watched class that were ever mapped.
mapped_windows() { awk '$1 == "map" { print $2 }' "$MAP_LOG" | sort -u; }

# ---------------------------------------------------------------- 表示の確認

# open_display_check WID X Y: opens the popup menu at X,Y (root coordinates)
# and, once it is painted, chooses 表示の確認, the last item of ヘルプ, with
# the keys.
open_display_check() {
    open_popup "$1" "$2" "$3"
    wait_menu_painted
    choose_display_check
}

# choose_display_check: in the open popup menu, chooses 表示の確認 (ヘルプ is
# the third item from the bottom; Up from its first item wraps to its last)
# and waits for the box; sets CHECK_WID and CHECK_TEXT, the box's text with
# its line breaks as \n.
choose_display_check() {
    keys Up Up Up Right Up Return
    wait_for_title '表示の確認' 10
    CHECK_WID=$TITLE_WID
    read_window_facts
    local box text
    box=$(facts_windows exe=MirloViewer.exe 'title=表示の確認' visible=1 | head -n1)
    [[ -n "$box" ]] || fail "no 表示の確認 box in the window list"
    text=$(facts_controls "$(fact "$box" hwnd)" | grep ' class=Static ' | grep -v ' text=$' | head -n1)
    CHECK_TEXT=$(fact "$text" text)
    log "表示の確認 says: $CHECK_TEXT"
}

# close_display_check: Return on the box's button closes it.
close_display_check() {
    keys Return
    wait_unmapped "$CHECK_WID"
}

# check_says_strip MONITOR W H STRIP_LINE: the box's line for a monitor of
# that size whose strip the strip reader read as STRIP_LINE, in the box's
# words (line breaks as \n).
check_says_strip() {
    local x0 y0 x1 y1
    x0=$(field "$4" x0) y0=$(field "$4" y0) x1=$(field "$4" x1) y1=$(field "$4" y1)
    printf 'モニター %s（%s×%s）: 先頭の文字 A（動作中）、描画領域の位置 (%s,%s)-(%s,%s)、サイズ %s×%s' \
        "$1" "$2" "$3" "$x0" "$y0" "$x1" "$y1" $((x1 - x0 + 1)) $((y1 - y0 + 1))
}

# ---------------------------------------------------------------- the readout

# wait_readout [TIMEOUT]: the readout beside the viewer $WID is mapped; sets
# READOUT_WID, READOUT_GEOMETRY ("X Y W H") and READOUT_TEXT, its window text
# as X has it (the numbers it shows).
wait_readout() {
    local secs=${1:-5}
    _readout_up() {
        READOUT_WID=$(visible_windows | grep -vx "$WID" | head -n1)
        [[ -n "$READOUT_WID" ]] || return 1
        READOUT_GEOMETRY=$(window_geometry "$READOUT_WID")
        READOUT_TEXT=$(xdotool getwindowname "$READOUT_WID" 2>/dev/null)
        [[ -n "$READOUT_GEOMETRY" && -n "$READOUT_TEXT" ]]
    }
    wait_until "$secs" _readout_up || fail "no readout beside the viewer within ${secs}s"
    log "readout $READOUT_WID at $READOUT_GEOMETRY: $READOUT_TEXT"
}

# strip_text LINE: the numbers of a strip reader line as the readout and the
# information box write them, "(x0,y0)-(x1,y1) w×h".
strip_text() {
    local x0 y0 x1 y1
    x0=$(field "$1" x0) y0=$(field "$1" y0) x1=$(field "$1" x1) y1=$(field "$1" y1)
    printf '(%d,%d)-(%d,%d) %d×%d' "$x0" "$y0" "$x1" "$y1" $((x1 - x0 + 1)) $((y1 - y0 + 1))
}

# expect_readout_agrees [stripread options]: the strip on a fresh screenshot
# and the readout name the same numbers (the readout takes them a moment
# after the strip, within the step), the readout is drawn there with dark
# text on a light label, and it covers neither the region nor the strip's
# row. Strip coordinates are relative to the --monitor given: pass its
# origin as STRIP_ORIGIN="X Y" when that monitor is not at the root's origin.
expect_readout_agrees() {
    local want shot=$E2E_TMP/readout.xwd
    _agree() {
        screenshot "$shot"
        STRIP_LINE=$("$STRIPREAD" "$@" "$shot" 2>/dev/null | head -n1)
        [[ "$STRIP_LINE" == *lead=A* && "$STRIP_LINE" == *region=exact* ]] || return 1
        READOUT_TEXT=$(xdotool getwindowname "$READOUT_WID" 2>/dev/null)
        [[ "$READOUT_TEXT" == "$(strip_text "$STRIP_LINE")" ]]
    }
    wait_until 5 _agree "$@" ||
        fail "readout says '$READOUT_TEXT', the strip '$(strip_text "$STRIP_LINE")' ($STRIP_LINE)"
    log "ok: readout and strip agree: $READOUT_TEXT"
    local rx ry rw rh x0 y0 x1 y1 ox=0 oy=0
    [[ -n "${STRIP_ORIGIN:-}" ]] && read -r ox oy <<<"$STRIP_ORIGIN"
    read -r rx ry rw rh <<<"$READOUT_GEOMETRY"
    x0=$(($(field "$STRIP_LINE" x0) + ox)) y0=$(($(field "$STRIP_LINE" y0) + oy))
    x1=$(($(field "$STRIP_LINE" x1) + ox)) y1=$(($(field "$STRIP_LINE" y1) + oy))
    if ((rx <= x1 && x0 < rx + rw && ry <= y1 && y0 < ry + rh)); then
        fail "readout at $READOUT_GEOMETRY covers the region ($x0,$y0)-($x1,$y1)"
    fi
    ((ry <= y0 && y0 < ry + rh)) && fail "readout at $READOUT_GEOMETRY lies across the strip's row $y0"
    # A light label with text: most of it one light colour, some dark pixels.
    local bg c n dark=0
    bg=$(dominant_colour "$shot" "$rx" "$ry" "$rw" "$rh")
    while read -r c n; do
        [[ "$n" =~ ^[0-9]+$ && "$c" =~ ^#([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})$ ]] || continue
        ((16#${BASH_REMATCH[1]} + 16#${BASH_REMATCH[2]} + 16#${BASH_REMATCH[3]} < 300)) && dark=$((dark + n))
    done < <("$STRIPREAD" --colour-box "$rx" "$ry" "$rw" "$rh" "$shot")
    [[ "$bg" != '#000000' && $((16#${bg:1:2})) -ge 160 ]] || fail "readout's background is $bg"
    ((dark >= 40)) || fail "readout shows no text: $dark dark pixels"
    log "ok: readout outside the region, drawn on $bg with $dark dark pixels"
    READOUT_SHOT=$shot
}

# readout_signature SHOT: the colours of the readout's pixels row by row in
# the screenshot, to tell whether what it shows changed.
readout_signature() {
    local rx ry rw rh y
    read -r rx ry rw rh <<<"$READOUT_GEOMETRY"
    for ((y = ry; y < ry + rh; y++)); do
        "$STRIPREAD" --colour-box "$rx" "$y" "$rw" 1 "$1" | tr '\n' ' '
        echo
    done | md5sum | cut -d' ' -f1
}
