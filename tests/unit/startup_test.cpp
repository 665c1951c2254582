// Start-up, single instance and shut-down on the simulated desktop.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/error_box.h"
#include "app/program_entry.h"
#include "sim_viewer.h"

namespace mirlo {
namespace {

const Rect kMonitor1920{0, 0, 1920, 1200};

TEST(StartupTest, DefaultViewerIsCentredOnTheWorkAreaAndCarriesItsStrip) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{797, 457, 797 + 326, 457 + 246}));
  EXPECT_TRUE(v.desk.IsUndecorated());
  EXPECT_FALSE(v.desk.IsTopmost());
  EXPECT_FALSE(v.Checked(MenuItem::N7));
  EXPECT_FALSE(v.Enabled(MenuItem::N11));
  EXPECT_EQ(v.state().FrameWidth, 3);
  EXPECT_FALSE(v.state().Closing);
  EXPECT_TRUE(v.desk.MessageBoxes().empty());
  const stripread::Strip s = OnlyStrip(v.desk, 0, kMonitor1920);
  EXPECT_EQ(s.lead, 'A');
  EXPECT_EQ(s.x0, 800);
  EXPECT_EQ(s.y0, 460);
  EXPECT_EQ(s.x1, 1119);
  EXPECT_EQ(s.y1, 699);
  EXPECT_TRUE(s.checksumOk);
  EXPECT_TRUE(s.regionExact);
}

// Whether `calls` appear in the log in this order, other calls between them
// allowed: a repeated call that changes nothing may come or go.
bool InOrder(const std::vector<std::string>& log, const std::vector<std::string>& calls) {
  auto at = log.begin();
  for (const std::string& call : calls) {
    at = std::find(at, log.end(), call);
    if (at == log.end()) return false;
    ++at;
  }
  return true;
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

TEST(StartupTest, TheWindowIsShownOnlyOnceLaidOutAtItsFinalPlace) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  const std::vector<std::string>& log = v.desk.CallLog();
  const auto show = std::find(log.begin(), log.end(), "show");
  ASSERT_NE(show, log.end());
  // Undecorated before it is first placed, so that its size is the viewer's.
  const auto firstBounds = std::find_if(log.begin(), log.end(),
                                        [](const std::string& s) { return StartsWith(s, "bounds"); });
  EXPECT_LT(std::find(log.begin(), log.end(), "undecorated"), firstBounds);
  // Every change of place, size or state happens before the window appears.
  const auto lastBounds = std::find_if(std::make_reverse_iterator(show), log.rend(),
                                       [](const std::string& s) { return StartsWith(s, "bounds"); });
  ASSERT_NE(lastBounds, log.rend());
  EXPECT_EQ(*lastBounds, "bounds 797 457 326 246");
  for (auto it = show; it != log.end(); ++it) {
    EXPECT_TRUE(*it == "show" || *it == "repaint") << *it;
  }
  // Created not topmost it stays so, and it is never maximised on the way.
  EXPECT_FALSE(v.desk.IsTopmost());
  EXPECT_EQ(std::count(log.begin(), log.end(), "state max"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "topmost"), 0);
  EXPECT_TRUE(v.desk.IsVisible());
  const stripread::Strip s = OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200});
  EXPECT_EQ(s.x0, 800);
  EXPECT_EQ(s.y0, 460);
}

TEST(StartupTest, OpensOnTheFirstUsableMonitorWhenMonitorZeroIsNot) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1080, 40), MakeMonitor(1920, 0, 1366, 768),
               MakeMonitor(3286, 0, 1024, 768, 30)});
  v.form.Create();
  EXPECT_EQ(v.state().DefaultMonitor, 2);
  EXPECT_EQ(v.state().MonitorIndex, 2);
  EXPECT_FALSE(v.Enabled(MenuItem::N11));  // only one usable monitor
  // Centred on the third monitor's work area (1024 x 738).
  EXPECT_EQ(v.desk.WindowBounds().left, 3286 + (1024 - 326) / 2);
  EXPECT_EQ(v.desk.WindowBounds().top, (738 - 246) / 2);
  const stripread::Strip s = OnlyStrip(v.desk, 2, Rect{3286, 0, 4310, 768});
  EXPECT_EQ(s.x0, (1024 - 326) / 2 + 3);
  EXPECT_EQ(s.y0, (738 - 246) / 2 + 3);
}

TEST(StartupTest, MonitorMoveItemNeedsTwoUsableMonitors) {
  SimViewer v({MakeMonitor(0, 0, 1280, 1024), MakeMonitor(1280, 0, 1920, 1080),
               MakeMonitor(3200, 0, 800, 600)});
  v.form.Create();
  EXPECT_TRUE(v.Enabled(MenuItem::N11));
}

