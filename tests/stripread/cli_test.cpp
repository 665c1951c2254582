#include <sstream>

#include <gtest/gtest.h>

#include "canvas.h"
#include "image_files.h"
#include "stripread/cli.h"

namespace {

using stripread::Image;
using stripread::kBlack;
using stripread::kMagenta;
using namespace testutil;

struct Result {
  int code;
  std::string out, err;
};

Result Invoke(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = stripread::RunTool(args, out, err);
  return {code, out.str(), err.str()};
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    Image shot = Canvas(2944, 1200, kGrey);
    Fill(shot, 1024, 0, 1920, 1200, kBlack);
    // The second monitor's region, its strip in that monitor's coordinates.
    Fill(shot, 1184, 0, 1600, 1200, kMagenta);
    DrawCells(shot, 1184, 0,
              EncodeCells('A', 160, 0, 1759, 1199, ExpectedChecksum(160, 0, 1759, 1199)));
    WriteBytes(shot_, EncodePpm(shot));
    WriteBytes(empty_, EncodePpm(Canvas(200, 10, kGrey)));
  }
  const TempDir dir_;
  const std::string shot_ = dir_.Path("shot.ppm");
  const std::string empty_ = dir_.Path("empty.ppm");
};

TEST_F(Cli, ReportsStripsPerMonitor) {
  const Result r =
      Invoke({"--monitor", "1024x1200+0+0", "--monitor", "1920x1200+1024+0", shot_});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "monitor=1 lead=A x0=160 y0=0 x1=1759 y1=1199 checksum=ok at=160,0 region=exact\n");

  const Result whole = Invoke({shot_});
  EXPECT_EQ(whole.code, 0);
  EXPECT_EQ(whole.out,
            "monitor=0 lead=A x0=160 y0=0 x1=1759 y1=1199 checksum=ok at=1184,0 region=mismatch\n");

  const Result none = Invoke({empty_});
  EXPECT_EQ(none.code, 1);
  EXPECT_EQ(none.out, "no strip\n");
}

TEST_F(Cli, ErrorsGoToStderrWithCodeTwo) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"--bogus", shot_},
           {"--monitor", "1920x1200+1024", shot_},
           {"--monitor", "1920x1200+1025+0", shot_},  // one column past the image
           {dir_.Path("absent.ppm")},
           {"--pixel", "3", shot_},
           {"--pixel", "2944", "0", shot_},
           {"--colour-box", "2940", "0", "5", "1", shot_},
           {"--pixel", "1", "1", "--monitor", "10x10+0+0", shot_},
           {shot_, empty_}}) {
    const Result r = Invoke(args);
    EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_FALSE(r.err.empty());
  }
}

TEST_F(Cli, PrintsPixelsAndColourCounts) {
  EXPECT_EQ(Invoke({"--pixel", "1184", "1", shot_}).out, "#FF00FF\n");
  EXPECT_EQ(Invoke({"--pixel", "2943", "1199", shot_}).out, "#000000\n");
  EXPECT_EQ(Invoke({"--pixel", "0", "0", shot_}).out, "#808080\n");
  // Lead 'A' is 01000001: 12 black pixels, 4 magenta, plus a magenta row.
  const Result r = Invoke({"--colour-box", "1184", "0", "16", "2", shot_});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "#FF00FF 20\n#000000 12\n");
  // Equal counts fall back to colour order.
  EXPECT_EQ(Invoke({"--colour-box", "1022", "5", "4", "1", shot_}).out,
            "#000000 2\n#808080 2\n");
}

}  // namespace
