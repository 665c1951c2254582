/* Broadcasts WM_SETTINGCHANGE as the shell does when the work area changes.
 * Optional argument: another action code to send instead of SPI_SETWORKAREA. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv)
{
    WPARAM action = SPI_SETWORKAREA;
    DWORD_PTR result = 0;
    if (argc > 1) {
        char *end;
        unsigned long v = strtoul(argv[1], &end, 0);
        if (*argv[1] == '\0' || *end != '\0') {
            fprintf(stderr, "usage: notify_workarea [ACTION]\n");
            return 2;
        }
        action = (WPARAM)v;
    }
    if (!SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, action, 0,
                             SMTO_ABORTIFHUNG, 2000, &result)) {
        fprintf(stderr, "SendMessageTimeoutA failed: %lu\n", GetLastError());
        return 1;
    }
    printf("sent %lu\n", (unsigned long)action);
    fflush(stdout);
    return 0;
}
