// Grabs the whole screen over and over, as fast as the X server hands it
// out, until STOPFILE exists, and reads the strips in every grab as the strip
// reader reads a screenshot of the whole screen. For states that are on
// screen only briefly (the closing strip's hold), where xwd is too slow and
// fails when a window goes away during it.
//
//   root_strips STOPFILE
// prints, for each grab whose strips differ from the grab before,
//   grab=N <the strip reader's line>      (one per strip, or "no strip")
// and "grabs=N" at the end.

// The reader first: Xlib's macros (None, Success...) would clash with its names.
#include "stripread/stripread.h"
#include "stripread/strip_format.h"

#include "root_grab.h"

#include <sys/stat.h>

#include <cstdio>
#include <string>

namespace {

bool Exists(const char* path) {
  struct stat st;
  return stat(path, &st) == 0;
}

std::string Lines(const std::vector<stripread::Strip>& strips) {
  if (strips.empty()) return "no strip\n";
  std::string lines;
  for (const stripread::Strip& s : strips) lines += stripread::FormatStrip(0, s) + "\n";
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: root_strips STOPFILE\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) {
    std::fprintf(stderr, "root_strips: no display\n");
    return 2;
  }
  const int screen = DefaultScreen(d);
  long grabs = 0;
  {  // the grab lets go of the display before it closes
    RootGrab grab(d, 0, 0, DisplayWidth(d, screen), DisplayHeight(d, screen));
    std::string last;
    stripread::Image img;
    while (!Exists(argv[1])) {
      if (!grab.Grab(0, 0, img)) continue;
      ++grabs;
      const std::string lines = Lines(stripread::FindStrips(img));
      if (lines == last) continue;
      last = lines;
      for (size_t at = 0; at < lines.size();) {
        const size_t end = lines.find('\n', at);
        std::printf("grab=%ld %s\n", grabs, lines.substr(at, end - at).c_str());
        at = end + 1;
      }
      std::fflush(stdout);
    }
  }
  std::printf("grabs=%ld\n", grabs);
  XCloseDisplay(d);
  return 0;
}
