#!/usr/bin/env bash
# Runs every fuzz target for a bounded time from its committed seed corpus.
#   scripts/run-fuzz.sh BUILD_DIR SECONDS_PER_TARGET
# Fails on any crash, sanitizer report, leak or hang, and leaves the input
# that caused it in BUILD_DIR/artifacts/. New inputs the fuzzer finds go to a
# scratch directory, so the committed corpus never changes by itself.
set -euo pipefail

build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
targets=(profile_integer settings_file)

# A small quarantine keeps freed memory warm: several times the executions.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=8}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

artifacts=$build/artifacts
mkdir -p "$artifacts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

total=0
status=0
for t in "${targets[@]}"; do
  exe=$build/tests/fuzz/${t}_fuzz
  [ -x "$exe" ] || { echo "fuzz: $exe is missing" >&2; exit 2; }
  mkdir -p "$scratch/$t"
  # Inputs that once failed run first of all; a DISABLED_ one waits for its fix.
  for f in "$root/tests/fuzz/regressions/$t"/*; do
    [ -f "$f" ] && [[ "$(basename "$f")" != DISABLED_* ]] && cp "$f" "$scratch/$t/"
  done
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384
           -print_final_stats=1 -artifact_prefix="$artifacts/$t-")
  [ -f "$root/tests/fuzz/$t.dict" ] && options+=(-dict="$root/tests/fuzz/$t.dict")
  log=$build/$t.log
  # -timeout: one input running longer than this is a hang.
  if "$exe" "${options[@]}" "$scratch/$t" "$root/tests/fuzz/corpus/$t" >"$log" 2>&1; then
    result=passed
  else
    result=FAILED
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  runs=${runs:-0}
  total=$((total + runs))
  echo "fuzz: $t $result, $runs executions in ${seconds}s (log $log)"
  if [ "$result" = FAILED ]; then
    grep -E 'ERROR|runtime error|SUMMARY|Test unit written|^[A-Za-z].*: (saved|read back)|changed' "$log" |
      head -20 >&2 || true
  fi
done
echo "fuzz: $total executions in all"
exit $status
