#pragma once

#include <vector>

#include "stripread/image.h"

namespace stripread {

constexpr int kStripCells = 76;
constexpr int kStripPixels = 2 * kStripCells;

struct Strip {
  char lead = 0;                   // 'A' running, 'S' closing
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // announced region, x1/y1 inclusive
  int checksum = 0;                // as read from the strip
  bool checksumOk = false;
  int atX = 0, atY = 0;            // where the strip's first pixel lies
  bool regionExact = false;        // see RegionIsExact
};

// The checksum a strip carrying these coordinates should hold.
int StripChecksum(int x0, int y0, int x1, int y1);

// Reads a strip whose first pixel is at x,y; false if none is there.
// regionExact is left false: that needs the whole image, see FindStrips.
bool ReadStripAt(const Image& img, int x, int y, Strip& out);

// Whether the device, trusting this strip, would lay its picture exactly on
// a magenta area: the announced rectangle is magenta apart from the strip
// itself, which sits at its top-left, and nothing magenta borders it.
bool RegionIsExact(const Image& img, const Strip& s);

// Every strip, top to bottom then left to right.
std::vector<Strip> FindStrips(const Image& img);

}  // namespace stripread
