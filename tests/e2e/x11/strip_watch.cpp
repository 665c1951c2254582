// Grabs a part of the screen over and over, as fast as the X server hands it
// out, and reads every code strip in each grab as the device would. Counts
// the grabs in which a strip disagrees with the place it stands or with the
// magenta area under it: a window shown at one place with a strip that names
// another.
//
//   strip_watch X Y W H OX OY STOPFILE
// grabs the root rectangle (X, Y, W, H); OX, OY is the origin of the monitor
// the strips' coordinates count from. Runs until STOPFILE exists, then prints
//   grabs=N strips=N stale=N none=N
// and one line per stale grab.

// The reader first: Xlib's macros (None, Success...) would clash with its names.
#include "stripread/stripread.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool Exists(const char* path) {
  struct stat st;
  return stat(path, &st) == 0;
}

// The grab placed where it lies on its monitor, in a picture that starts at
// the monitor's corner (black where nothing was grabbed), so the strips'
// coordinates and the region checks count from the monitor as the device's.
stripread::Image OnMonitor(XImage* x, int left, int top) {
  stripread::Image img;
  img.width = left + x->width;
  img.height = top + x->height;
  img.pixels.assign(size_t(img.width) * img.height, stripread::kBlack);
  const bool direct = x->bits_per_pixel == 32 && x->byte_order == LSBFirst;
  for (int y = 0; y < x->height; ++y) {
    uint32_t* out = &img.pixels[size_t(top + y) * img.width + left];
    if (direct) {
      const auto* row = reinterpret_cast<const uint32_t*>(x->data + size_t(y) * x->bytes_per_line);
      for (int xx = 0; xx < x->width; ++xx) out[xx] = row[xx] & 0xFFFFFF;
    } else {
      for (int xx = 0; xx < x->width; ++xx) out[xx] = uint32_t(XGetPixel(x, xx, y)) & 0xFFFFFF;
    }
  }
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 8) {
    std::fprintf(stderr, "usage: strip_watch X Y W H OX OY STOPFILE\n");
    return 2;
  }
  const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
  const int w = std::atoi(argv[3]), h = std::atoi(argv[4]);
  const int ox = std::atoi(argv[5]), oy = std::atoi(argv[6]);
  const char* stop = argv[7];
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) {
    std::fprintf(stderr, "strip_watch: no display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(d);
  // Shared memory spares the copy through the socket: several times the grabs.
  const int screen = DefaultScreen(d);
  XShmSegmentInfo shm{};
  XImage* shared = nullptr;
  if (XShmQueryExtension(d)) {
    shared = XShmCreateImage(d, DefaultVisual(d, screen), unsigned(DefaultDepth(d, screen)), ZPixmap,
                             nullptr, &shm, unsigned(w), unsigned(h));
    if (shared != nullptr) {
      shm.shmid = shmget(IPC_PRIVATE, size_t(shared->bytes_per_line) * shared->height, IPC_CREAT | 0600);
      shm.shmaddr = shared->data = static_cast<char*>(shmat(shm.shmid, nullptr, 0));
      shm.readOnly = False;
      XShmAttach(d, &shm);
      shmctl(shm.shmid, IPC_RMID, nullptr);  // gone once both sides detach
    }
  }
  long grabs = 0, withStrip = 0, stale = 0, none = 0;
  std::string report;
  while (!Exists(stop)) {
    XImage* shot = nullptr;
    if (shared != nullptr) {
      if (!XShmGetImage(d, root, shared, x, y, AllPlanes)) continue;
      shot = shared;
    } else {
      shot = XGetImage(d, root, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
      if (shot == nullptr) continue;
    }
    const stripread::Image img = OnMonitor(shot, x - ox, y - oy);
    if (shot != shared) XDestroyImage(shot);
    ++grabs;
    const std::vector<stripread::Strip> strips = stripread::FindStrips(img);
    if (strips.empty()) ++none;
    bool bad = false;
    for (const stripread::Strip& s : strips) {
      ++withStrip;
      const int atX = s.atX, atY = s.atY;
      if (!s.checksumOk || !s.regionExact || atX != s.x0 || atY != s.y0) {
        bad = true;
        char line[200];
        std::snprintf(line, sizeof line, "stale grab=%ld at=%d,%d x0=%d y0=%d x1=%d y1=%d exact=%d\n",
                      grabs, atX, atY, s.x0, s.y0, s.x1, s.y1, int(s.regionExact));
        report += line;
      }
    }
    if (bad) ++stale;
  }
  std::printf("grabs=%ld strips=%ld stale=%ld none=%ld\n%s", grabs, withStrip, stale, none,
              report.c_str());
  if (shared != nullptr) {
    XShmDetach(d, &shm);
    shared->data = nullptr;  // the segment is not Xlib's to free
    XDestroyImage(shared);
    shmdt(shm.shmaddr);
  }
  XCloseDisplay(d);
  return 0;
}
