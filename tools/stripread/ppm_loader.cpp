#include <cctype>
#include <cstddef>
#include <string>
#include <utility>

#include "stripread/loaders.h"

namespace stripread {
namespace {

constexpr long kMaxSide = 1 << 16;

bool IsSpace(uint8_t c) { return std::isspace(c) != 0; }

// Header numbers may be separated by whitespace and '#' comments.
bool ReadNumber(const std::vector<uint8_t>& b, std::size_t& pos, long& value) {
  for (;;) {
    while (pos < b.size() && IsSpace(b[pos])) ++pos;
    if (pos < b.size() && b[pos] == '#') {
      while (pos < b.size() && b[pos] != '\n') ++pos;
      continue;
    }
    break;
  }
  if (pos >= b.size() || !std::isdigit(b[pos])) return false;
  value = 0;
  while (pos < b.size() && std::isdigit(b[pos])) {
    value = value * 10 + (b[pos++] - '0');
    if (value > kMaxSide) return false;
  }
  return true;
}

bool Fail(std::string& error, const std::string& why) {
  error = "PPM: " + why;
  return false;
}

}  // namespace

bool LooksLikePpm(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= 3 && bytes[0] == 'P' && bytes[1] == '6' && IsSpace(bytes[2]);
}

bool DecodePpm(const std::vector<uint8_t>& bytes, Image& out, std::string& error) {
  if (!LooksLikePpm(bytes)) return Fail(error, "not a binary P6 file");
  std::size_t pos = 2;
  long width = 0, height = 0, maxval = 0;
  if (!ReadNumber(bytes, pos, width) || !ReadNumber(bytes, pos, height) ||
      !ReadNumber(bytes, pos, maxval))
    return Fail(error, "bad header");
  if (width <= 0 || height <= 0) return Fail(error, "bad image size");
  if (maxval != 255) return Fail(error, "only maxval 255 is read");
  if (pos >= bytes.size() || !IsSpace(bytes[pos])) return Fail(error, "bad header");
  ++pos;  // exactly one whitespace byte before the samples
  const std::size_t count = static_cast<std::size_t>(width) * height;
  if (bytes.size() - pos < count * 3) return Fail(error, "pixel data cut short");

  Image img;
  img.width = static_cast<int>(width);
  img.height = static_cast<int>(height);
  img.pixels.resize(count);
  for (std::size_t i = 0; i < count; ++i, pos += 3) {
    img.pixels[i] = (uint32_t{bytes[pos]} << 16) | (uint32_t{bytes[pos + 1]} << 8) | bytes[pos + 2];
  }
  out = std::move(img);
  return true;
}

bool LoadPpm(const std::string& path, Image& out, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes, error)) return false;
  if (!DecodePpm(bytes, out, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

}  // namespace stripread
