/* A hook library that caption_fit places into the thread of a form of
 * another program, since a control's font (WM_GETFONT) is a handle of the
 * form's own process and can be measured only there. Asked with the
 * registered message "CaptionFitProbe" (wParam: the asking process's id), it
 * measures the text of every child control in the control's own font and
 * writes one line per control, UTF-16, into the file mapping
 * "Local\CaptionFit.<id>" that the asking process made:
 *
 *   control id=N class=C kind=K left=L right=R text_w=W text_h=H room_w=R
 *           client_w=CW client_h=CH face=F missing=M text=TEXT
 *
 * kind is label, edit, list, radio, check or button; left and right are the control's
 * edges in the form's client coordinates; room_w is the width the text is
 * drawn in: the client rectangle's, less the check glyph and its gap for a
 * radio button or a check box; face is the family of the font the text is
 * really drawn in (after Wine's font substitutes); missing counts the
 * characters that font has no glyph for (drawn as boxes). */
#include <windows.h>
#include <stdio.h>
#include <wchar.h>

#define MAPPING_CHARS 32768

struct output {
    HWND form;
    wchar_t *at, *end;
};

static void put(struct output *out, const wchar_t *format, ...)
{
    va_list args;
    int n;
    if (out->at >= out->end)
        return;
    va_start(args, format);
    n = _vsnwprintf(out->at, (size_t)(out->end - out->at), format, args);
    va_end(args);
    out->at = n < 0 ? out->end : out->at + n;
}

static const wchar_t *kind_of(HWND control, const wchar_t *cls)
{
    LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiW(cls, L"Edit") == 0)
        return L"edit";
    if (lstrcmpiW(cls, L"ComboBox") == 0)
        return L"list";
    if (lstrcmpiW(cls, L"Button") != 0)
        return L"label";
    switch (type) {
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return L"radio";
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return L"check";
    default:
        return L"button";
    }
}

static BOOL CALLBACK measure(HWND control, LPARAM data)
{
    struct output *out = (struct output *)data;
    wchar_t cls[64], text[512], face[LF_FACESIZE];
    WORD glyphs[512];
    HFONT font = (HFONT)SendMessageW(control, WM_GETFONT, 0, 0);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    const wchar_t *kind;
    SIZE extent = {0, 0};
    TEXTMETRICW tm;
    RECT client, place;
    int length, room, missing = 0, i;
    if (!GetClassNameW(control, cls, 64))
        cls[0] = 0;
    length = GetWindowTextW(control, text, 512);
    kind = kind_of(control, cls);
    GetTextExtentPoint32W(dc, text, length, &extent);
    GetTextMetricsW(dc, &tm);
    /* The family actually used: GetTextFace gives the name asked for. */
    face[0] = 0;
    {
        UINT size = GetOutlineTextMetricsW(dc, 0, NULL);
        OUTLINETEXTMETRICW *otm = size ? (OUTLINETEXTMETRICW *)HeapAlloc(GetProcessHeap(), 0, size) : NULL;
        if (otm && GetOutlineTextMetricsW(dc, size, otm))
            lstrcpynW(face, (const wchar_t *)((const BYTE *)otm + (ULONG_PTR)otm->otmpFamilyName), LF_FACESIZE);
        if (otm)
            HeapFree(GetProcessHeap(), 0, otm);
    }
    if (length > 0 && GetGlyphIndicesW(dc, text, length, glyphs, GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR) {
        for (i = 0; i < length; ++i)
            missing += glyphs[i] == 0xffff;
    }
    GetClientRect(control, &client);
    GetWindowRect(control, &place);
    MapWindowPoints(NULL, out->form, (POINT *)&place, 2);
    room = client.right - client.left;
    if (kind[0] == L'r' || kind[0] == L'c') {
        /* The button draws its text after the check glyph and a gap of half
         * a digit's width, in the control's font. */
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        room -= GetSystemMetrics(SM_CXMENUCHECK) + digit / 2;
    } else if (kind[0] == L'e') {
        /* An edit field keeps margins on both sides of its text. */
        DWORD margins = (DWORD)SendMessageW(control, EM_GETMARGINS, 0, 0);
        room -= LOWORD(margins) + HIWORD(margins);
    } else if (kind[0] == L'l' && kind[1] == L'i') {
        /* A drop-down list shows its choice beside the arrow button. */
        room -= GetSystemMetrics(SM_CXVSCROLL);
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    for (i = 0; face[i]; ++i)
        if (face[i] == L' ')
            face[i] = L'_';
    put(out, L"control id=%d class=%ls kind=%ls left=%ld right=%ld text_w=%ld text_h=%ld room_w=%d client_w=%ld client_h=%ld "
             L"face=%ls missing=%d text=%ls\n",
        GetDlgCtrlID(control), cls, kind, place.left, place.right, extent.cx, tm.tmHeight, room, client.right - client.left,
        client.bottom - client.top, font ? face : L"(none)", missing, text);
    return TRUE;
}

static void answer(HWND form, DWORD asker)
{
    wchar_t name[64];
    HANDLE mapping;
    wchar_t *view;
    struct output out;
    swprintf(name, 64, L"Local\\CaptionFit.%lu", (unsigned long)asker);
    mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
    if (!mapping)
        return;
    view = (wchar_t *)MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, MAPPING_CHARS * sizeof(wchar_t));
    if (view) {
        out.form = form;
        out.at = view;
        out.end = view + MAPPING_CHARS - 1;
        EnumChildWindows(form, measure, (LPARAM)&out);
        *out.at = 0;
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
}

__declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wp, LPARAM lp)
{
    const CWPSTRUCT *m = (const CWPSTRUCT *)lp;
    if (code == HC_ACTION && m->message == RegisterWindowMessageW(L"CaptionFitProbe"))
        answer(m->hwnd, (DWORD)m->wParam);
    return CallNextHookEx(NULL, code, wp, lp);
}
