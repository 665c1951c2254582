#include <functional>

#include <gtest/gtest.h>

#include "canvas.h"
#include "stripread/strip.h"

namespace {

using stripread::FindStrips;
using stripread::Image;
using stripread::kBlack;
using stripread::kMagenta;
using stripread::CheckRegion;
using stripread::RegionCheck;
using stripread::RegionFault;
using namespace testutil;

constexpr RegionFault kNot = RegionFault::NotMagenta;
constexpr RegionFault kOut = RegionFault::MagentaOutside;

TEST(RegionCheck, PillarboxedAndLetterboxedRegionsAreFoundOnce) {
  struct Case { int w, h, x0, y0, x1, y1; };
  for (const Case& c : {Case{1920, 1200, 160, 0, 1759, 1199}, Case{1280, 1024, 0, 32, 1279, 991}}) {
    Image img = Canvas(c.w, c.h, kBlack);
    DrawRegion(img, 'A', c.x0, c.y0, c.x1, c.y1);
    const auto strips = FindStrips(img);
    ASSERT_EQ(strips.size(), 1u) << c.w;
    EXPECT_EQ(strips[0].atX, c.x0);
    EXPECT_EQ(strips[0].atY, c.y0);
    EXPECT_EQ(strips[0].x1, c.x1);
    EXPECT_EQ(strips[0].y1, c.y1);
    EXPECT_TRUE(strips[0].regionExact) << c.w;
  }
}

struct Spoil {
  const char* what;
  std::function<void(Image&)> apply;
  RegionFault fault;
  int x, y;  // the first pixel at fault, in reading order
};

void PrintTo(const Spoil& s, std::ostream* os) { *os << s.what; }

// Region 200..519 x 100..339 on a grey 640x480 screen.
class RegionMismatch : public ::testing::TestWithParam<Spoil> {};

TEST_P(RegionMismatch, IsReported) {
  Image img = Canvas(640, 480, kGrey);
  DrawRegion(img, 'A', 200, 100, 519, 339);
  ASSERT_TRUE(FindStrips(img).at(0).regionExact);
  GetParam().apply(img);
  const auto strips = FindStrips(img);
  ASSERT_EQ(strips.size(), 1u);
  EXPECT_FALSE(strips[0].regionExact);
  const RegionCheck check = CheckRegion(img, strips[0]);
  EXPECT_EQ(check.fault, GetParam().fault);
  if (GetParam().fault == RegionFault::NotMagenta ||
      GetParam().fault == RegionFault::MagentaOutside) {
    EXPECT_EQ(check.x, GetParam().x);
    EXPECT_EQ(check.y, GetParam().y);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionMismatch,
    ::testing::Values(
        Spoil{"CornerNotMagenta", [](Image& i) { Set(i, 519, 339, kBlack); }, kNot, 519, 339},
        Spoil{"BelowStripNotMagenta", [](Image& i) { Set(i, 200, 101, kGrey); }, kNot, 200, 101},
        Spoil{"TopRowPastStrip", [](Image& i) { Set(i, 352, 100, kBlack); }, kNot, 352, 100},
        Spoil{"LeakRight", [](Image& i) { Set(i, 520, 110, kMagenta); }, kOut, 520, 110},
        Spoil{"LeakBelow", [](Image& i) { Set(i, 200, 340, kMagenta); }, kOut, 200, 340},
        Spoil{"LeakLeft", [](Image& i) { Set(i, 199, 339, kMagenta); }, kOut, 199, 339},
        Spoil{"LeakAbove", [](Image& i) { Set(i, 205, 99, kMagenta); }, kOut, 205, 99},
        Spoil{"LeakDiagonal", [](Image& i) { Set(i, 520, 340, kMagenta); }, kOut, 520, 340},
        Spoil{"RegionOneWider", [](Image& i) { Fill(i, 520, 100, 1, 240, kMagenta); }, kOut, 520, 100},
        Spoil{"StripOneRight",
              [](Image& i) {
                Fill(i, 200, 100, 320, 1, kMagenta);
                DrawCells(i, 201, 100, EncodeCells('A', 200, 100, 519, 339,
                                                   ExpectedChecksum(200, 100, 519, 339)));
              },
              RegionFault::Misplaced, 0, 0}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(RegionCheck, AnnouncedRectangleMustHoldTheStripAndFitTheImage) {
  Image img = Canvas(400, 100, kGrey);
  // Narrower than the strip, ending where a black cell borders it.
  Fill(img, 10, 10, 48, 20, kMagenta);
  DrawCells(img, 10, 10, EncodeCells('A', 10, 10, 57, 29, ExpectedChecksum(10, 10, 57, 29)));
  // Claims to run past the bottom of the image; everything visible is right.
  Fill(img, 200, 50, 200, 50, kMagenta);
  DrawCells(img, 200, 50, EncodeCells('A', 200, 50, 399, 100, ExpectedChecksum(200, 50, 399, 100)));
  const auto strips = FindStrips(img);
  ASSERT_EQ(strips.size(), 2u);
  EXPECT_FALSE(strips[0].regionExact);
  EXPECT_EQ(CheckRegion(img, strips[0]).fault, RegionFault::TooSmall);
  EXPECT_FALSE(strips[1].regionExact);
  EXPECT_EQ(CheckRegion(img, strips[1]).fault, RegionFault::OffImage);
}

TEST(RegionCheck, AnExactRegionHasNoFault) {
  Image img = Canvas(640, 480, kGrey);
  DrawRegion(img, 'A', 200, 100, 519, 339);
  const auto strips = FindStrips(img);
  ASSERT_EQ(strips.size(), 1u);
  EXPECT_EQ(CheckRegion(img, strips[0]).fault, RegionFault::None);
}

}  // namespace
