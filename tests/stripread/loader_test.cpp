#include <gtest/gtest.h>

#include "canvas.h"
#include "image_files.h"
#include "stripread/loaders.h"
#include "stripread/strip.h"

namespace {

using stripread::Image;
using namespace testutil;

// Odd width so 24-bit lines need padding; all three channels differ.
Image Sample() {
  Image img = Canvas(171, 6, 0x123456);
  DrawRegion(img, 'A', 3, 1, 169, 4);
  Set(img, 0, 0, 0xFEDCBA);
  Set(img, 170, 5, 0x010203);
  return img;
}

struct XwdCase {
  const char* name;
  XwdLayout layout;
};

void PrintTo(const XwdCase& c, std::ostream* os) { *os << c.name; }

class XwdLoad : public ::testing::TestWithParam<XwdCase> {};

TEST_P(XwdLoad, GivesBackThePixels) {
  const Image want = Sample();
  const TempDir dir;
  const std::string path = dir.Path(std::string(GetParam().name) + ".xwd");
  WriteBytes(path, EncodeXwd(want, GetParam().layout));
  Image got;
  std::string error;
  ASSERT_TRUE(stripread::LoadXwd(path, got, error)) << error;
  EXPECT_EQ(got.width, want.width);
  EXPECT_EQ(got.height, want.height);
  EXPECT_EQ(got.pixels, want.pixels);
  ASSERT_EQ(stripread::FindStrips(got).size(), 1u);
  EXPECT_TRUE(stripread::FindStrips(got)[0].regionExact);
}

XwdLayout Layout(int bpp, bool msb, int pad, int colours, bool bgr = false) {
  XwdLayout l;
  l.bitsPerPixel = bpp;
  l.msbFirst = msb;
  l.padBytes = pad;
  l.colourEntries = colours;
  if (bgr) std::swap(l.redMask, l.blueMask);
  return l;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, XwdLoad,
    ::testing::Values(XwdCase{"Bpp32LsbFirst", Layout(32, false, 0, 256)},
                      XwdCase{"Bpp32MsbFirst", Layout(32, true, 0, 0)},
                      XwdCase{"Bpp24LsbFirstPadded", Layout(24, false, 3, 256)},
                      XwdCase{"Bpp24MsbFirstBgrMasks", Layout(24, true, 3, 16, true)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageLoad, RejectsDamagedOrForeignFiles) {
  std::vector<uint8_t> xwd = EncodeXwd(Sample(), Layout(32, false, 0, 0));
  xwd.pop_back();
  const std::string deep = "P6 2 1 65535\n000000000000";
  Image img;
  std::string error;
  EXPECT_FALSE(stripread::DecodeXwd(xwd, img, error));
  EXPECT_NE(error.find("cut short"), std::string::npos) << error;
  EXPECT_FALSE(stripread::DecodePpm({deep.begin(), deep.end()}, img, error));
  const TempDir dir;
  EXPECT_FALSE(stripread::LoadImage(dir.Path("absent.xwd"), img, error));
  EXPECT_EQ(img.width, 0);
}

TEST(ImageLoad, PicksTheFormatByContent) {
  const Image want = Sample();
  const TempDir dir;
  for (const auto& [name, bytes] :
       {std::pair{"ppm_named.xwd", EncodePpm(want)},
        std::pair{"xwd_named.ppm", EncodeXwd(want, Layout(24, false, 0, 0))}}) {
    const std::string path = dir.Path(name);
    WriteBytes(path, bytes);
    Image got;
    std::string error;
    ASSERT_TRUE(stripread::LoadImage(path, got, error)) << name << ": " << error;
    EXPECT_EQ(got.pixels, want.pixels) << name;
  }
}

}  // namespace
