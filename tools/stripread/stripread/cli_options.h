#pragma once

#include <string>
#include <vector>

namespace stripread {

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

struct Options {
  enum class Mode { Strips, Pixel, ColourBox };
  Mode mode = Mode::Strips;
  std::vector<Rect> monitors;  // empty: the whole image is one monitor
  Rect box;                    // --pixel uses x,y; --colour-box all four
  std::string file;
};

// WxH+X+Y, as X11 geometry strings write a monitor's place on the screen.
bool ParseGeometry(const std::string& text, Rect& out);

bool ParseOptions(const std::vector<std::string>& args, Options& out, std::string& error);

extern const char* const kUsage;

}  // namespace stripread
