#!/usr/bin/env python3
"""Checks the download as a user gets it: unpacks the zip into a fresh
directory and looks at each file the way Windows and its help viewer will.

    tests/dist/check_dist.py ZIP [HELP_SOURCES_DIR]

With HELP_SOURCES_DIR, every page, the contents and the index inside the help
file must also read back exactly as written there.
Prints one line per check and ends with "N passed, N failed".
"""
import html.parser
import os
import posixpath
import re
import struct
import subprocess
import sys
import tempfile
import zipfile

# Everything the zip holds, one file a line (scripts/make-dist.sh lists the same).
EXPECTED_FILES = [
    "MirloViewer.exe",
    "MirloViewerHelp.chm",
    "README.txt",
    "stripcheck.exe",
]

# The programs in the zip and the subsystem each is built for.
PROGRAMS = {"MirloViewer.exe": "Windows GUI", "stripcheck.exe": "Windows CUI"}
EXE_LIMIT = 350_000
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll",
    "comctl32.dll", "comdlg32.dll", "ole32.dll", "oleaut32.dll", "shlwapi.dll", "version.dll",
    "imm32.dll", "uxtheme.dll", "dwmapi.dll", "shcore.dll", "winmm.dll", "ntdll.dll",
}
ICON_SIZES = [16, 24, 32, 48, 256]
JAPANESE = 0x0411
RESOLUTIONS = ["640x480", "800x600", "1024x768", "1280x768", "1360x768",
               "1280x1024", "1600x1200", "1440x900", "1680x1050", "1920x1200"]
OBJDUMP = "x86_64-w64-mingw32-objdump"

results = {"passed": 0, "failed": 0}


def check(what, ok, detail=""):
    if ok:
        results["passed"] += 1
        print(f"ok   {what}")
    else:
        results["failed"] += 1
        print(f"FAIL {what}" + (f": {detail}" if detail else ""))
    return ok


def run(*cmd):
    return subprocess.run(cmd, capture_output=True, check=False)


# ------------------------------------------------------------------ the zip

def check_zip(path, into):
    with zipfile.ZipFile(path) as z:
        names = z.namelist()
        check("the zip holds exactly " + ", ".join(EXPECTED_FILES),
              sorted(names) == sorted(EXPECTED_FILES), f"it holds {names}")
        bad = z.testzip()
        check("every file in the zip reads back intact", bad is None, f"{bad} is damaged")
        z.extractall(into)
    m = re.fullmatch(r"MirloViewer-(\d+\.\d+\.\d+)-win64\.zip", os.path.basename(path))
    check("the zip is named MirloViewer-VERSION-win64.zip", m is not None, os.path.basename(path))
    return m.group(1) if m else None


# ------------------------------------------------------------------ the exe

def resource_list(exe):
    out = run("wrestool", "-l", exe).stdout.decode("ascii", "replace")
    return re.findall(r"--type=(\d+) --name=(\S+) --language=(\d+)", out)


def version_strings(exe):
    raw = run("wrestool", "-x", "--raw", "--type=16", exe).stdout
    text = raw.decode("utf-16-le", "replace")
    values = {}
    for key in ("ProductVersion", "FileVersion", "LegalCopyright", "ProductName"):
        m = re.search(key + r"\x00+([^\x00]*)", text)
        if m:
            values[key] = m.group(1)
    return values


def icon_images(exe, scratch):
    ico = os.path.join(scratch, "group.ico")
    with open(ico, "wb") as f:
        f.write(run("wrestool", "-x", "--type=14", exe).stdout)
    with open(ico, "rb") as f:
        data = f.read()
    if len(data) < 6:
        return []
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    images = []
    for i in range(count if kind == 1 else 0):
        w, h, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        body = data[offset:offset + size]
        images.append((w or 256, h or 256, bits, body))
    return images


def alpha_values(width, body):
    """Alpha bytes of a 32-bit icon bitmap (the colour part, without the mask)."""
    header_size = struct.unpack_from("<I", body, 0)[0]
    bpp = struct.unpack_from("<H", body, 14)[0]
    if bpp != 32:
        return set()
    pixels = body[header_size:header_size + width * width * 4]
    return set(pixels[3::4])


def check_program(name, exe, subsystem, version):
    """What both programs must be: small, x86-64, stripped, only system DLLs."""
    size = os.path.getsize(exe)
    check(f"{name} is under {EXE_LIMIT} bytes", size < EXE_LIMIT, f"{size} bytes")

    head = run(OBJDUMP, "-p", exe).stdout.decode("ascii", "replace")
    check(f"{name} is an x86-64 program", "file format pei-x86-64" in head)
    check(f"{name} is a {subsystem} program", re.search(rf"^Subsystem.*\({subsystem}\)", head, re.M),
          "subsystem " + ", ".join(re.findall(r"^Subsystem.*$", head, re.M)))
    dlls = sorted({d.lower() for d in re.findall(r"DLL Name: (\S+)", head)})
    foreign = [d for d in dlls if d not in SYSTEM_DLLS]
    check(f"{name} imports system DLLs only", dlls and not foreign,
          f"imports {dlls}" if dlls else "no imports read")
    sections = run(OBJDUMP, "-h", exe).stdout.decode("ascii", "replace")
    debug = sorted(set(re.findall(r"\.debug\S*", sections)))
    stripped = "symbols stripped" in head
    check(f"{name} carries no debug information or symbols", not debug and stripped,
          f"debug sections {debug}, symbols stripped: {stripped}")
    product = version_strings(exe).get("ProductVersion", "")
    check(f"the zip's version is {name}'s version",
          version is not None and product.startswith(f"{version}."),
          f"zip says {version}, ProductVersion {product!r}")


