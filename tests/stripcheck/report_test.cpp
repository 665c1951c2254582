#include <gtest/gtest.h>

#include "canvas.h"
#include "stripcheck/report.h"
#include "test_desk.h"

namespace {

using stripcheck::Diagnose;
using stripcheck::MonitorGeometry;
using stripcheck::ReportLines;
using stripcheck::Rect;
using stripread::kBlack;
using Lines = std::vector<std::string>;
using namespace testutil;

Lines Report(TestDesk& t) { return ReportLines(t.desk(), Diagnose(t.desk())); }

const char* const kUsableList =
    "(it reads 640x480, 800x600, 1024x768, 1280x768, 1360x768, 1280x1024, 1600x1200, 1440x900, "
    "1680x1050 and 1920x1200)";

TEST(Report, MonitorGeometryKeepsTheSignOfEachCoordinate) {
  EXPECT_EQ(MonitorGeometry(Rect{0, 0, 1920, 1200}), "1920x1200+0+0");
  EXPECT_EQ(MonitorGeometry(Rect{1920, 0, 2944, 768}), "1024x768+1920+0");
  EXPECT_EQ(MonitorGeometry(Rect{-1024, -300, 0, 468}), "1024x768-1024-300");
}

TEST(Report, OneStripAsTheReaderWritesIt) {
  TestDesk t;
  t.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240);
  EXPECT_EQ(Report(t), (Lines{"monitor=0 1920x1200+0+0 lead=A x0=800 y0=460 x1=1119 y1=699 "
                              "checksum=ok at=800,460 region=exact",
                              "valid=1 the device can read the strip on monitor 0"}));
}

TEST(Report, SecondMonitorOfADeskOfTwo) {
  TestDesk t;
  t.Monitor(0, 0, 1920, 1080).Monitor(1920, 0, 1024, 768).Viewer(1, 352, 249, 320, 240);
  EXPECT_EQ(Report(t),
            (Lines{std::string("monitor=0 1920x1080+0+0 problem=unusable-monitor the device "
                               "cannot use this monitor's resolution 1920x1080 ") +
                       kUsableList,
                   "monitor=1 1024x768+1920+0 lead=A x0=352 y0=249 x1=671 y1=488 checksum=ok "
                   "at=352,249 region=exact",
                   "valid=1 the device can read the strip on monitor 1"}));
}

TEST(Report, CoveringWindowsInMonitorCoordinates) {
  TestDesk row;
  row.Monitor(-1024, 0, 1024, 768).Viewer(0, 352, 249, 320, 240).Above(-504, 240, 80, 20);
  EXPECT_EQ(Report(row),
            (Lines{"monitor=0 1024x768-1024+0 lead=A x0=352 y0=249 x1=671 y1=488 checksum=ok "
                   "at=352,249 region=mismatch problem=covered another window lies over the "
                   "strip's row: \"cover\" 80x20 at 520,240",
                   "valid=0 the device finds no strip it can use"}));

  TestDesk strip;
  strip.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240).Above(780, 440, 60, 30, "[Notepad]");
  EXPECT_EQ(Report(strip).at(0),
            "monitor=0 1920x1200+0+0 problem=covered another window lies over the viewer's strip "
            "row: \"[Notepad]\" 60x30 at 780,440");

  // Names come in UTF-8; a console gets one '?' per other character.
  TestDesk named;
  named.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240).Above(780, 440, 60, 30, u8"メモ帳 \"é\"");
  EXPECT_EQ(Report(named).at(0),
            "monitor=0 1920x1200+0+0 problem=covered another window lies over the viewer's strip "
            "row: \"??? ???\" 60x30 at 780,440");
}

TEST(Report, WhyTheAreaIsNotTheRectangle) {
  TestDesk pixel;
  pixel.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240);
  Set(pixel.Shot(0).image, 900, 600, 0x123456);
  EXPECT_EQ(Report(pixel).at(0),
            "monitor=0 1920x1200+0+0 lead=A x0=800 y0=460 x1=1119 y1=699 checksum=ok "
            "at=800,460 region=mismatch problem=not-magenta pixel 900,600 inside the announced "
            "rectangle is #123456, not magenta");

  TestDesk window;
  window.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240).Above(850, 550, 100, 50, "Mail");
  EXPECT_EQ(Report(window).at(0),
            "monitor=0 1920x1200+0+0 lead=A x0=800 y0=460 x1=1119 y1=699 checksum=ok "
            "at=800,460 region=mismatch problem=not-magenta pixel 850,550 inside the announced "
            "rectangle is #606060, not magenta, under \"Mail\" 100x50 at 850,550");

  TestDesk moved;  // strip drawn one pixel left of where it says the region is
  moved.Monitor(0, 0, 800, 600);
  Fill(moved.Shot(0).image, 99, 50, 641, 480, stripread::kMagenta);
  DrawCells(moved.Shot(0).image, 99, 50, EncodeCells('A', 100, 50, 739, 529, 142));
  EXPECT_EQ(Report(moved).at(0),
            "monitor=0 800x600+0+0 lead=A x0=100 y0=50 x1=739 y1=529 checksum=ok at=99,50 "
            "region=mismatch problem=not-magenta the strip lies at 99,50 but announces its "
            "region at 100,50");
}

TEST(Report, ChecksumScalingAndNoStrip) {
  TestDesk sum;
  sum.Monitor(0, 0, 800, 600);
  DrawRegion(sum.Shot(0).image, 'A', 100, 50, 739, 529);
  DrawCells(sum.Shot(0).image, 100 + 136, 50, "10000000");
  EXPECT_EQ(Report(sum).at(0),
            "monitor=0 800x600+0+0 lead=A x0=100 y0=50 x1=739 y1=529 checksum=bad at=100,50 "
            "region=exact problem=bad-checksum the strip's checksum is 128 where its "
            "coordinates give 142");

  TestDesk dpi;
  dpi.Monitor(0, 0, 1920, 1200);
  dpi.desk().viewer.found = true;
  dpi.desk().viewer.rect = {1195, 685, 1685, 1055};
  dpi.Dpi(96, 144);
  EXPECT_EQ(Report(dpi).at(0),
            "monitor=0 1920x1200+0+0 problem=scaled display scaling stretches the viewer to "
            "150 % (it draws for 96 dpi on a 144 dpi monitor); the device reads unscaled strips "
            "only");

  TestDesk none;
  none.Monitor(0, 0, 1920, 1200).Monitor(1920, 0, 1280, 1024).Viewer(0, 800, 460, 320, 240);
  Set(none.Shot(0).image, 800, 460, stripread::kMagenta);  // spoils the strip's first cell
  EXPECT_EQ(Report(none),
            (Lines{"monitor=0 1920x1200+0+0 problem=no-strip the viewer's window 326x246 at "
                   "797,457 is here, but no strip can be read in it",
                   "monitor=1 1280x1024+1920+0 problem=no-strip no strip here; the viewer is on "
                   "monitor 0",
                   "valid=0 the device finds no strip it can use"}));

  TestDesk empty;
  empty.Monitor(0, 0, 1024, 768);
  EXPECT_EQ(Report(empty), (Lines{"monitor=0 1024x768+0+0 problem=no-strip no strip here, and "
                                  "no viewer window is open",
                                  "valid=0 the device finds no strip it can use"}));
}

TEST(Report, TwoUsableStripsAreOneTooMany) {
  TestDesk t;
  t.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240);
  DrawRegion(t.Shot(0).image, 'A', 100, 100, 419, 339);
  EXPECT_EQ(Report(t).back(), "valid=2 the device needs exactly one strip");
}

}  // namespace
