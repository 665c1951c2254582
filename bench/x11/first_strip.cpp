// Times a program's start to the first correct strip on screen: starts the
// command, then grabs the region's top two rows over and over, as fast as
// the X server hands them out, until they show the strip naming the
// expected rectangle with the magenta fill beside and under it.
//
//   first_strip OX OY LEAD X0 Y0 X1 Y1 TIMEOUT_MS -- COMMAND [ARGS...]
//
// OX, OY is the monitor's corner, X0..Y1 the region on it (x1, y1
// inclusive), LEAD the strip's lead letter. Before starting, waits until no
// such strip is on screen (a window of the run before still standing).
// Prints "ms=T pid=P grabs=N", T from the start of the command; the command
// is left running, its output going nowhere. Exit code 0 when the strip came, 1 on timeout, 2 on
// wrong use, 3 when the screen never cleared.

// The reader first: Xlib's macros (None, Success...) would clash with its names.
#include "stripread/stripread.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double NowMs() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Expected {
  char lead;
  int x0, y0, x1, y1;
};

// The two rows show the strip at their left and magenta everywhere else.
bool Correct(XImage* shot, const Expected& e) {
  stripread::Image img;
  img.width = shot->width;
  img.height = shot->height;
  img.pixels.resize(size_t(img.width) * img.height);
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < img.width; ++x) {
      img.pixels[size_t(y) * img.width + x] = uint32_t(XGetPixel(shot, x, y)) & 0xFFFFFF;
    }
  }
  stripread::Strip s;
  if (!stripread::ReadStripAt(img, 0, 0, s)) return false;
  if (!s.checksumOk || s.lead != e.lead || s.x0 != e.x0 || s.y0 != e.y0 || s.x1 != e.x1 ||
      s.y1 != e.y1) {
    return false;
  }
  for (int y = 0; y < img.height; ++y) {
    for (int x = y == 0 ? stripread::kStripPixels : 0; x < img.width; ++x) {
      if (img.at(x, y) != stripread::kMagenta) return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 11 || std::strcmp(argv[9], "--") != 0) {
    std::fprintf(stderr, "usage: first_strip OX OY LEAD X0 Y0 X1 Y1 TIMEOUT_MS -- COMMAND [ARGS...]\n");
    return 2;
  }
  const int ox = std::atoi(argv[1]), oy = std::atoi(argv[2]);
  const Expected e{argv[3][0], std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                   std::atoi(argv[7])};
  const double timeoutMs = std::atof(argv[8]);
  const int gx = ox + e.x0, gy = oy + e.y0;
  const unsigned gw = unsigned(e.x1 - e.x0 + 1), gh = 2;
  if (gw < unsigned(stripread::kStripPixels)) {
    std::fprintf(stderr, "first_strip: the region is narrower than a strip\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) {
    std::fprintf(stderr, "first_strip: no display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(d);
  auto grab = [&] { return XGetImage(d, root, gx, gy, gw, gh, AllPlanes, ZPixmap); };

  const double clearBy = NowMs() + 10000;
  for (;;) {
    XImage* shot = grab();
    const bool standing = shot != nullptr && Correct(shot, e);
    if (shot != nullptr) XDestroyImage(shot);
    if (!standing) break;
    if (NowMs() > clearBy) {
      std::fprintf(stderr, "first_strip: the strip is on screen before the start\n");
      return 3;
    }
    usleep(10000);
  }

  std::fflush(nullptr);
  const double start = NowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    // The command outlives this watcher: it must not hold the caller's
    // output open.
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    close(null);
    execvp(argv[10], argv + 10);
    std::perror("first_strip: exec");
    _exit(127);
  }
  if (pid < 0) {
    std::perror("first_strip: fork");
    return 2;
  }
  long grabs = 0;
  while (NowMs() - start < timeoutMs) {
    XImage* shot = grab();
    if (shot == nullptr) continue;
    ++grabs;
    const bool found = Correct(shot, e);
    XDestroyImage(shot);
    if (found) {
      std::printf("ms=%.1f pid=%d grabs=%ld\n", NowMs() - start, int(pid), grabs);
      return 0;
    }
  }
  std::printf("ms=timeout pid=%d grabs=%ld\n", int(pid), grabs);
  return 1;
}
