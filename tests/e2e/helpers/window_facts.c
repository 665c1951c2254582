/* Tells what the window system knows about the desktop's top-level windows,
 * so that tests can see what the task bar, Alt+Tab and message boxes show.
 *
 *   window_facts                  one "window" line per top-level window, each
 *                                 visible one followed by one "control" line
 *                                 per child window (the texts of message
 *                                 boxes and forms)
 *   window_facts --close CLASS    posts WM_CLOSE to the first top-level
 *                                 window of that class, prints its handle
 *
 * A window line is
 *   window hwnd=H pid=P exe=NAME class=C owner=H visible=0|1 exstyle=X
 *          taskbar=0|1 icon=exe|other|none|unreadable|unanswered|- title=TEXT
 * taskbar=1 when the task bar and Alt+Tab list the window: visible, not a
 * tool window, and either unowned or marked as an application window. For
 * those, icon tells whether the window's icon (WM_GETICON, else its class's)
 * is the first icon of its program file, pixel for pixel: exe, another icon,
 * or none; other windows show -. A control line is
 *   control hwnd=H class=C id=N style=X checked=0|1|2|- focused=0|1
 *           visible=0|1 text=TEXT
 * checked is a button's check state (- for other controls), focused=1 for
 * the keyboard focus of the window's thread. Texts are UTF-8 with line
 * breaks shown as \n; the title or text comes last and runs to the end of
 * the line. */
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static void put_utf8(const wchar_t *text, int length)
{
    char buf[8192];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, length, buf, sizeof buf, NULL, NULL);
    if (n > 0)
        fwrite(buf, 1, (size_t)n, stdout);
}

/* Line breaks inside a text would split its record: shown as \n. Runs
 * between them are converted whole, so that surrogate pairs stay together. */
static void put_text(const wchar_t *text)
{
    const wchar_t *run = text;
    for (;; ++text) {
        if (*text != L'\r' && *text != L'\n' && *text != 0)
            continue;
        put_utf8(run, (int)(text - run));
        if (*text == 0)
            return;
        if (*text == L'\n')
            fputs("\\n", stdout);
        run = text + 1;
    }
}

/* Places probes/icon_probe.dll (beside this program) as a hook into the
 * window's thread and asks it about the window's icon, which can only be
 * read in the window's own process. */
static const char *icon_answer(HWND hwnd)
{
    static const char *const answers[] = {"unanswered", "none", "exe", "other", "unreadable"};
    static HMODULE probe;
    static HOOKPROC proc;
    wchar_t path[MAX_PATH * 4], *slash;
    HHOOK hook;
    DWORD thread = GetWindowThreadProcessId(hwnd, NULL);
    DWORD_PTR result;
    ULONG_PTR answer;
    if (!thread)
        return "unanswered";
    if (!probe) {
        GetModuleFileNameW(NULL, path, MAX_PATH * 4);
        slash = wcsrchr(path, L'\\');
        lstrcpyW(slash ? slash + 1 : path, L"probes\\icon_probe.dll");
        probe = LoadLibraryW(path);
        proc = probe ? (HOOKPROC)(void (*)(void))GetProcAddress(probe, "ProbeHook") : NULL;
        if (!proc) {
            fprintf(stderr, "cannot load the icon probe: %lu\n", GetLastError());
            exit(1);
        }
    }
    hook = SetWindowsHookExW(WH_CALLWNDPROC, proc, probe, thread);
    if (!hook)
        return "unanswered";
    SendMessageTimeoutW(hwnd, RegisterWindowMessageW(L"WindowFactsIconProbe"), 0, 0, SMTO_ABORTIFHUNG,
                        5000, &result);
    UnhookWindowsHookEx(hook);
    answer = (ULONG_PTR)GetPropW(hwnd, L"WindowFactsIcon");
    return answer < sizeof answers / sizeof answers[0] ? answers[answer] : "unanswered";
}

static void process_path(DWORD pid, wchar_t *path, DWORD size)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    path[0] = 0;
    if (!process)
        return;
    if (!QueryFullProcessImageNameW(process, 0, path, &size))
        path[0] = 0;
    CloseHandle(process);
}

