/* Prints every top-level window of the desktop, one per line, tab-separated:
 * handle, owner handle (0 when none), process id, visible (1 or 0), class
 * name, title. Handles in hex; class and title in UTF-8, with tabs and line
 * breaks in them shown as spaces. Lets a test find a window by its title or
 * class and check which window owns it. */
#include <windows.h>
#include <stdio.h>

static void print_utf8(const wchar_t *text)
{
    char out[1024];
    wchar_t clean[512];
    int i;
    for (i = 0; text[i] != 0 && i < 511; i++)
        clean[i] = (text[i] == L'\t' || text[i] == L'\r' || text[i] == L'\n') ? L' ' : text[i];
    clean[i] = 0;
    if (WideCharToMultiByte(CP_UTF8, 0, clean, -1, out, sizeof out, NULL, NULL) == 0)
        out[0] = 0;
    fputs(out, stdout);
}

static BOOL CALLBACK print_window(HWND hwnd, LPARAM data)
{
    wchar_t cls[256] = L"", title[512] = L"";
    DWORD pid = 0;
    (void)data;
    GetClassNameW(hwnd, cls, 256);
    GetWindowTextW(hwnd, title, 512);
    GetWindowThreadProcessId(hwnd, &pid);
    printf("%llx\t%llx\t%lu\t%d\t", (unsigned long long)(ULONG_PTR)hwnd,
           (unsigned long long)(ULONG_PTR)GetWindow(hwnd, GW_OWNER), (unsigned long)pid,
           IsWindowVisible(hwnd) ? 1 : 0);
    print_utf8(cls);
    putchar('\t');
    print_utf8(title);
    putchar('\n');
    return TRUE;
}

int main(void)
{
    if (!EnumWindows(print_window, 0))
        return 2;
    fflush(stdout);
    return 0;
}
