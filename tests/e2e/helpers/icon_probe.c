/* A hook library that window_facts --icon places into the thread of another
 * program's window, since a window's icon can only be read in its own
 * process. Asked with the registered message "WindowFactsIconProbe", it
 * compares the window's icon (WM_GETICON, else its class's) with the first
 * icon of the program file of its process, pixel for pixel at the icon's own
 * size, and leaves the answer in the window's property "WindowFactsIcon":
 * 1 no icon, 2 the program's own icon, 3 another icon, 4 not readable. */
#include <windows.h>
#include <stdlib.h>
#include <string.h>

static HICON window_icon(HWND hwnd)
{
    static const WPARAM kinds[] = {ICON_BIG, ICON_SMALL2, ICON_SMALL};
    HICON icon;
    size_t i;
    for (i = 0; i < sizeof kinds / sizeof kinds[0]; ++i) {
        icon = (HICON)SendMessageW(hwnd, WM_GETICON, kinds[i], 0);
        if (icon)
            return icon;
    }
    icon = (HICON)GetClassLongPtrW(hwnd, GCLP_HICON);
    return icon ? icon : (HICON)GetClassLongPtrW(hwnd, GCLP_HICONSM);
}

/* The icon drawn on a plain background into w x h 32-bit pixels; NULL when it
 * cannot be drawn. The caller frees the pixels. */
static DWORD *render(HICON icon, int w, int h, COLORREF background)
{
    BITMAPINFO bi;
    void *bits = NULL;
    DWORD *copy = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bmp, old;
    HBRUSH brush;
    RECT all = {0, 0, w, h};
    memset(&bi, 0, sizeof bi);
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    if (!bmp || !bits) {
        DeleteDC(dc);
        return NULL;
    }
    old = (HBITMAP)SelectObject(dc, bmp);
    brush = CreateSolidBrush(background);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    if (DrawIconEx(dc, 0, 0, icon, w, h, 0, NULL, DI_NORMAL)) {
        GdiFlush();
        copy = (DWORD *)malloc((size_t)w * h * sizeof(DWORD));
        if (copy)
            memcpy(copy, bits, (size_t)w * h * sizeof(DWORD));
    }
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return copy;
}

static BOOL CALLBACK first_group(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR data)
{
    (void)module;
    (void)type;
    *(LPWSTR *)data = IS_INTRESOURCE(name) ? name : _wcsdup(name);
    return FALSE;
}

static int verdict(HWND hwnd)
{
    static const COLORREF backgrounds[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    HICON icon = window_icon(hwnd), own;
    HMODULE program = GetModuleHandleW(NULL);
    LPWSTR group = NULL;
    ICONINFO info;
    BITMAP bm;
    int w, h, same = 1;
    size_t i;
    if (!icon)
        return 1;
    if (!GetIconInfo(icon, &info))
        return 4;
    if (!GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm))
        bm.bmWidth = bm.bmHeight = 0;
    w = bm.bmWidth;
    /* A monochrome icon keeps its mask and picture stacked in one bitmap. */
    h = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (w <= 0 || h <= 0)
        return 4;
    EnumResourceNamesW(program, (LPCWSTR)RT_GROUP_ICON, first_group, (LONG_PTR)&group);
    own = group ? (HICON)LoadImageW(program, group, IMAGE_ICON, w, h, 0) : NULL;
    if (!own)
        return 3;
    for (i = 0; same && i < sizeof backgrounds / sizeof backgrounds[0]; ++i) {
        DWORD *a = render(icon, w, h, backgrounds[i]);
        DWORD *b = render(own, w, h, backgrounds[i]);
        same = a && b && memcmp(a, b, (size_t)w * h * sizeof(DWORD)) == 0;
        free(a);
        free(b);
    }
    DestroyIcon(own);
    return same ? 2 : 3;
}

__declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wp, LPARAM lp)
{
    const CWPSTRUCT *m = (const CWPSTRUCT *)lp;
    if (code == HC_ACTION && m->message == RegisterWindowMessageW(L"WindowFactsIconProbe"))
        SetPropW(m->hwnd, L"WindowFactsIcon", (HANDLE)(ULONG_PTR)verdict(m->hwnd));
    return CallNextHookEx(NULL, code, wp, lp);
}