def check_viewer_resources(exe, scratch):
    resources = resource_list(exe)
    version_langs = {int(lang) for kind, _, lang in resources if kind == "16"}
    check("the version resource is stored under Japanese (0x0411)", version_langs == {JAPANESE},
          f"languages {sorted(version_langs)}")
    strings = version_strings(exe)
    years = re.search(r"\d{4}(?:-\d{4})?", strings.get("LegalCopyright", ""))
    with open(exe, "rb") as f:
        body = f.read()
    box = re.search(rb"\(C\) (\d{4}(?:-\d{4})?) Mirlo Works", body)
    check("the version box and LegalCopyright name the same years",
          years is not None and box is not None and box.group(1).decode() == years.group(0),
          f"LegalCopyright {strings.get('LegalCopyright')!r}, box "
          f"{box.group(0) if box else None!r}")

    images = icon_images(exe, scratch)
    sizes = sorted(w for w, h, _, _ in images)
    check("the icon has 16, 24, 32, 48 and 256 pixel images", sizes == ICON_SIZES, f"sizes {sizes}")
    for w, h, bits, body in images:
        if w == 256:
            check("the 256 pixel image is a PNG with alpha",
                  body[:8] == b"\x89PNG\r\n\x1a\n" and body[25] == 6,
                  f"starts {body[:8]!r}")
        else:
            alphas = alpha_values(w, body)
            check(f"the {w} pixel image is 32-bit with transparent and opaque pixels",
                  bits == 32 and 0 in alphas and 255 in alphas,
                  f"{bits} bits, alpha values {sorted(alphas)[:6]}")


# ------------------------------------------------------------------ the help file

class Page(html.parser.HTMLParser):
    """Links, anchors, charset and title of one page, and the sitemap entries
    (name, local) of a contents or index file."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links, self.anchors, self.entries = [], set(), []
        self.charset, self.title, self._in_title = None, "", False
        self._entry = None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for key in ("id", "name"):
            if tag != "param" and a.get(key):
                self.anchors.add(a[key])
        for key in ("href", "src"):
            if a.get(key):
                self.links.append(a[key])
        if tag == "meta":
            m = re.search(r"charset=([\w-]+)", a.get("content") or "")
            self.charset = a.get("charset") or (m.group(1) if m else self.charset)
        if tag == "title":
            self._in_title = True
        if tag == "object" and (a.get("type") or "").lower() == "text/sitemap":
            self._entry = {}
        if tag == "param" and self._entry is not None:
            self._entry[(a.get("name") or "").lower()] = a.get("value") or ""

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False
        if tag == "object" and self._entry is not None:
            self.entries.append((self._entry.get("name", ""), self._entry.get("local")))
            self._entry = None

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def chm_system(data):
    """The records of the #SYSTEM file: code -> bytes."""
    records, offset = {}, 4
    while offset + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, offset)
        records[code] = data[offset + 4:offset + 4 + length]
        offset += 4 + length
    return records


def read_chm_files(root):
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            full = os.path.join(folder, name)
            files[os.path.relpath(full, root).replace(os.sep, "/")] = full
    return files


def parse(path):
    with open(path, "rb") as f:
        raw = f.read()
    page = Page()
    try:
        text = raw.decode("cp932")
    except UnicodeDecodeError as e:
        return None, str(e)
    page.feed(text)
    return page, text


def resolves(link, base, files, pages):
    """None when the link leads to a file (and anchor) inside the help file, else why not."""
    if re.match(r"[a-z][a-z0-9+.-]*:", link, re.I):
        return "points outside the help file"
    target, _, anchor = link.partition("#")
    target = posixpath.normpath(posixpath.join(posixpath.dirname(base), target)) if target else base
    if target not in files:
        return f"{target} is not in the help file"
    if anchor and (target not in pages or anchor not in pages[target].anchors):
        return f"{target} has no anchor {anchor}"
    return None


