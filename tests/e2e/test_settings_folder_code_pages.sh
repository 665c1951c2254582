#!/bin/bash
# veltmirl.ini lies beside the program on any system code page: a folder
# named in the system's own script, under Russian (1251), Chinese (950) and
# Japanese (932) Windows, each with a prefix of its own. The bytes of such
# names in the ANSI code page include Shift-JIS lead bytes (1251, 950) and a
# trail byte that is a backslash (932's 表).
source "$(dirname "$0")/lib.sh"
e2e_init
require_env
start_xvfb 1920x1200
set_workareas 0,0,1920,1160
source "$(dirname "$0")/settings_folder_checks.sh"

for case in "ru_RU.UTF-8 1251 Игры" "zh_TW.UTF-8 950 工具" "ja_JP.UTF-8 932 表示"; do
    read -r locale code_page folder <<<"$case"
    stop_wine
    use_locale "$locale"
    use_prefix "$code_page"
    expect_code_page "$code_page"
    check_settings_beside "$E2E_TMP/cp$code_page/$folder"
done
