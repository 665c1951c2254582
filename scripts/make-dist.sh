#!/usr/bin/env bash
# Packs the download a Windows user unpacks and runs: one zip holding the
# program, its help file, the readme and the strip checker, side by side
# without folders.
#   scripts/make-dist.sh WIN_DIR OUT_DIR VERSION
# writes OUT_DIR/MirloViewer-VERSION-win64.zip.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
win_dir=$(cd "$1" && pwd)
out_dir=$2
version=$3

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# Notepad on every Windows reads UTF-8 with a byte-order mark and CRLF line
# ends, whatever the system's code page.
{
  printf '\xef\xbb\xbf'
  sed 's/$/\r/' "$root/resources/dist/README.txt"
} >"$stage/README.txt"

# What the zip holds, one file a line (tests/dist/check_dist.py lists the same).
files=(
  "$win_dir/MirloViewer.exe"
  "$win_dir/MirloViewerHelp.chm"
  "$stage/README.txt"
  "$win_dir/stripcheck.exe"
)

for f in "${files[@]}"; do
  [ -f "$f" ] || { echo "make-dist: missing $f" >&2; exit 1; }
done
mkdir -p "$out_dir"
zip=$out_dir/MirloViewer-$version-win64.zip
rm -f "$zip"
zip -q -X -j "$zip" "${files[@]}"
echo "wrote $zip"
