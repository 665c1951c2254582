#include <functional>

#include <gtest/gtest.h>

#include "canvas.h"
#include "stripcheck/diagnosis.h"
#include "test_desk.h"

namespace {

using stripcheck::Desk;
using stripcheck::Diagnose;
using stripcheck::Diagnosis;
using stripcheck::Problem;
using stripread::kBlack;
using stripread::kMagenta;
using stripread::RegionFault;
using stripread::Image;
using namespace testutil;

struct Expect {
  int monitor;
  bool hasStrip;
  Problem problem;
};

struct Case {
  const char* name;
  std::function<void(TestDesk&)> make;
  std::vector<Expect> findings;
  int valid;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// The default viewer on a 1920x1200 monitor: region 800,460 320x240.
void Default(TestDesk& t) { t.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240); }

// A viewer whose picture the system stretched to 150 %: a 480x360 region at
// 1200,690 whose strip, in 3-pixel cells 3 rows high, still says 800,460.
void Stretched(TestDesk& t) {
  t.Monitor(0, 0, 1920, 1200);
  Image& img = t.Shot(0).image;
  Fill(img, 1200, 690, 480, 360, kMagenta);
  DrawCells(img, 1200, 690, EncodeCells('A', 800, 460, 1119, 699, 16), 3, 3);
  t.desk().viewer.found = true;
  t.desk().viewer.rect = {1195, 685, 1685, 1055};
}

// The viewer's region shown without a readable strip, as a blurred stretch.
void Blurred(TestDesk& t) {
  t.Monitor(0, 0, 1920, 1200);
  Fill(t.Shot(0).image, 1200, 690, 480, 360, kMagenta);
  t.desk().viewer.found = true;
  t.desk().viewer.rect = {1195, 685, 1685, 1055};
}

class Diagnoses : public ::testing::TestWithParam<Case> {};

TEST_P(Diagnoses, EachMonitorAndStrip) {
  TestDesk t;
  GetParam().make(t);
  const Diagnosis d = Diagnose(t.desk());
  ASSERT_EQ(d.findings.size(), GetParam().findings.size());
  for (std::size_t i = 0; i < d.findings.size(); ++i) {
    const Expect& e = GetParam().findings[i];
    EXPECT_EQ(d.findings[i].monitor, e.monitor) << "finding " << i;
    EXPECT_EQ(d.findings[i].hasStrip, e.hasStrip) << "finding " << i;
    EXPECT_EQ(d.findings[i].problem, e.problem) << "finding " << i;
  }
  EXPECT_EQ(d.validStrips, GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Desks, Diagnoses,
    ::testing::Values(
        Case{"OneValidStrip", Default, {{0, true, Problem::None}}, 1},
        Case{"NoViewer", [](TestDesk& t) { t.Monitor(0, 0, 1920, 1200); },
             {{0, false, Problem::NoStrip}}, 0},
        Case{"TwoStripsOnOneMonitor",
             [](TestDesk& t) {
               Default(t);
               DrawRegion(t.Shot(0).image, 'A', 100, 100, 419, 339);
             },
             {{0, true, Problem::None}, {0, true, Problem::None}}, 2},
        Case{"TwoMonitorsWithAStripEach",
             [](TestDesk& t) {
               Default(t);
               t.Monitor(1920, 0, 1024, 768);
               DrawRegion(t.Shot(1).image, 'A', 10, 10, 329, 249);
             },
             {{0, true, Problem::None}, {1, true, Problem::None}}, 2},
        Case{"ClosingStripCounts",
             [](TestDesk& t) {
               Default(t);
               DrawCells(t.Shot(0).image, 800, 460, "01010011");
             },
             {{0, true, Problem::None}}, 1},
        Case{"WindowOverTheRowPastTheStrip",
             [](TestDesk& t) { Default(t); t.Above(1000, 450, 80, 20); },
             {{0, true, Problem::Covered}}, 0},
        Case{"WindowOverTheStripItself",
             [](TestDesk& t) { Default(t); t.Above(780, 440, 60, 30); },
             {{0, false, Problem::Covered}}, 0},
        Case{"WindowOverTheViewersWholeTop",
             [](TestDesk& t) { Default(t); t.Above(700, 400, 600, 100); },
             {{0, false, Problem::Covered}}, 0},
        Case{"WindowOverTheFrameOnly",
             [](TestDesk& t) { Default(t); t.Above(790, 450, 400, 9); },
             {{0, true, Problem::None}}, 1},
        Case{"WindowBelowTheStripRow",
             [](TestDesk& t) { Default(t); t.Above(850, 550, 100, 50); },
             {{0, true, Problem::NotMagenta}}, 0},
        Case{"PixelInsideNotMagenta",
             [](TestDesk& t) { Default(t); Set(t.Shot(0).image, 900, 600, kBlack); },
             {{0, true, Problem::NotMagenta}}, 0},
        Case{"MagentaPastTheRightEdge",
             [](TestDesk& t) { Default(t); Set(t.Shot(0).image, 1120, 500, kMagenta); },
             {{0, true, Problem::NotMagenta}}, 0},
        Case{"WrongChecksum",
             [](TestDesk& t) {
               Default(t);
               DrawCells(t.Shot(0).image, 800, 460, EncodeCells('A', 800, 460, 1119, 699, 17));
             },
             {{0, true, Problem::BadChecksum}}, 0},
        Case{"StripOnAnUnusableMonitor",
             [](TestDesk& t) { t.Monitor(0, 0, 1920, 1080).Viewer(0, 800, 420, 320, 240); },
             {{0, true, Problem::UnusableMonitor}}, 0},
        Case{"EmptyUnusableMonitor", [](TestDesk& t) { t.Monitor(0, 0, 1366, 768); },
             {{0, false, Problem::UnusableMonitor}}, 0},
        Case{"ViewerOnTheSecondMonitor",
             [](TestDesk& t) {
               t.Monitor(0, 0, 1920, 1080).Monitor(1920, 0, 1024, 768);
               t.Viewer(1, 352, 249, 320, 240);
             },
             {{0, false, Problem::UnusableMonitor}, {1, true, Problem::None}}, 1},
        Case{"WindowOverTheStripOnAMonitorLeftOfThePrimary",
             [](TestDesk& t) {
               t.Monitor(0, 0, 1920, 1200).Monitor(-1024, 0, 1024, 768);
               t.Viewer(1, 352, 249, 320, 240).Above(-624, 244, 50, 10);
             },
             {{0, false, Problem::NoStrip}, {1, false, Problem::Covered}}, 0},
        Case{"StretchedStripInThePicture", Stretched, {{0, false, Problem::Scaled}}, 0},
        Case{"StretchedByDpi", [](TestDesk& t) { Blurred(t); t.Dpi(96, 144); },
             {{0, false, Problem::Scaled}}, 0},
        Case{"SameDpiIsNoStretch", [](TestDesk& t) { Blurred(t); t.Dpi(144, 144); },
             {{0, false, Problem::NoStrip}}, 0},
        Case{"UnknownDpiIsNoStretch", [](TestDesk& t) { Blurred(t); t.Dpi(0, 144); },
             {{0, false, Problem::NoStrip}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Diagnosis, StripCoordinatesAreRelativeToTheirMonitor) {
  TestDesk t;
  t.Monitor(0, 0, 1920, 1080).Monitor(1920, 0, 1024, 768).Viewer(1, 352, 249, 320, 240);
  const Diagnosis d = Diagnose(t.desk());
  ASSERT_EQ(d.findings.size(), 2u);
  const stripread::Strip& s = d.findings[1].strip;
  EXPECT_EQ(s.x0, 352);
  EXPECT_EQ(s.y0, 249);
  EXPECT_EQ(s.x1, 671);
  EXPECT_EQ(s.y1, 488);
  EXPECT_EQ(s.checksum, 228);
  EXPECT_EQ(d.viewerMonitor, 1);
}

TEST(Diagnosis, NamesTheWindowThatCoversTheRow) {
  struct Row { const char* what; std::function<void(TestDesk&)> covers; };
  for (const Row& r : {Row{"strip unreadable", [](TestDesk& t) { t.Above(780, 440, 60, 30, "row"); }},
                       Row{"row past the strip", [](TestDesk& t) { t.Above(1000, 455, 80, 10, "row"); }}}) {
    TestDesk t;
    Default(t);
    r.covers(t);
    t.Above(850, 550, 100, 50, "lower");  // in front, but not over the row
    const Diagnosis d = Diagnose(t.desk());
    ASSERT_EQ(d.findings.size(), 1u) << r.what;
    EXPECT_EQ(d.findings[0].problem, Problem::Covered) << r.what;
    ASSERT_EQ(d.findings[0].window, 1) << r.what;
    EXPECT_EQ(t.desk().viewer.above[1].name, "row") << r.what;
  }
}

TEST(Diagnosis, SaysWhatIsWrongWithTheArea) {
  struct Row { const char* what; std::function<void(TestDesk&)> spoil; RegionFault fault; int x, y, window; };
  const Row rows[] = {
      {"black pixel", [](TestDesk& t) { Set(t.Shot(0).image, 900, 600, kBlack); },
       RegionFault::NotMagenta, 900, 600, -1},
      {"window inside", [](TestDesk& t) { t.Above(850, 550, 100, 50); },
       RegionFault::NotMagenta, 850, 550, 0},
      {"magenta to the right", [](TestDesk& t) { Set(t.Shot(0).image, 1120, 500, kMagenta); },
       RegionFault::MagentaOutside, 1120, 500, -1},
  };
  for (const Row& r : rows) {
    TestDesk t;
    Default(t);
    r.spoil(t);
    const Diagnosis d = Diagnose(t.desk());
    ASSERT_EQ(d.findings.size(), 1u) << r.what;
    EXPECT_EQ(d.findings[0].problem, Problem::NotMagenta) << r.what;
    EXPECT_EQ(d.findings[0].region.fault, r.fault) << r.what;
    EXPECT_EQ(d.findings[0].region.x, r.x) << r.what;
    EXPECT_EQ(d.findings[0].region.y, r.y) << r.what;
    EXPECT_EQ(d.findings[0].window, r.window) << r.what;
  }
}

TEST(Diagnosis, HowMuchTheViewerIsStretched) {
  TestDesk picture;
  Stretched(picture);
  Diagnosis d = Diagnose(picture.desk());
  EXPECT_EQ(d.findings.at(0).cellWidth, 3);
  EXPECT_EQ(d.findings.at(0).scalePercent, 150);

  struct Row { int windowDpi, monitorDpi, percent; };
  for (const Row& r : {Row{96, 120, 125}, Row{96, 144, 150}, Row{96, 192, 200}, Row{120, 168, 140}}) {
    TestDesk t;
    Blurred(t);
    t.Dpi(r.windowDpi, r.monitorDpi);
    d = Diagnose(t.desk());
    EXPECT_EQ(d.findings.at(0).problem, Problem::Scaled) << r.monitorDpi;
    EXPECT_EQ(d.findings.at(0).cellWidth, 0) << r.monitorDpi;
    EXPECT_EQ(d.findings.at(0).scalePercent, r.percent) << r.monitorDpi;
  }
}

// Window facts only speak for the viewer's own monitor.
TEST(Diagnosis, DpiFactsDoNotBlameOtherMonitors) {
  TestDesk t;
  t.Monitor(0, 0, 1920, 1200).Monitor(1920, 0, 1024, 768).Viewer(0, 800, 460, 320, 240);
  t.Dpi(96, 144).Above(2000, 100, 300, 300);
  const Diagnosis d = Diagnose(t.desk());
  ASSERT_EQ(d.findings.size(), 2u);
  EXPECT_EQ(d.findings[0].problem, Problem::None);
  EXPECT_EQ(d.findings[1].problem, Problem::NoStrip);
}

}  // namespace
