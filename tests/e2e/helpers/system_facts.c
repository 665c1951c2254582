/* Prints what the system is set to that changes how programs see paths and
 * sizes: the ANSI and OEM code pages and the screen's pixels per inch, one
 * "name value" pair a line. */
#include <windows.h>
#include <stdio.h>

int main(void)
{
    HDC screen;
    int dpi;
    /* Unaware processes may be shown a scaled 96. */
    SetProcessDPIAware();
    screen = GetDC(NULL);
    dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
    printf("acp %u\n", GetACP());
    printf("oemcp %u\n", GetOEMCP());
    printf("dpi %d\n", dpi);
    fflush(stdout);
    return 0;
}
