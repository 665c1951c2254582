#include "stripread/strip.h"

namespace stripread {
namespace {

constexpr int kLetterBits = 8;
constexpr int kCoordBits = 11;

// Reads count cells starting at cell first, most significant bit first.
// A cell is cw equal pixels, each exactly black (0) or magenta (1).
bool ReadBits(const Image& img, int x, int y, int cw, int first, int count, int& value) {
  value = 0;
  for (int k = first; k < first + count; ++k) {
    const int left = x + cw * k;
    const uint32_t a = img.at(left, y);
    for (int i = 1; i < cw; ++i) {
      if (img.at(left + i, y) != a) return false;
    }
    int bit;
    if (a == kBlack) {
      bit = 0;
    } else if (a == kMagenta) {
      bit = 1;
    } else {
      return false;
    }
    value = (value << 1) | bit;
  }
  return true;
}

std::vector<Strip> Scan(const Image& img, int cw, bool checkRegion) {
  std::vector<Strip> found;
  const int span = cw * kStripCells;
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x <= img.width - span; ++x) {
      Strip s;
      if (!ReadStripAt(img, x, y, cw, s)) continue;
      if (checkRegion) s.regionExact = RegionIsExact(img, s);
      found.push_back(s);
      x += span - 1;  // strips cannot share pixels
    }
  }
  return found;
}

}  // namespace

int StripChecksum(int x0, int y0, int x1, int y1) {
  int sum = 0;
  for (int v : {x0, y0, x1, y1}) sum += (v >> 8) + (v & 0xFF);
  return sum & 0xFF;
}

bool ReadStripAt(const Image& img, int x, int y, Strip& out) {
  return ReadStripAt(img, x, y, kCellPixels, out);
}

bool ReadStripAt(const Image& img, int x, int y, int cw, Strip& out) {
  if (cw < 1 || x < 0 || y < 0 || y >= img.height || x > img.width - cw * kStripCells)
    return false;
  // Both lead letters begin with bits 0,1: rejects almost every position at
  // the cost of two pixel reads.
  if (img.at(x, y) != kBlack || img.at(x + cw, y) != kMagenta) return false;

  int lead, b, c;
  if (!ReadBits(img, x, y, cw, 0, kLetterBits, lead) || (lead != 'A' && lead != 'S'))
    return false;
  if (!ReadBits(img, x, y, cw, 8, kLetterBits, b) || b != 'B') return false;
  if (!ReadBits(img, x, y, cw, 16, kLetterBits, c) || c != 'C') return false;

  Strip s{};
  if (!ReadBits(img, x, y, cw, 24, kCoordBits, s.x0) ||
      !ReadBits(img, x, y, cw, 35, kCoordBits, s.y0) ||
      !ReadBits(img, x, y, cw, 46, kCoordBits, s.x1) ||
      !ReadBits(img, x, y, cw, 57, kCoordBits, s.y1) ||
      !ReadBits(img, x, y, cw, 68, kLetterBits, s.checksum))
    return false;
  s.lead = static_cast<char>(lead);
  s.checksumOk = s.checksum == StripChecksum(s.x0, s.y0, s.x1, s.y1);
  s.atX = x;
  s.atY = y;
  s.regionExact = false;
  out = s;
  return true;
}

std::vector<Strip> FindStrips(const Image& img) { return Scan(img, kCellPixels, true); }

std::vector<Strip> FindStretchedStrips(const Image& img, int cellWidth) {
  if (cellWidth < 1) return {};
  return Scan(img, cellWidth, false);
}

}  // namespace stripread
