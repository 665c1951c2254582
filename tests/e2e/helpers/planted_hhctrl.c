/* A stand-in for the HTML Help library that a stranger could leave beside a
 * program or in its working folder. Loading it leaves the file
 * "planted_hhctrl.loaded" beside it, naming the program that loaded it;
 * calling its help entries does nothing. */
#include <windows.h>

static void leave_marker(HINSTANCE self)
{
    wchar_t path[MAX_PATH * 4], program[MAX_PATH * 4];
    char line[MAX_PATH * 16];
    DWORD n = GetModuleFileNameW(self, path, MAX_PATH * 4), written;
    wchar_t *slash;
    HANDLE file;
    int len;
    if (n == 0 || n >= MAX_PATH * 4)
        return;
    slash = wcsrchr(path, L'\\');
    if (!slash)
        return;
    lstrcpyW(slash + 1, L"planted_hhctrl.loaded");
    if (!GetModuleFileNameW(NULL, program, MAX_PATH * 4))
        program[0] = 0;
    len = WideCharToMultiByte(CP_UTF8, 0, program, -1, line, sizeof line - 2, NULL, NULL);
    if (len <= 0)
        len = 1;
    line[len - 1] = '\n';
    file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    WriteFile(file, line, (DWORD)len, &written, NULL);
    CloseHandle(file);
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        leave_marker(self);
    return TRUE;
}

HWND WINAPI HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    (void)caller;
    (void)file;
    (void)command;
    (void)data;
    return NULL;
}

HWND WINAPI HtmlHelpW(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data)
{
    (void)caller;
    (void)file;
    (void)command;
    (void)data;
    return NULL;
}
