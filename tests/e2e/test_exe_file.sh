#!/bin/bash
# The programs as shipped: the viewer and the strip checker, each one file
# that needs only the system's DLLs, declares per-monitor DPI awareness (so
# Windows never scales the window or the captured screen and the strip stays
# pixel-exact) and carries its version resource.
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
objdump=x86_64-w64-mingw32-objdump

# check_exe NAME SUBSYSTEM
check_exe() {
  local exe=${MIRLO_WIN_DIR:?}/$1 subsystem=$2 imports dll text want
  [ -f "$exe" ] || fail "no $exe"
  imports=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  [ -n "$imports" ] || fail "no imports read from $exe"
  for dll in $imports; do
    case "$dll" in
      kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll) ;;
      *) fail "$1 imports $dll, which is not a system DLL" ;;
    esac
  done
  "$objdump" -f "$exe" | grep -q 'file format pei-x86-64' || fail "$1 is not an x86-64 program"
  "$objdump" -p "$exe" | grep -q "^Subsystem.*($subsystem)" || fail "$1 is not a $subsystem program"

  # The manifest is stored as plain text, the version strings as UTF-16.
  grep -aq '<dpiAwareness[^>]*>PerMonitorV2' "$exe" || fail "$1: no per-monitor v2 DPI awareness in the manifest"
  grep -aq '<dpiAware[^>]*>true/pm<' "$exe" || fail "$1: no per-monitor DPI fallback in the manifest"
  text=$(iconv -f UTF-16LE -t UTF-8 -c "$exe" 2>/dev/null | tr -d '\0')
  for want in 'ProductName' 'MirloViewer' 'ProductVersion' '2.0.1.0'; do
    grep -q "$want" <<<"$text" || fail "$1: version resource lacks $want"
  done
  echo "$1 imports: $(echo $imports); manifest and version resource present"
}

check_exe MirloViewer.exe 'Windows GUI'
check_exe stripcheck.exe 'Windows CUI'
