/* Opens a plain topmost window titled "cover" at X Y W H (desktop pixels),
 * filled with one grey, and keeps it until the process is killed. Stands in
 * for any window a user might leave in front of the viewer. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

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
    if (argc != 5) {
        fprintf(stderr, "usage: cover_window X Y W H\n");
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
    w = CreateWindowExA(WS_EX_TOPMOST, "CoverWindow", "cover", WS_POPUP | WS_VISIBLE,
                        atoi(argv[1]), atoi(argv[2]), atoi(argv[3]), atoi(argv[4]),
                        NULL, NULL, wc.hInstance, NULL);
    if (!w)
        return 4;
    UpdateWindow(w);
    printf("shown\n");
    fflush(stdout);
    while (GetMessageA(&m, NULL, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
