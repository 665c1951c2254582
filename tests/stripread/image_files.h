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

// A directory of one test's own, made fresh and removed with its files when the
// test ends, so that tests running side by side never share a file.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

 private:
  std::string dir_;
};

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace testutil
