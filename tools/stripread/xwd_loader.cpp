#include <cstddef>
#include <string>
#include <utility>

#include "stripread/loaders.h"

namespace stripread {
namespace {

// Header words in file order; every one is a big-endian 32-bit value.
enum HeaderWord {
  kHeaderSize, kFileVersion, kPixmapFormat, kPixmapDepth, kPixmapWidth,
  kPixmapHeight, kXOffset, kByteOrder, kBitmapUnit, kBitmapBitOrder,
  kBitmapPad, kBitsPerPixel, kBytesPerLine, kVisualClass, kRedMask,
  kGreenMask, kBlueMask, kBitsPerRgb, kColormapEntries, kNColors,
  kHeaderWords = 25
};
constexpr uint32_t kVersion = 7;
constexpr uint32_t kZPixmap = 2;
constexpr uint32_t kMsbFirst = 1;
constexpr std::size_t kColourEntryBytes = 12;
constexpr uint32_t kMaxSide = 1 << 16;

uint32_t Be32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// One colour channel of a TrueColor pixel, widened or narrowed to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;

  bool Init(uint32_t m) {
    if (m == 0) return false;
    mask = m;
    shift = 0;
    while (((m >> shift) & 1) == 0) ++shift;
    max = m >> shift;
    return (max & (max + 1)) == 0;  // contiguous bits only
  }
  uint32_t To8(uint32_t pixel) const {
    uint32_t v = (pixel & mask) >> shift;
    if (max == 255) return v;
    return static_cast<uint32_t>((uint64_t{v} * 255 + max / 2) / max);
  }
};

bool Fail(std::string& error, const std::string& why) {
  error = "XWD: " + why;
  return false;
}

}  // namespace

bool LooksLikeXwd(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= kHeaderWords * 4 && Be32(&bytes[kFileVersion * 4]) == kVersion;
}

bool DecodeXwd(const std::vector<uint8_t>& bytes, Image& out, std::string& error) {
  if (bytes.size() < kHeaderWords * 4) return Fail(error, "file shorter than its header");
  uint32_t h[kHeaderWords];
  for (int i = 0; i < kHeaderWords; ++i) h[i] = Be32(&bytes[i * 4]);

  if (h[kFileVersion] != kVersion) return Fail(error, "not a version 7 dump");
  if (h[kHeaderSize] < kHeaderWords * 4 || h[kHeaderSize] > bytes.size())
    return Fail(error, "bad header size");
  if (h[kPixmapFormat] != kZPixmap) return Fail(error, "only ZPixmap dumps are read");
  const uint32_t bpp = h[kBitsPerPixel];
  if (bpp != 24 && bpp != 32) return Fail(error, "need 24 or 32 bits per pixel");
  if (h[kPixmapDepth] != 24 && h[kPixmapDepth] != 32) return Fail(error, "need depth 24 or 32");
  if (h[kByteOrder] > 1) return Fail(error, "bad byte order");
  // Z-format pixels follow byte_order alone; the unit only shapes XY-format
  // data, so it is checked for sanity and otherwise has no say here.
  if (h[kBitmapUnit] != 8 && h[kBitmapUnit] != 16 && h[kBitmapUnit] != 32)
    return Fail(error, "bad bitmap unit");
  const uint32_t width = h[kPixmapWidth], height = h[kPixmapHeight];
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
    return Fail(error, "bad image size");
  if (h[kXOffset] > kMaxSide) return Fail(error, "bad x offset");

  Channel red, green, blue;
  if (!red.Init(h[kRedMask]) || !green.Init(h[kGreenMask]) || !blue.Init(h[kBlueMask]))
    return Fail(error, "colour masks are not those of a true-colour visual");

  const std::size_t pixelBytes = bpp / 8;
  const uint64_t lineBytes = h[kBytesPerLine];
  if (lineBytes < (uint64_t{h[kXOffset]} + width) * pixelBytes)
    return Fail(error, "bytes per line too small for the width");
  // Colour table entries sit between the header and the pixels.
  const uint64_t dataStart = uint64_t{h[kHeaderSize]} + uint64_t{h[kNColors]} * kColourEntryBytes;
  if (dataStart + lineBytes * height > bytes.size()) return Fail(error, "pixel data cut short");

  const bool msbFirst = h[kByteOrder] == kMsbFirst;
  Image img;
  img.width = static_cast<int>(width);
  img.height = static_cast<int>(height);
  img.pixels.resize(static_cast<std::size_t>(width) * height);
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* p = &bytes[dataStart + lineBytes * y + std::size_t{h[kXOffset]} * pixelBytes];
    for (uint32_t x = 0; x < width; ++x, p += pixelBytes) {
      uint32_t v = 0;
      for (std::size_t b = 0; b < pixelBytes; ++b) {
        const std::size_t i = msbFirst ? b : pixelBytes - 1 - b;
        v = (v << 8) | p[i];
      }
      img.pixels[std::size_t{y} * width + x] =
          (red.To8(v) << 16) | (green.To8(v) << 8) | blue.To8(v);
    }
  }
  out = std::move(img);
  return true;
}

bool LoadXwd(const std::string& path, Image& out, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes, error)) return false;
  if (!DecodeXwd(bytes, out, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

}  // namespace stripread
