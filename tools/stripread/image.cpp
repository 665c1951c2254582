#include "stripread/image.h"

namespace stripread {

Image Crop(const Image& img, int x, int y, int w, int h) {
  Image out;
  if (w <= 0 || h <= 0) return out;
  out.width = w;
  out.height = h;
  out.pixels.assign(static_cast<std::size_t>(w) * h, kBlack);
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      if (img.contains(x + i, y + j)) {
        out.pixels[static_cast<std::size_t>(j) * w + i] = img.at(x + i, y + j);
      }
    }
  }
  return out;
}

}  // namespace stripread