static BOOL CALLBACK print_control(HWND child, LPARAM focus)
{
    wchar_t cls[256], text[1024];
    DWORD_PTR check = 0;
    if (!GetClassNameW(child, cls, 256))
        cls[0] = 0;
    /* Read by message: GetWindowText does not read other processes' controls. */
    if (!SendMessageTimeoutW(child, WM_GETTEXT, 1024, (LPARAM)text, SMTO_ABORTIFHUNG, 1000, NULL))
        text[0] = 0;
    text[1023] = 0;
    printf("  control hwnd=0x%llx class=", (unsigned long long)(ULONG_PTR)child);
    put_text(cls);
    printf(" id=%d style=0x%08lx", GetDlgCtrlID(child), (unsigned long)GetWindowLongW(child, GWL_STYLE));
    if (lstrcmpiW(cls, L"Button") == 0 &&
        SendMessageTimeoutW(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &check))
        printf(" checked=%d", (int)check);
    else
        fputs(" checked=-", stdout);
    printf(" focused=%d visible=%d text=", child == (HWND)focus ? 1 : 0, IsWindowVisible(child) ? 1 : 0);
    put_text(text);
    fputc('\n', stdout);
    return TRUE;
}

static BOOL CALLBACK print_window(HWND hwnd, LPARAM data)
{
    wchar_t cls[256], title[1024], path[MAX_PATH * 4];
    const wchar_t *exe;
    DWORD pid = 0, thread;
    GUITHREADINFO gui;
    HWND owner = GetWindow(hwnd, GW_OWNER);
    LONG exstyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
    BOOL visible = IsWindowVisible(hwnd);
    BOOL listed = visible && !(exstyle & WS_EX_TOOLWINDOW) && (!owner || (exstyle & WS_EX_APPWINDOW));
    (void)data;
    thread = GetWindowThreadProcessId(hwnd, &pid);
    if (!GetClassNameW(hwnd, cls, 256))
        cls[0] = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, (LPARAM)title, SMTO_ABORTIFHUNG, 1000, NULL))
        title[0] = 0;
    title[1023] = 0;
    process_path(pid, path, MAX_PATH * 4);
    exe = wcsrchr(path, L'\\');
    exe = exe ? exe + 1 : path;
    printf("window hwnd=0x%llx pid=%lu exe=", (unsigned long long)(ULONG_PTR)hwnd, (unsigned long)pid);
    put_text(exe);
    fputs(" class=", stdout);
    put_text(cls);
    printf(" owner=0x%llx visible=%d exstyle=0x%08lx taskbar=%d icon=%s title=",
           (unsigned long long)(ULONG_PTR)owner, visible ? 1 : 0, (unsigned long)exstyle,
           listed ? 1 : 0, listed ? icon_answer(hwnd) : "-");
    put_text(title);
    fputc('\n', stdout);
    memset(&gui, 0, sizeof gui);
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(thread, &gui))
        gui.hwndFocus = NULL;
    if (visible)
        EnumChildWindows(hwnd, print_control, (LPARAM)gui.hwndFocus);
    return TRUE;
}

int main(int argc, char **argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc == 3 && strcmp(argv[1], "--close") == 0) {
        wchar_t cls[256];
        HWND target;
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, cls, 256);
        target = FindWindowW(cls, NULL);
        if (!target) {
            fprintf(stderr, "no top-level window of class %s\n", argv[2]);
            return 1;
        }
        if (!PostMessageW(target, WM_CLOSE, 0, 0)) {
            fprintf(stderr, "PostMessage failed: %lu\n", GetLastError());
            return 1;
        }
        printf("closed 0x%llx\n", (unsigned long long)(ULONG_PTR)target);
        fflush(stdout);
        return 0;
    }
    if (argc != 1) {
        fprintf(stderr, "usage: window_facts [--close CLASS]\n");
        return 2;
    }
    if (!EnumWindows(print_window, 0))
        return 3;
    fflush(stdout);
    return 0;
}
