#include <gtest/gtest.h>

#include "canvas.h"
#include "stripread/strip.h"

namespace {

using stripread::Crop;
using stripread::FindStrips;
using stripread::Image;
using stripread::kBlack;
using namespace testutil;

// Two outputs side by side: 1024x768 at 0,0 and 1920x1200 at 1024,0, the
// second showing a pillarboxed region whose strip speaks in its own terms.
Image TwoMonitorScreenshot() {
  Image shot = Canvas(2944, 1200, kBlack);
  Fill(shot, 0, 0, 1024, 768, kGrey);
  Image second = Canvas(1920, 1200, kBlack);
  DrawRegion(second, 'A', 160, 0, 1759, 1199);
  for (int y = 0; y < 1200; ++y)
    for (int x = 0; x < 1920; ++x) Set(shot, 1024 + x, y, second.at(x, y));
  return shot;
}

TEST(Monitors, CroppingGivesMonitorRelativePositions) {
  const Image shot = TwoMonitorScreenshot();

  const auto whole = FindStrips(shot);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].atX, 1184);
  EXPECT_FALSE(whole[0].regionExact);  // the strip's numbers are not screenshot numbers

  EXPECT_TRUE(FindStrips(Crop(shot, 0, 0, 1024, 768)).empty());
  const auto second = FindStrips(Crop(shot, 1024, 0, 1920, 1200));
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].atX, 160);
  EXPECT_EQ(second[0].atY, 0);
  EXPECT_EQ(second[0].x0, 160);
  EXPECT_TRUE(second[0].regionExact);
}

TEST(Monitors, CropKeepsItsSizeAndBlanksWhatLiesOutside) {
  Image img = Canvas(4, 3, kGrey);
  Set(img, 3, 2, 0x112233);
  const Image c = Crop(img, 2, 1, 3, 3);
  ASSERT_EQ(c.width, 3);
  ASSERT_EQ(c.height, 3);
  EXPECT_EQ(c.at(0, 0), kGrey);
  EXPECT_EQ(c.at(1, 1), 0x112233u);
  EXPECT_EQ(c.at(2, 0), kBlack);
  EXPECT_EQ(c.at(0, 2), kBlack);
}

}  // namespace
