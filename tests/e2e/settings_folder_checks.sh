# shellcheck shell=bash
# Checks of the settings file beside a program installed in a given folder,
# shared by the tests of folder names under several code pages. Sourced after
# lib.sh, with a desk of one 1920x1200 monitor whose work area is
# 0,0,1920,1160.

# check_settings_beside DIR: the viewer installed in DIR reads the
# veltmirl.ini there (a remembered wide 640 at 100,200) and, on 終了, writes
# all its keys back into that file as plain ASCII CR LF lines without a
# byte-order mark; no veltmirl.ini appears anywhere else.
check_settings_beside() {
    local dir=$1 ini=$1/veltmirl.ini exe_path others
    log "folder: $dir"
    install_viewer "$dir"
    exe_path=$(win_path "$VIEWER")
    log "program path: ${#exe_path} characters"
    printf '%s\r\n' '[SaveParameter]' Current=1 Full=0 Width=640 Aspect=1 X=100 Y=200 ScrIdx=0 >"$ini"
    start_exe "$VIEWER"
    wait_for_window 40
    # Wherever it opened, once it is painted there.
    wait_strip 10
    local opened ox oy ow oh
    opened=$(window_geometry "$WID")
    read -r ox oy ow oh <<<"$opened"
    # 終了: the menu's last item, opened low in the region, clear of the strip.
    menu_command "$WID" $((ox + 160)) $((oy + oh - 53)) Up Return
    if ! wait_exit 15 >/dev/null; then
        [[ "$EXIT_CODE" == timeout ]] || fail "the program ended with exit code $EXIT_CODE after 終了"
        read_window_facts
        fail "終了 did not end the program; its windows: $(facts_windows exe=MirloViewer.exe visible=1 | sed 's/.* class=//' | tr '\n' ';') $(grep -h ' class=Static .* text=.' "$WINDOW_FACTS" | sed 's/.* text=//' | tr '\n' ';')"
    fi
    check_eq "exit code after 終了" 0 "$EXIT_CODE"
    others=$(find "$E2E_TMP" -name veltmirl.ini ! -path "$ini" | sed "s|^$E2E_TMP|…|")
    [[ -z "$others" ]] || fail "veltmirl.ini written outside the program's folder: $others"
    # The 33 keys of old and Lock.
    check_eq "keys in $ini after 終了" 34 "$(tr -d '\r' <"$ini" | grep -c '=')"
    # The remembered state was read from the file: the window opened there,
    # and the same state was saved again.
    check_eq "the viewer opened as the file beside it says" "100 200 646 366" "$opened"
    check_eq "X saved" 100 "$(ini_value "$ini" SaveParameter X)"
    check_eq "Width saved" 640 "$(ini_value "$ini" SaveParameter Width)"
    expect_plain_ini "$ini"
    rm -f "$ini"
}

# expect_plain_ini FILE: ASCII only, every line ends in CR LF, no byte-order
# mark.
expect_plain_ini() {
    local file=$1
    [[ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' ')" != efbbbf ]] || fail "$file starts with a UTF-8 byte-order mark"
    [[ "$(head -c 2 "$file" | od -An -tx1 | tr -d ' ')" != fffe ]] || fail "$file starts with a UTF-16 byte-order mark"
    [[ "$(head -c 1 "$file")" == "[" ]] || fail "$file does not start with a section: $(head -c 16 "$file" | od -An -tx1)"
    ! LC_ALL=C grep -q '[^ -~'$'\r'']' "$file" || fail "$file holds bytes other than printable ASCII, CR and LF"
    check_eq "lines of $(basename "$file") not ending in CR LF" 0 "$(grep -vc $'\r$' "$file")"
    [[ "$(tail -c 2 "$file" | od -An -tx1 | tr -d ' ')" == 0d0a ]] || fail "$file does not end with CR LF"
}

# check_write_error_names_path DIR: with veltmirl.ini a folder there, 終了
# shows the error box "PATH に書き込めません" with the whole Windows path of
# the file, in its real characters, and the viewer stays open.
check_write_error_names_path() {
    local dir=$1 text want
    log "write error in: $dir"
    install_viewer "$dir"
    mkdir "$dir/veltmirl.ini"
    start_exe "$VIEWER"
    wait_for_window 40
    expect_viewer_rect 797 457 "$VIEWER_W" "$VIEWER_H"
    menu_command "$WID" 960 650 Up Return
    wait_for_title MirloViewer 10
    read_window_facts
    local box
    box=$(facts_windows exe=MirloViewer.exe title=MirloViewer visible=1 | grep -v ' class=TForm1 ' | head -n1)
    [[ -n "$box" ]] || fail "no error box in the window list"
    text=$(facts_controls "$(fact "$box" hwnd)" | grep ' class=Static ' | grep -v ' text=$' | head -n1)
    text=$(fact "$text" text)
    want="$(win_path "$dir")\\veltmirl.ini に書き込めません"
    log "error box: $text"
    [[ "$text" == "$want"* ]] || fail "error box says '$text', wanted '$want'"
    keys Return
    wait_unmapped "$TITLE_WID"
    exe_running || fail "the program ended after the failed save"
    end_exe
}
