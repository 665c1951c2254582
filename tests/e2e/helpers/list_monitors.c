/* Prints every monitor as Windows sees it, one per line, in enumeration order:
 * index, bounds (left top right bottom), work area (left top right bottom). */
#include <windows.h>
#include <stdio.h>

typedef BOOL(WINAPI *SetDpiContextFn)(HANDLE);

static BOOL CALLBACK print_monitor(HMONITOR mon, HDC dc, LPRECT rc, LPARAM data)
{
    int *index = (int *)data;
    MONITORINFO mi;
    (void)dc;
    (void)rc;
    mi.cbSize = sizeof mi;
    if (!GetMonitorInfoA(mon, &mi)) {
        fprintf(stderr, "GetMonitorInfoA failed for monitor %d\n", *index);
        return FALSE;
    }
    printf("%d %ld %ld %ld %ld %ld %ld %ld %ld\n", *index,
           mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom,
           mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom);
    ++*index;
    return TRUE;
}

int main(void)
{
    /* Looked up at run time: older systems lack it, and unaware processes
     * would see scaled rectangles. */
    SetDpiContextFn set_ctx = (SetDpiContextFn)(void (*)(void))GetProcAddress(
        GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext");
    int index = 0;
    if (!set_ctx || !set_ctx((HANDLE)-4 /* PER_MONITOR_AWARE_V2 */))
        SetProcessDPIAware();
    if (!EnumDisplayMonitors(NULL, NULL, print_monitor, (LPARAM)&index))
        return 2;
    fflush(stdout);
    return index > 0 ? 0 : 3;
}
