/* Prints the plain text on the clipboard as Windows programs see it, in
 * UTF-8, without a line end; nothing when it holds none. Tests wait for it to
 * show a text they put on the X clipboard before a program pastes it. */
#include <windows.h>
#include <stdio.h>

int main(void)
{
    HANDLE data;
    const wchar_t *text;
    char buf[4096];
    int n;
    if (!OpenClipboard(NULL))
        return 1;
    data = GetClipboardData(CF_UNICODETEXT);
    text = data ? (const wchar_t *)GlobalLock(data) : NULL;
    if (text) {
        n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buf, sizeof buf, NULL, NULL);
        if (n > 1)
            fwrite(buf, 1, (size_t)(n - 1), stdout);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 0;
}
