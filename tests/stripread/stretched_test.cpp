#include <gtest/gtest.h>

#include "canvas.h"
#include "stripread/strip.h"

namespace {

using stripread::FindStretchedStrips;
using stripread::FindStrips;
using stripread::Image;
using stripread::kMagenta;
using namespace testutil;

// The first worked example: region 100,50 to 739,529, checksum 142.
const std::string kExample1 =
    "0100000101000010010000110000110010000000110010010111000110100001000110001110";

// A window stretched by display scaling shows its strip in wider, taller
// cells: the device reads none of them, the stretched reader reads each row.
TEST(StretchedStrip, ReadOnlyAtItsOwnCellWidth) {
  struct Case { int cellWidth, rows; };
  for (const Case& c : {Case{3, 3}, Case{4, 4}, Case{5, 5}}) {
    Image img = Canvas(1200, 900, kGrey);
    Fill(img, 150, 75, 960, 720, kMagenta);
    DrawCells(img, 150, 75, kExample1, c.cellWidth, c.rows);
    EXPECT_TRUE(FindStrips(img).empty()) << c.cellWidth;
    for (int other : {2, 3, 4, 5}) {
      const auto found = FindStretchedStrips(img, other);
      if (other != c.cellWidth) {
        EXPECT_TRUE(found.empty()) << c.cellWidth << " read as " << other;
        continue;
      }
      ASSERT_EQ(found.size(), static_cast<size_t>(c.rows)) << c.cellWidth;
      for (int r = 0; r < c.rows; ++r) {
        const auto& s = found[r];
        EXPECT_EQ(s.lead, 'A');
        EXPECT_EQ(s.atX, 150);
        EXPECT_EQ(s.atY, 75 + r);
        EXPECT_EQ(s.x0, 100);
        EXPECT_EQ(s.y0, 50);
        EXPECT_EQ(s.x1, 739);
        EXPECT_EQ(s.y1, 529);
        EXPECT_EQ(s.checksum, 142);
        EXPECT_TRUE(s.checksumOk);
        EXPECT_FALSE(s.regionExact);
      }
    }
  }
}

TEST(StretchedStrip, UnevenCellIsNoStrip) {
  Image img = Canvas(400, 20, kGrey);
  DrawCells(img, 10, 5, kExample1, 3, 1);
  ASSERT_EQ(FindStretchedStrips(img, 3).size(), 1u);
  // One pixel of one cell changes: that cell is no longer one colour.
  Set(img, 10 + 3 * 40 + 2, 5, img.at(10 + 3 * 40, 5) == kMagenta ? 0x000000 : kMagenta);
  EXPECT_TRUE(FindStretchedStrips(img, 3).empty());
}

}  // namespace
