#include "image_files.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace testutil {
namespace {

void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

uint32_t Place(uint32_t byte, uint32_t mask) {
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  return (byte << shift) & mask;  // 8-bit masks only
}

}  // namespace

std::vector<uint8_t> EncodeXwd(const stripread::Image& img, const XwdLayout& l) {
  const uint32_t pixelBytes = l.bitsPerPixel / 8;
  const uint32_t lineBytes = img.width * pixelBytes + l.padBytes;
  const uint32_t headerSize = 100 + static_cast<uint32_t>(l.windowName.size()) + 1;
  std::vector<uint8_t> out;
  const uint32_t header[25] = {
      headerSize, 7, 2, 24, uint32_t(img.width), uint32_t(img.height), 0,
      l.msbFirst ? 1u : 0u, 32, l.msbFirst ? 1u : 0u, 32, uint32_t(l.bitsPerPixel), lineBytes,
      4 /* TrueColor */, l.redMask, l.greenMask, l.blueMask, 8,
      uint32_t(l.colourEntries), uint32_t(l.colourEntries),
      uint32_t(img.width), uint32_t(img.height), 0, 0, 0};
  for (uint32_t v : header) PutBe32(out, v);
  out.insert(out.end(), l.windowName.begin(), l.windowName.end());
  out.push_back(0);
  // Colour entries carry junk that would show up if read as pixels.
  out.insert(out.end(), static_cast<size_t>(l.colourEntries) * 12, 0x5A);
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < img.width; ++x) {
      const uint32_t c = img.at(x, y);
      const uint32_t v = Place(c >> 16 & 0xFF, l.redMask) | Place(c >> 8 & 0xFF, l.greenMask) |
                         Place(c & 0xFF, l.blueMask);
      for (uint32_t b = 0; b < pixelBytes; ++b) {
        const uint32_t shift = l.msbFirst ? 8 * (pixelBytes - 1 - b) : 8 * b;
        out.push_back(static_cast<uint8_t>(v >> shift));
      }
    }
    out.insert(out.end(), l.padBytes, 0xA5);
  }
  return out;
}

std::vector<uint8_t> EncodePpm(const stripread::Image& img) {
  const std::string head = "P6\n# test\n" + std::to_string(img.width) + " " +
                           std::to_string(img.height) + "\n255\n";
  std::vector<uint8_t> out(head.begin(), head.end());
  for (uint32_t c : img.pixels) {
    out.push_back(static_cast<uint8_t>(c >> 16));
    out.push_back(static_cast<uint8_t>(c >> 8));
    out.push_back(static_cast<uint8_t>(c));
  }
  return out;
}

TempDir::TempDir() {
  std::string pattern = ::testing::TempDir() + "stripread_XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot make a directory from " << pattern;
  }
  dir_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(f.good()) << path;
}

}  // namespace testutil
