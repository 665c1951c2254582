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

#include "root_grab.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool Exists(const char* path) {
  struct stat st;
  return stat(path, &st) == 0;
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
  {  // the grab lets go of the display before it closes
    RootGrab grab(d, x, y, w, h);
    long grabs = 0, withStrip = 0, stale = 0, none = 0;
    std::string report;
    while (!Exists(stop)) {
      stripread::Image img;
      if (!grab.Grab(ox, oy, img)) continue;
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
  }
  XCloseDisplay(d);
  return 0;
}
