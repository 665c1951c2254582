/* Opens a plain topmost window titled "cover" at X Y W H (desktop pixels),
 * filled with one grey, and keeps it until the process is killed. Stands in
 * for any window a user might leave in front of the viewer. With
 * --no-activate it appears without taking the activation, so a popup menu
 * open meanwhile stays open. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef BOOL(WINAPI *SetDpiContextFn)(HANDLE);

static LRESULT CALLBACK cover_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

int main(int argc, char **argv)
{
    SetDpiContextFn set_ctx = (SetDpiContextFn)(void (*)(void))GetProcAddress(
        GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext");
    WNDCLASSA wc;
    HWND w;
    MSG m;
    int quiet = argc == 6 && strcmp(argv[5], "--no-activate") == 0;
    if (argc != 5 && !quiet) {
        fprintf(stderr, "usage: cover_window X Y W H [--no-activate]\n");
        return 2;
    }
    if (!set_ctx || !set_ctx((HANDLE)-4 /* PER_MONITOR_AWARE_V2 */))
        SetProcessDPIAware();
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = cover_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = CreateSolidBrush(RGB(0x60, 0x60, 0x60));
    wc.lpszClassName = "CoverWindow";
    if (!RegisterClassA(&wc))
        return 3;
    w = CreateWindowExA(WS_EX_TOPMOST | (quiet ? WS_EX_NOACTIVATE : 0), "CoverWindow", "cover",
                        WS_POPUP | (quiet ? 0 : WS_VISIBLE),
                        atoi(argv[1]), atoi(argv[2]), atoi(argv[3]), atoi(argv[4]),
                        NULL, NULL, wc.hInstance, NULL);
    if (!w)
        return 4;
    if (quiet)
        ShowWindow(w, SW_SHOWNOACTIVATE);
    UpdateWindow(w);
    printf("shown\n");
    fflush(stdout);
    while (GetMessageA(&m, NULL, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
