#!/bin/bash
# veltmirl.ini lies beside the program whatever its folder is called, under
# code page 1252 (Wine under C.UTF-8): a folder with Latin-1 accents, whose
# letters are Shift-JIS lead bytes; a folder with an emoji, which no ANSI code
# page can write; and a program path longer than 259 characters. The file is
# read from there and written back there as plain ASCII lines ending in CR LF
# without a byte-order mark, and a write that fails names the whole path with
# its real characters.
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
use_prefix
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
expect_code_page 1252
source "$(dirname "$0")/settings_folder_checks.sh"

check_settings_beside "$E2E_TMP/Giochi/Utilità"
check_settings_beside "$E2E_TMP/Mirlo 🐦"
# Folders until the program's Windows path is well past 259 characters, in
# plain ASCII so that only the length counts.
long=$E2E_TMP/long
for part in Display-controller-settings Region-viewer-for-the-scan-converter \
    Programs-and-tools-of-the-workshop Folder-with-a-rather-long-name-indeed \
    Another-folder-with-a-long-name Yet-another-folder-with-a-long-name \
    Settings-beside-the-program-always Last-folder-before-the-program; do
    long+=/$part
    (($(win_path "$long/MirloViewer.exe" | wc -m) > 300)) && break
done
(($(win_path "$long/MirloViewer.exe" | wc -m) > 300)) || fail "the long path is too short: $long"
check_settings_beside "$long"
check_write_error_names_path "$E2E_TMP/Café 🐦"
