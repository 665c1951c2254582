#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace stripread {

// The device matches colours exactly, so these are the only two that count.
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kMagenta = 0xFF00FF;

struct Image {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // row-major, 0xRRGGBB

  // Caller keeps x,y inside the image; the scanners are hot loops.
  uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * width + x];
  }
  bool contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height;
  }
};

// Always w x h; parts lying outside img come out black, as an output the
// screenshot does not cover would show nothing.
Image Crop(const Image& img, int x, int y, int w, int h);

}  // namespace stripread
