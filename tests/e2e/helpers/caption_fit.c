/* Measures the captions of the one visible form of class TMirloForm (the
 * viewer's settings dialog and boxes) in the controls' own fonts, by placing
 * probes/caption_probe.dll as a hook into the form's thread, and prints
 *
 *   form hwnd=H dpi=N client_w=W title=TITLE
 *   control id=N class=C kind=K text_w=W ... text=TEXT   (one per control,
 *                                                         see caption_probe.c)
 *
 * in UTF-8. Exit code 1 when there is no such form or it does not answer. */
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <wchar.h>

#define MAPPING_CHARS 32768

static void put_utf8(const wchar_t *text)
{
    static char buf[MAPPING_CHARS * 3];
    if (WideCharToMultiByte(CP_UTF8, 0, text, -1, buf, sizeof buf, NULL, NULL) > 0)
        fputs(buf, stdout);
}

static BOOL CALLBACK find_form(HWND hwnd, LPARAM data)
{
    wchar_t cls[64];
    if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, cls, 64) && lstrcmpW(cls, L"TMirloForm") == 0) {
        *(HWND *)data = hwnd;
        return FALSE;
    }
    return TRUE;
}

int main(void)
{
    wchar_t path[MAX_PATH * 4], *slash, name[64], title[512];
    HWND form = NULL;
    HMODULE probe;
    HOOKPROC proc;
    HHOOK hook;
    HANDLE mapping;
    wchar_t *view;
    DWORD_PTR result;
    HDC screen;
    RECT client;
    _setmode(_fileno(stdout), _O_BINARY);
    EnumWindows(find_form, (LPARAM)&form);
    if (!form) {
        fprintf(stderr, "no visible TMirloForm window\n");
        return 1;
    }
    GetModuleFileNameW(NULL, path, MAX_PATH * 4);
    slash = wcsrchr(path, L'\\');
    lstrcpyW(slash ? slash + 1 : path, L"probes\\caption_probe.dll");
    probe = LoadLibraryW(path);
    proc = probe ? (HOOKPROC)(void (*)(void))GetProcAddress(probe, "ProbeHook") : NULL;
    if (!proc) {
        fprintf(stderr, "cannot load the caption probe: %lu\n", GetLastError());
        return 1;
    }
    swprintf(name, 64, L"Local\\CaptionFit.%lu", (unsigned long)GetCurrentProcessId());
    mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0,
                                 MAPPING_CHARS * sizeof(wchar_t), name);
    view = mapping ? (wchar_t *)MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : NULL;
    if (!view) {
        fprintf(stderr, "cannot make the file mapping: %lu\n", GetLastError());
        return 1;
    }
    hook = SetWindowsHookExW(WH_CALLWNDPROC, proc, probe, GetWindowThreadProcessId(form, NULL));
    if (!hook) {
        fprintf(stderr, "cannot place the caption probe: %lu\n", GetLastError());
        return 1;
    }
    if (!SendMessageTimeoutW(form, RegisterWindowMessageW(L"CaptionFitProbe"), GetCurrentProcessId(), 0,
                             SMTO_ABORTIFHUNG, 5000, &result)) {
        fprintf(stderr, "the form did not answer: %lu\n", GetLastError());
        return 1;
    }
    UnhookWindowsHookEx(hook);
    if (view[0] == 0) {
        fprintf(stderr, "the probe wrote nothing\n");
        return 1;
    }
    if (!GetWindowTextW(form, title, 512))
        title[0] = 0;
    screen = GetDC(NULL);
    GetClientRect(form, &client);
    printf("form hwnd=0x%llx dpi=%d client_w=%ld title=", (unsigned long long)(ULONG_PTR)form,
           GetDeviceCaps(screen, LOGPIXELSY), client.right);
    ReleaseDC(NULL, screen);
    put_utf8(title);
    fputc('\n', stdout);
    put_utf8(view);
    fflush(stdout);
    return 0;
}