TEST(StartupTest, NoUsableMonitorWarnsOnceAndEndsWithoutTouchingTheSettings) {
  SimDesktop desk({MakeMonitor(0, 0, 1920, 1080, 40)});
  int loopRuns = 0;
  desk.whileRunning = [&] { ++loopRuns; };
  EXPECT_EQ(ProgramEntry(desk, desk), 0);
  ASSERT_EQ(desk.MessageBoxes().size(), 1u);
  const SimMessageBox& box = desk.MessageBoxes()[0];
  EXPECT_EQ(box.text, "VELTA-9を使用可能な解像度の画面がないので起動できません");
  EXPECT_EQ(box.caption, "警告");
  EXPECT_EQ(box.flags, 0u);  // OK button, no icon
  EXPECT_TRUE(desk.QuitRequested());
  EXPECT_EQ(loopRuns, 0);
  EXPECT_FALSE(desk.ProfileFileExists("C:\\Tools\\MirloViewer\\veltmirl.ini"));
  EXPECT_FALSE(desk.GuardHeld());
}

TEST(StartupTest, SecondInstanceEndsAtOnceWithCodeOne) {
  // Found at the check, or made by another copy between the check and the
  // create (two copies started at the same moment).
  for (bool meanwhile : {false, true}) {
    SimDesktop desk({MakeMonitor(0, 0, 1920, 1200)});
    desk.SetOtherInstanceRunning(!meanwhile);
    desk.SetGuardCreatedMeanwhile(meanwhile);
    EXPECT_EQ(ProgramEntry(desk, desk), 1) << meanwhile;
    EXPECT_TRUE(desk.CallLog().empty()) << meanwhile;
    EXPECT_TRUE(desk.MessageBoxes().empty()) << meanwhile;
    EXPECT_FALSE(desk.IsVisible()) << meanwhile;
    EXPECT_FALSE(desk.GuardHeld()) << meanwhile;
  }
}

TEST(StartupTest, RunHoldsTheGuardAndEndsWithCodeZero) {
  SimDesktop desk({MakeMonitor(0, 0, 1920, 1200)});
  bool guardDuringRun = false;
  desk.whileRunning = [&] {
    guardDuringRun = desk.GuardHeld();
    desk.ChooseMenu(Id(MenuItem::Quit));
  };
  EXPECT_EQ(ProgramEntry(desk, desk), 0);
  EXPECT_TRUE(guardDuringRun);
  EXPECT_FALSE(desk.GuardHeld());
  EXPECT_EQ(desk.Title(), "MirloViewer");
  EXPECT_TRUE(desk.QuitRequested());
}

TEST(StartupTest, PopupMenuHoldsAllItemsInMenuOrder) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200)});
  const std::vector<int>& order = v.desk.MenuOrder();
  ASSERT_EQ(order.size(), 28u);
  EXPECT_EQ(order.front(), Id(MenuItem::N2));
  EXPECT_EQ(order.back(), Id(MenuItem::Quit));
  // Top level: 表示, アスペクト, ヘルプ, 設定, 終了.
  std::vector<int> top;
  for (int id : order) {
    if (v.desk.MenuItemAt(id).parent == 0) top.push_back(id);
  }
  EXPECT_EQ(top, (std::vector<int>{Id(MenuItem::N2), Id(MenuItem::N13), Id(MenuItem::N16),
                                   Id(MenuItem::N1), Id(MenuItem::Quit)}));
  // Captions are Shift-JIS bytes: 終了 is 8F 49 97 B9, 表示 has a 5C trail byte.
  EXPECT_EQ(v.Caption(MenuItem::Quit), "\x8F\x49\x97\xB9");
  EXPECT_EQ(v.Caption(MenuItem::N2), "\x95\x5C\x8E\xA6");
  EXPECT_EQ(v.desk.MenuItemAt(Id(MenuItem::N4)).parent, Id(MenuItem::N3));
  EXPECT_EQ(v.desk.MenuItemAt(Id(MenuItem::N14401)).parent, Id(MenuItem::N3));
  EXPECT_EQ(v.desk.MenuItemAt(Id(MenuItem::VersionInfo)).parent, Id(MenuItem::N16));
  // 表示: the placement dialog and the lock come after every older item.
  std::vector<int> view;
  for (int id : order) {
    if (v.desk.MenuItemAt(id).parent == Id(MenuItem::N2)) view.push_back(id);
  }
  EXPECT_EQ(view, (std::vector<int>{Id(MenuItem::N3), Id(MenuItem::N7), Id(MenuItem::N8),
                                    Id(MenuItem::N9), Id(MenuItem::N10), Id(MenuItem::N11),
                                    Id(MenuItem::N12), Id(MenuItem::PositionAndSize),
                                    Id(MenuItem::LockPosition)}));
  EXPECT_EQ(v.Caption(MenuItem::PositionAndSize), "位置とサイズを指定...");
  EXPECT_EQ(v.Caption(MenuItem::LockPosition), "位置を固定");
  EXPECT_FALSE(v.Checked(MenuItem::LockPosition));
  // ヘルプ: ヘルプを表示, バージョン情報, then 表示の確認 (95 5C 8E A6 82 CC 8A 6D 94 46).
  std::vector<int> help;
  for (int id : order) {
    if (v.desk.MenuItemAt(id).parent == Id(MenuItem::N16)) help.push_back(id);
  }
  EXPECT_EQ(help, (std::vector<int>{Id(MenuItem::HtmlHelp), Id(MenuItem::VersionInfo),
                                    Id(MenuItem::DisplayCheck)}));
  EXPECT_EQ(v.Caption(MenuItem::DisplayCheck), "\x95\x5C\x8E\xA6\x82\xCC\x8A\x6D\x94\x46");
}

