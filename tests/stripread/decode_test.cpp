#include <gtest/gtest.h>

#include "canvas.h"
#include "stripread/cli.h"

namespace {

using stripread::FindStrips;
using stripread::FormatStrip;
using stripread::Image;
using stripread::kMagenta;
using namespace testutil;

const std::string kExample1 =
    "0100000101000010010000110000110010000000110010010111000110100001000110001110";
const std::string kExample2 =
    "0100000101000010010000110000000000000000000000100111111110111111111100000101";

// The tool's own line format, so a failure shows every field at once.
std::vector<std::string> Read(const Image& img) {
  std::vector<std::string> lines;
  for (const auto& s : FindStrips(img)) {
    lines.push_back(FormatStrip(0, s) + " sum=" + std::to_string(s.checksum));
  }
  return lines;
}

TEST(StripDecode, HelperEncodesTheWorkedExamples) {
  EXPECT_EQ(EncodeCells('A', 100, 50, 739, 529, 142), kExample1);
  EXPECT_EQ(EncodeCells('A', 0, 0, 1279, 1023, 5), kExample2);
}

TEST(StripDecode, WorkedExamples) {
  Image img = Canvas(800, 600, kGrey);
  Fill(img, 100, 50, 640, 480, kMagenta);
  DrawCells(img, 100, 50, kExample1);
  EXPECT_EQ(Read(img), std::vector<std::string>{"monitor=0 lead=A x0=100 y0=50 x1=739 y1=529 "
                                                "checksum=ok at=100,50 region=exact sum=142"});
  DrawCells(img, 100, 50, "01010011");
  EXPECT_EQ(Read(img).at(0).substr(10, 6), "lead=S");

  // Fills the image: no ring pixel lies inside it, which must not count.
  Image full = Canvas(1280, 1024, kMagenta);
  DrawCells(full, 0, 0, kExample2);
  EXPECT_EQ(Read(full), std::vector<std::string>{"monitor=0 lead=A x0=0 y0=0 x1=1279 y1=1023 "
                                                 "checksum=ok at=0,0 region=exact sum=5"});
}

TEST(StripDecode, Checksums) {
  Image img = Canvas(200, 100, kGrey);
  DrawRegion(img, 'A', 10, 5, 161, 80);  // bytes sum to exactly 256
  EXPECT_EQ(Read(img), std::vector<std::string>{"monitor=0 lead=A x0=10 y0=5 x1=161 y1=80 "
                                                "checksum=ok at=10,5 region=exact sum=0"});
  // A wrong checksum is still a strip: the device would read it too.
  DrawCells(img, 10, 5, EncodeCells('S', 10, 5, 161, 80, 1));
  EXPECT_EQ(Read(img), std::vector<std::string>{"monitor=0 lead=S x0=10 y0=5 x1=161 y1=80 "
                                                "checksum=bad at=10,5 region=exact sum=1"});
}

TEST(StripDecode, RejectsAnythingButExactPairs) {
  const std::string cells = EncodeCells('A', 0, 0, 151, 0, ExpectedChecksum(0, 0, 151, 0));
  auto found = [&](void (*spoil)(Image&)) {
    Image img = Canvas(152, 1, kGrey);
    DrawCells(img, 0, 0, cells);
    spoil(img);
    return FindStrips(img).size();
  };
  EXPECT_EQ(found([](Image&) {}), 1u);
  // Last cell's pixels differ.
  EXPECT_EQ(found([](Image& i) { Set(i, 151, 0, i.at(150, 0) ^ kMagenta); }), 0u);
  // Nearly black is not black to the device.
  EXPECT_EQ(found([](Image& i) { Set(i, 4, 0, 0x010000); Set(i, 5, 0, 0x010000); }), 0u);
  EXPECT_EQ(found([](Image& i) { DrawCells(i, 0, 0, "01000010"); }), 0u);   // lead 'B'
  EXPECT_EQ(found([](Image& i) { DrawCells(i, 16, 0, "01000100"); }), 0u);  // 'D' not 'C'
}

TEST(StripDecode, LettersInsideAStripDoNotStartAnother) {
  // x0, y0 and x1's top bits spell "ABC" from cell 24 on.
  Image img = Canvas(1700, 150, kGrey);
  DrawRegion(img, 'A', 522, 144, 1600, 146);
  ASSERT_EQ(EncodeCells('A', 522, 144, 1600, 146, 0).substr(24, 24), "010000010100001001000011");
  ASSERT_EQ(FindStrips(img).size(), 1u);
}

TEST(StripDecode, FindsAllInReadingOrderUpToTheEdges) {
  Image img = Canvas(400, 40, kGrey);
  DrawRegion(img, 'A', 248, 0, 399, 9);  // touches the right edge
  DrawRegion(img, 'S', 0, 5, 151, 12);
  DrawRegion(img, 'A', 200, 39, 351, 39);  // bottom row
  const auto strips = FindStrips(img);
  ASSERT_EQ(strips.size(), 3u);
  EXPECT_EQ(strips[0].atX, 248);
  EXPECT_EQ(strips[1].lead, 'S');
  EXPECT_EQ(strips[2].atY, 39);
}

}  // namespace