def check_chm(chm, scratch, sources):
    with open(chm, "rb") as f:
        head = f.read(0x60)
    check("the help file starts with the ITSF signature", head[:4] == b"ITSF", repr(head[:4]))
    lcid = struct.unpack_from("<I", head, 0x14)[0] if len(head) >= 0x18 else None
    check("the help file's language is Japanese (0x0411)", lcid == JAPANESE, f"{lcid!r}")

    root = os.path.join(scratch, "chm")
    os.makedirs(root)
    out = run("extract_chmLib", chm, root)
    files = read_chm_files(root)
    check("the help file unpacks with extract_chmLib", out.returncode == 0 and files,
          out.stderr.decode(errors="replace"))

    system = chm_system(open(files["#SYSTEM"], "rb").read()) if "#SYSTEM" in files else {}
    field = lambda code: system.get(code, b"").split(b"\0")[0].decode("cp932", "replace")
    default_topic, contents, index = field(2), field(0), field(1)
    check("the help file names a default topic that it holds", default_topic in files,
          f"default topic {default_topic!r}")
    check("the help file names its title", field(3) != "", "no title")
    sys_lcid = struct.unpack_from("<I", system[4], 0)[0] if len(system.get(4, b"")) >= 4 else None
    check("the help file's system record says Japanese (0x0411)", sys_lcid == JAPANESE,
          f"{sys_lcid!r}")

    pages, html_names = {}, sorted(n for n in files if n.endswith(".html"))
    for name in html_names:
        page, text = parse(files[name])
        if not check(f"{name} reads as Shift-JIS", page is not None, text):
            continue
        pages[name] = page
        check(f"{name} declares charset Shift_JIS",
              (page.charset or "").lower() == "shift_jis", f"charset {page.charset!r}")
        check(f"{name} has a title", page.title.strip() != "")
    for name, page in pages.items():
        broken = [f"{link}: {why}" for link in page.links
                  for why in [resolves(link, name, files, pages)] if why]
        check(f"every link in {name} resolves", not broken, "; ".join(broken))

    for kind, sitemap in (("contents", contents), ("index", index)):
        if not check(f"the help file holds its {kind} file {sitemap!r}", sitemap in files):
            continue
        page, text = parse(files[sitemap])
        if not check(f"the {kind} reads as Shift-JIS", page is not None, text):
            continue
        check(f"the {kind} has entries", len(page.entries) > 0)
        unnamed = [local for name, local in page.entries if not name.strip()]
        check(f"every {kind} entry has a name", not unnamed, f"unnamed: {unnamed}")
        broken = [f"{local}: {why}" for _, local in page.entries if local
                  for why in [resolves(local, sitemap, files, pages)] if why]
        check(f"every {kind} entry leads to a page of the help file", not broken, "; ".join(broken))
        if kind == "contents":
            listed = {local.partition("#")[0] for _, local in page.entries if local}
            missing = [n for n in html_names if n not in listed]
            check("the contents list every page of the help file", not missing,
                  f"not listed: {missing}")
            check("the contents list the default topic", default_topic in listed)

    if sources:
        for name in sorted(os.listdir(sources)):
            if not re.search(r"\.(html|css|hhc|hhk)$", name):
                continue
            with open(os.path.join(sources, name), encoding="utf-8") as f:
                want = f.read()
            got = open(files[name], "rb").read().decode("cp932", "replace") if name in files else None
            check(f"{name} reads back from the help file as written", got == want,
                  "missing" if got is None else "differs")


# ------------------------------------------------------------------ the readme

def check_readme(path):
    raw = open(path, "rb").read()
    check("README.txt starts with a UTF-8 byte-order mark", raw[:3] == b"\xef\xbb\xbf")
    check("README.txt ends its lines with CRLF", b"\n" in raw and not re.search(rb"(?<!\r)\n", raw))
    text = raw[3:].decode("utf-8", "replace")
    check("README.txt is written in Japanese and English",
          re.search(r"[\u3041-\u3093]", text) is not None and "Getting started" in text)
    for want in ("MirloViewer.exe", "veltmirl.ini", "MirloViewerHelp.chm", "stripcheck.exe"):
        check(f"README.txt names {want} in both languages", text.count(want) >= 2,
              f"{text.count(want)} times")
    flat = text.replace("×", "x")
    missing = [r for r in RESOLUTIONS if flat.count(r) < 2]
    check("README.txt lists the ten usable resolutions in both languages", not missing,
          f"missing {missing}")


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    zip_path = sys.argv[1]
    sources = sys.argv[2] if len(sys.argv) == 3 else None
    with tempfile.TemporaryDirectory(prefix="mirlo-dist.") as scratch:
        unpacked = os.path.join(scratch, "unpacked")
        version = check_zip(zip_path, unpacked)
        got = lambda name: os.path.join(unpacked, name)
        for name, subsystem in PROGRAMS.items():
            if os.path.isfile(got(name)):
                check_program(name, got(name), subsystem, version)
        if os.path.isfile(got("MirloViewer.exe")):
            check_viewer_resources(got("MirloViewer.exe"), scratch)
        if os.path.isfile(got("MirloViewerHelp.chm")):
            check_chm(got("MirloViewerHelp.chm"), scratch, sources)
        if os.path.isfile(got("README.txt")):
            check_readme(got("README.txt"))
    print(f"{results['passed']} passed, {results['failed']} failed")
    return 0 if results["failed"] == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
