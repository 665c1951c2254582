#include "sim_viewer.h"

#include <gtest/gtest.h>

namespace mirlo {

std::vector<stripread::Strip> StripsOnMonitor(const SimDesktop& desk, int index,
                                              const Rect& bounds) {
  stripread::Image image;
  image.width = bounds.Width();
  image.height = bounds.Height();
  image.pixels = desk.MonitorPicture(index);
  return stripread::FindStrips(image);
}

stripread::Strip OnlyStrip(const SimDesktop& desk, int index, const Rect& bounds) {
  const std::vector<stripread::Strip> strips = StripsOnMonitor(desk, index, bounds);
  EXPECT_EQ(strips.size(), 1u);
  return strips.empty() ? stripread::Strip{} : strips.front();
}

}  // namespace mirlo