TEST(QuitTest, StripTurnsToSForHalfASecondThenTheProgramEnds) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  const RegionRecord before = v.state().RegionRect;
  v.desk.ClearCallLog();
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  EXPECT_TRUE(v.state().Closing);
  // The closing strip is painted, stays half a second, then the program ends;
  // the window itself is not moved.
  const std::vector<std::string>& log = v.desk.CallLog();
  EXPECT_TRUE(InOrder(log, {"repaint", "sleep 500", "quit"}));
  EXPECT_EQ(std::count(log.begin(), log.end(), "sleep 500"), 1);
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& s) { return StartsWith(s, "bounds"); }),
            0);
  EXPECT_EQ(v.desk.ElapsedMilliseconds(), 500);
  const stripread::Strip s = OnlyStrip(v.desk, 0, kMonitor1920);
  EXPECT_EQ(s.lead, 'S');
  EXPECT_EQ(v.state().RegionRect, before);
  EXPECT_TRUE(s.regionExact);
}

TEST(QuitTest, QuittingFromFullScreenPaintsTheClosingStripAtTheRegionCorner) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.ChooseMenu(Id(MenuItem::N5));
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  const stripread::Strip s = OnlyStrip(v.desk, 0, kMonitor1920);
  EXPECT_EQ(s.lead, 'S');
  EXPECT_EQ(s.atX, 160);
  EXPECT_EQ(s.atY, 0);
}

TEST(QuitTest, OnlyTheWorkAreaNoticeEndsTheProgram) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  for (unsigned action : {0u, 20u, 46u, 48u, 0x2Fu + 0x100u}) {
    v.desk.BroadcastSettingChange(action);
    EXPECT_FALSE(v.desk.QuitRequested()) << action;
    EXPECT_FALSE(v.state().Closing) << action;
  }
  v.desk.BroadcastSettingChange(47);
  EXPECT_TRUE(v.state().Closing);
  EXPECT_TRUE(v.desk.QuitRequested());
  EXPECT_EQ(v.desk.ElapsedMilliseconds(), 500);
}

TEST(ErrorBoxTest, FullStopAfterALetterADigitOrAJapaneseCharacter) {
  struct Case {
    UserText message;
    std::string shown;
  };
  const Case cases[] = {
      {"disk full", "disk full."},
      {"error 5", "error 5."},
      {UserText::Path("C:\\x\\veltmirl.ini") + " に書き込めません",
       "C:\\x\\veltmirl.ini に書き込めません."},
      {"表", "表."},  // its trail byte is a backslash
      {"done.", "done."},
      {"(1)", "(1)"},
      {"path\\", "path\\"},
      {"", ""},
      // A path at the end: any letter of any script counts.
      {UserText("x ") + UserText::Path(u8"C:\\Игры"), u8"x C:\\Игры."},
      {UserText("x ") + UserText::Path(u8"C:\\a\\"), u8"x C:\\a\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.message).Bytes(), c.shown) << c.shown;
}

TEST(ErrorBoxTest, AnErrorInAHandlerIsShownAndTheRestOfItSkipped) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.FailSleepWith("cannot wait");
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  ASSERT_EQ(v.desk.MessageBoxes().size(), 1u);
  EXPECT_EQ(v.desk.MessageBoxes()[0].text, "cannot wait.");
  EXPECT_EQ(v.desk.MessageBoxes()[0].caption, "MirloViewer");
  EXPECT_EQ(v.desk.MessageBoxes()[0].flags, 0x10u);  // OK button, error icon
  // The viewer stays open with the closing strip; quitting again works.
  EXPECT_FALSE(v.desk.QuitRequested());
  EXPECT_EQ(OnlyStrip(v.desk, 0, kMonitor1920).lead, 'S');
  v.desk.FailSleepWith("");
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  EXPECT_TRUE(v.desk.QuitRequested());
}

}  // namespace
}  // namespace mirlo
