#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stripread/image.h"

namespace testutil {

struct XwdLayout {
  int bitsPerPixel = 32;
  bool msbFirst = false;
  uint32_t redMask = 0xFF0000, greenMask = 0x00FF00, blueMask = 0x0000FF;
  int padBytes = 0;     // extra bytes at the end of each scanline
  int colourEntries = 0;
  std::string windowName = "xwdump";
};

std::vector<uint8_t> EncodeXwd(const stripread::Image& img, const XwdLayout& layout);
std::vector<uint8_t> EncodePpm(const stripread::Image& img);

std::string TempPath(const std::string& name);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace testutil
