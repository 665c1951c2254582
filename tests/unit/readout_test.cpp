// The readout: where it stands, when it is up, what it says and in what
// order it changes beside the window's own calls.

#include "dialogs/readout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/readout_place.h"
#include "sim_viewer.h"

namespace mirlo {
namespace {

const Rect kWork{0, 0, 1920, 1160};
const Rect kBounds{0, 0, 1920, 1200};
const Point kSize{200, 20};

// The viewer's window and its region 3 pixels inside.
ReadoutDesk DeskWith(const Rect& window, const Rect& work = kWork, const Rect& bounds = kBounds,
                     Point size = kSize) {
  const Rect region{window.left + 3, window.top + 3, window.right - 3, window.bottom - 3};
  return ReadoutDesk{work, bounds, window, region, size};
}

TEST(ReadoutPlaceTest, TheFirstCornerTheViewerIsNotNear) {
  struct Case {
    const char* what;
    ReadoutDesk desk;
    std::optional<Rect> expected;
  };
  const Rect work1024{0, 0, 1024, 738};
  const Rect bounds1024{0, 0, 1024, 768};
  const Case cases[] = {
      {"in the middle: bottom right", DeskWith({797, 457, 1123, 703}), Rect{1720, 1140, 1920, 1160}},
      {"at the bottom right: bottom left", DeskWith({1594, 914, 1920, 1160}),
       Rect{0, 1140, 200, 1160}},
      // 806 x 606 centred along the bottom of a 1024 x 738 work area reaches
      // within 8 of both bottom corners; the top is 124 away.
      {"along the bottom: top right", DeskWith({109, 132, 915, 738}, work1024, bounds1024),
       Rect{824, 0, 1024, 20}},
      {"along the top: bottom right", DeskWith({109, 0, 915, 606}, work1024, bounds1024),
       Rect{824, 718, 1024, 738}},
      // 500 wide, the readout meets a 1446 x 1086 window in every corner of
      // a work area that ends at 1090; the monitor's bottom corners lie over
      // the task bar.
      {"no corner of the work area: the monitor's, over the task bar",
       DeskWith({0, 0, 1446, 1086}, Rect{0, 0, 1920, 1090}, kBounds, Point{500, 20}),
       Rect{1420, 1180, 1920, 1200}},
      {"no room at all: none",
       DeskWith({0, 0, 1446, 1086}, Rect{0, 0, 1920, 1090}, Rect{0, 0, 1920, 1090}, Point{500, 20}),
       std::nullopt},
      {"a monitor at negative coordinates", DeskWith({-1000, 100, -674, 346}, Rect{-1280, -200, 0, 794},
                                                     Rect{-1280, -200, 0, 824}),
       Rect{-200, 774, 0, 794}},
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceReadout(c.desk, std::nullopt), c.expected) << c.what;
}

TEST(ReadoutPlaceTest, ItStaysWhereItIsUntilTheViewerComesNear) {
  struct Case {
    const char* what;
    ReadoutDesk desk;
    Rect now;
    Rect expected;
  };
  const Rect bottomRight{1720, 1140, 1920, 1160}, bottomLeft{0, 1140, 200, 1160};
  const Case cases[] = {
      {"clear: kept, though another corner comes first", DeskWith({797, 457, 1123, 703}),
       bottomLeft, bottomLeft},
      {"8 from the viewer: kept", DeskWith({1386, 900, 1712, 1146}), bottomRight, bottomRight},
      {"7 from the viewer: moved", DeskWith({1387, 900, 1713, 1146}), bottomRight, bottomLeft},
      {"under the viewer: moved", DeskWith({1594, 914, 1920, 1160}), bottomRight, bottomLeft},
      // Clear of the window, but across the strip's row (row 3).
      {"on the strip's row: moved", DeskWith({0, 0, 326, 246}), Rect{1720, 0, 1920, 20},
       bottomRight},
      {"on another monitor: placed on the viewer's",
       DeskWith({2000, 100, 2326, 346}, Rect{1920, 0, 3200, 1024}, Rect{1920, 0, 3200, 1024}),
       bottomRight, Rect{3000, 1004, 3200, 1024}},
      {"of another size: placed again", DeskWith({797, 457, 1123, 703}), Rect{0, 1140, 210, 1160},
       bottomRight},
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceReadout(c.desk, c.now), c.expected) << c.what;
}

TEST(ReadoutTextTest, TheStripsNumbersAsTheInformationBoxWritesThem) {
  EXPECT_EQ(ReadoutText(RegionRecord{103, 422, 53, 292, 320, 240}), "(103,53)-(422,292) 320×240");
  EXPECT_EQ(ReadoutText(RegionRecord{-5, 1434, 0, 1079, 1440, 1080}),
            "(-5,0)-(1434,1079) 1440×1080");
}

// The viewer as it opens on a 1920 x 1200 monitor with a 40-row task bar:
// (797, 457), 326 x 246. The simulated readout is 6 pixels a byte and 12
// more wide, 18 high: 216 x 18 for the widest text.
SimViewer Opened() {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  return v;
}

const Rect kCornerBottomRight{1704, 1142, 1920, 1160};
const Rect kCornerBottomLeft{0, 1142, 216, 1160};

int IndexOf(const std::vector<std::string>& log, const std::string& prefix) {
  const auto it = std::find_if(log.begin(), log.end(),
                               [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
  return it == log.end() ? -1 : int(it - log.begin());
}

int CountOf(const std::vector<std::string>& log, const std::string& prefix) {
  return int(std::count_if(log.begin(), log.end(),
                           [&](const std::string& s) { return s.rfind(prefix, 0) == 0; }));
}

std::string StripText(const stripread::Strip& s) {
  return "(" + std::to_string(s.x0) + "," + std::to_string(s.y0) + ")-(" + std::to_string(s.x1) +
         "," + std::to_string(s.y1) + ") " + std::to_string(s.x1 - s.x0 + 1) + "×" +
         std::to_string(s.y1 - s.y0 + 1);
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(ReadoutTest, ADragShowsTheStripsNumbersFromItsFirstStepToTheRelease) {
  SimViewer v = Opened();
  v.desk.MoveMouseTo(Point{797 + 160, 457 + 120});
  v.desk.Press(MouseButton::Left, 160, 120);
  EXPECT_FALSE(v.desk.ReadoutShown()) << "at the press";
  v.desk.MoveMouseTo(Point{797 + 160, 457 + 120});
  EXPECT_FALSE(v.desk.ReadoutShown()) << "a move to where the press was";
  v.desk.MoveMouseTo(Point{897 + 160, 507 + 120});
  ASSERT_TRUE(v.desk.ReadoutShown());
  EXPECT_EQ(v.desk.ReadoutText(), "(900,510)-(1219,749) 320×240");
  EXPECT_EQ(v.desk.ReadoutText(), StripText(OnlyStrip(v.desk, 0, kBounds)));
  EXPECT_EQ(v.desk.ReadoutBounds(), kCornerBottomRight);
  EXPECT_EQ(v.desk.ReadoutFont(), (LabelFont{"ＭＳ Ｐゴシック", 12}));
  v.desk.MoveMouseTo(Point{900 + 160, 520 + 120});
  EXPECT_EQ(v.desk.ReadoutText(), "(903,523)-(1222,762) 320×240");
  v.desk.Release(MouseButton::Left);
  EXPECT_FALSE(v.desk.ReadoutShown());
}

TEST(ReadoutTest, AClickShowsNoReadoutNorDoesTheRightButton) {
  SimViewer v = Opened();
  v.desk.ClearCallLog();
  v.desk.MoveMouseTo(Point{960, 580});
  v.desk.Press(MouseButton::Left, 163, 123);
  v.desk.MoveMouseTo(Point{960, 580});
  v.desk.Release(MouseButton::Left);
  v.desk.Press(MouseButton::Right, 163, 123);
  v.desk.MoveMouseTo(Point{1000, 600});
  v.desk.Release(MouseButton::Right);
  EXPECT_EQ(CountOf(v.desk.CallLog(), "readout"), 0);
}

TEST(ReadoutTest, ItMovesOutOfTheWayBeforeTheWindowAndTakesTheNumbersAfterThePaint) {
  SimViewer v = Opened();
  v.desk.MoveMouseTo(Point{960, 580});
  v.desk.Press(MouseButton::Left, 163, 123);
  v.desk.ClearCallLog();
  v.desk.MoveMouseTo(Point{970, 580});
  {
    const std::vector<std::string>& log = v.desk.CallLog();
    const int at = IndexOf(log, "readout at"), move = IndexOf(log, "bounds"),
              paint = IndexOf(log, "repaint"), text = IndexOf(log, "readout text"),
              shown = IndexOf(log, "readout shown");
    EXPECT_TRUE(IndexOf(log, "fillnow") < at && at < move && move < paint && paint < text &&
                text < shown);
  }
  // The next step only changes the numbers.
  v.desk.ClearCallLog();
  v.desk.MoveMouseTo(Point{980, 580});
  EXPECT_EQ(CountOf(v.desk.CallLog(), "readout"), 1);
  EXPECT_EQ(IndexOf(v.desk.CallLog(), "readout text (820,460)-(1139,699) 320×240"),
            int(v.desk.CallLog().size()) - 1);
  // Dragged into its corner: it goes to the next one, before the window comes.
  v.desk.ClearCallLog();
  v.desk.MoveMouseTo(Point{3000, 3000});
  const std::vector<std::string>& log = v.desk.CallLog();
  EXPECT_EQ(v.desk.ReadoutBounds(), kCornerBottomLeft);
  EXPECT_TRUE(IndexOf(log, "fillnow") < IndexOf(log, "readout at") &&
              IndexOf(log, "readout at") < IndexOf(log, "bounds"));
  EXPECT_EQ(CountOf(log, "readout at"), 1);
}

TEST(ReadoutTest, ItNeverCoversTheRegionAndComesBackToTheSamePlace) {
  SimViewer v = Opened();
  // Drags to every corner and edge of the work area and back.
  const Point targets[] = {{3000, 3000}, {-3000, 3000}, {-3000, -3000}, {3000, -3000},
                           {960, 3000},  {-3000, 580},  {960, 580}};
  for (const Point& p : targets) {
    const Rect w = v.desk.WindowBounds();
    v.desk.MoveMouseTo(Point{w.left + 163, w.top + 123});
    v.desk.Press(MouseButton::Left, 163, 123);
    v.desk.MoveMouseTo(Point{w.left + 170, w.top + 130});
    v.desk.MoveMouseTo(p);
    ASSERT_TRUE(v.desk.ReadoutShown());
    const Rect now = v.desk.WindowBounds();
    EXPECT_FALSE(Overlap(v.desk.ReadoutBounds(), now)) << p.x << "," << p.y;
    const stripread::Strip s = OnlyStrip(v.desk, 0, kBounds);
    EXPECT_TRUE(s.checksumOk && s.regionExact) << p.x << "," << p.y;
    EXPECT_EQ(v.desk.ReadoutText(), StripText(s));
    v.desk.Release(MouseButton::Left);
  }
  // Back in the middle, a new drag finds its corner where it was: no move.
  v.desk.ClearCallLog();
  v.desk.MoveMouseTo(Point{960, 580});
  v.desk.Press(MouseButton::Left, 163, 123);
  v.desk.MoveMouseTo(Point{961, 580});
  EXPECT_TRUE(v.desk.ReadoutShown());
  EXPECT_EQ(CountOf(v.desk.CallLog(), "readout at"), 0);
  EXPECT_EQ(v.desk.ReadoutMeasures(), 1);
}

TEST(ReadoutTest, AMovingOrSizingKeyShowsItUntilThatKeyGoesUp) {
  SimViewer v = Opened();
  v.desk.KeyDown(Key::Right, KeyModifiers{}, 3);
  ASSERT_TRUE(v.desk.ReadoutShown());
  EXPECT_EQ(v.desk.ReadoutText(), "(803,460)-(1122,699) 320×240");
  v.desk.KeyUp(Key::Left);
  EXPECT_TRUE(v.desk.ReadoutShown()) << "another key went up";
  v.desk.KeyUp(Key::Right);
  EXPECT_FALSE(v.desk.ReadoutShown());
  // Ctrl+Right: one pixel wider, 321 * 3 / 4 = 240 high.
  v.desk.KeyDown(Key::Right, KeyModifiers{false, true, false});
  EXPECT_EQ(v.desk.ReadoutText(), "(803,460)-(1123,699) 321×240");
  v.desk.KeyUp(Key::Right);
  EXPECT_FALSE(v.desk.ReadoutShown());
  // In the corner a key changes nothing, and still shows the numbers.
  v.desk.PressKey(Key::Down, KeyModifiers{true, false, false}, 100);
  v.desk.KeyDown(Key::Down);
  EXPECT_TRUE(v.desk.ReadoutShown());
  EXPECT_EQ(v.desk.ReadoutText(), "(803,917)-(1123,1156) 321×240");
  v.desk.KeyUp(Key::Down);
  EXPECT_FALSE(v.desk.ReadoutShown());
}

TEST(ReadoutTest, WhatEndsAKeyStepWithoutItsKeyUpEndsTheReadout) {
  SimViewer v = Opened();
  v.desk.KeyDown(Key::Left);
  ASSERT_TRUE(v.desk.ReadoutShown());
  v.desk.LoseFocus();
  EXPECT_FALSE(v.desk.ReadoutShown()) << "the focus went elsewhere";
  v.desk.KeyDown(Key::Left);
  ASSERT_TRUE(v.desk.ReadoutShown());
  v.desk.ClearCallLog();
  v.desk.PressKey(Key::F10, KeyModifiers{true, false, false});
  const std::vector<std::string>& log = v.desk.CallLog();
  EXPECT_FALSE(v.desk.ReadoutShown()) << "the menu opened";
  EXPECT_GE(IndexOf(log, "readout hidden"), 0);
  EXPECT_LT(IndexOf(log, "readout hidden"), IndexOf(log, "popup"));
}

TEST(ReadoutTest, NothingShowsItInFullScreen) {
  SimViewer v = Opened();
  v.desk.ChooseMenu(Id(MenuItem::N4));
  v.desk.ClearCallLog();
  v.desk.MoveMouseTo(Point{960, 580});
  v.desk.Press(MouseButton::Left, 960, 580);
  v.desk.MoveMouseTo(Point{1000, 600});
  v.desk.Release(MouseButton::Left);
  v.desk.KeyDown(Key::Right);
  v.desk.KeyUp(Key::Right);
  EXPECT_EQ(CountOf(v.desk.CallLog(), "readout"), 0);
}

TEST(ReadoutTest, AKeyHeldIntoFullScreenTakesItAway) {
  SimViewer v = Opened();
  v.desk.KeyDown(Key::Up);
  ASSERT_TRUE(v.desk.ReadoutShown());
  v.desk.DoubleClickLeft(100, 100);
  EXPECT_FALSE(v.desk.ReadoutShown());
}

}  // namespace
}  // namespace mirlo
