#pragma once

#include <vector>

#include "stripread/image.h"

namespace stripread {

constexpr int kStripCells = 76;
constexpr int kCellPixels = 2;
constexpr int kStripPixels = kCellPixels * kStripCells;

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

// The same with cells cellWidth pixels wide, as a window stretched by display
// scaling shows its strip. The device reads 2-pixel cells only; wider ones
// just explain why it finds nothing.
bool ReadStripAt(const Image& img, int x, int y, int cellWidth, Strip& out);

// Why the device's picture would not land exactly on a magenta area.
enum class RegionFault {
  None,
  Misplaced,       // the strip does not sit at the announced top-left
  TooSmall,        // the announced rectangle cannot hold the strip
  OffImage,        // the announced rectangle runs past the picture
  NotMagenta,      // a pixel inside is not magenta (x, y)
  MagentaOutside,  // a pixel bordering it is magenta too (x, y)
};

struct RegionCheck {
  RegionFault fault = RegionFault::None;
  int x = 0, y = 0;  // the first pixel at fault, for the last two
};

RegionCheck CheckRegion(const Image& img, const Strip& s);

// Whether the device, trusting this strip, would lay its picture exactly on
// a magenta area: the announced rectangle is magenta apart from the strip
// itself, which sits at its top-left, and nothing magenta borders it.
bool RegionIsExact(const Image& img, const Strip& s);

// Every strip, top to bottom then left to right.
std::vector<Strip> FindStrips(const Image& img);

// Every strip drawn in cells cellWidth pixels wide; regionExact stays false.
// A stretched strip repeats on each row of its cells' height: each is found.
std::vector<Strip> FindStretchedStrips(const Image& img, int cellWidth);

}  // namespace stripread
