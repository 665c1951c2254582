// The placement dialog, Ctrl+C and the lock, driven as a user drives them on
// a simulated desk: the strip read from the monitor's picture must carry
// exactly the numbers the dialog showed.

#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/placement_form.h"
#include "platform/input.h"
#include "sim_viewer.h"

namespace mirlo {
namespace {

using F = TPlacementForm;
const char kIni[] = "C:\\Tools\\MirloViewer\\veltmirl.ini";
const Rect kBig{0, 0, 1920, 1200};
const Rect kLeft{-1024, 0, 0, 768};
const KeyModifiers kCtrl{false, true, false};

// 0: 1920 x 1200 with a 40-row task bar; 1: 1024 x 768 left of it with a
// 30-row one; 2: 1920 x 1080 right of it, which the device cannot use.
SimViewer Desk() {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(-1024, 0, 1024, 768, 30),
               MakeMonitor(1920, 0, 1920, 1080)});
  v.form.Create();
  return v;
}

std::string Text(SimViewer& v, int id) { return v.desk.Forms().back().controls.at(id).text; }

int Moves(const SimDesktop& desk) {
  const std::vector<std::string>& log = desk.CallLog();
  return int(std::count_if(log.begin(), log.end(),
                           [](const std::string& s) { return s.rfind("bounds", 0) == 0; }));
}

// The strip on monitor `index` as "x0,y0-x1,y1".
std::string StripOn(SimViewer& v, int index, const Rect& bounds) {
  const stripread::Strip s = OnlyStrip(v.desk, index, bounds);
  EXPECT_TRUE(s.checksumOk && s.regionExact);
  return std::to_string(s.x0) + "," + std::to_string(s.y0) + "-" + std::to_string(s.x1) + "," +
         std::to_string(s.y1);
}

TEST(PlacementDialogTest, OpensWithTheRegionOnScreenAndTheUsableMonitors) {
  SimViewer v = Desk();
  v.desk.whileFormOpen = [&] {
    EXPECT_EQ(v.desk.ControlSelection(F::MonitorList), 0);
    EXPECT_EQ(v.desk.ControlText(F::LeftEdit), "800");  // (1920 - 326) / 2 + 3
    EXPECT_EQ(v.desk.ControlText(F::TopEdit), "460");   // (1160 - 246) / 2 + 3
    EXPECT_EQ(v.desk.ControlText(F::WidthEdit), "320");
    EXPECT_TRUE(v.desk.IsControlChecked(F::NormalRadio));
    EXPECT_EQ(Text(v, F::HeightValue), "240");
    EXPECT_EQ(Text(v, F::Preview), "(800,460)-(1119,699) 320\x81\x7E" "240");
    EXPECT_EQ(Text(v, F::LimitNote), "");
    EXPECT_EQ(Text(v, F::WidthMessage), "");
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
  ASSERT_EQ(v.desk.Forms().size(), 1u);
  const SimForm& f = v.desk.Forms()[0];
  EXPECT_EQ(f.description.caption, "VELTA-9 Mirlo viewer 位置とサイズ");
  EXPECT_EQ(f.description.fontName, "ＭＳ Ｐゴシック");
  EXPECT_EQ(f.description.fontHeight, 12);
  EXPECT_EQ(f.position, (Point{205, 130}));  // placed as the settings dialog is
  EXPECT_EQ(f.description.focusControl, F::LeftEdit);
  EXPECT_EQ(f.description.defaultControl, F::OkButton);
  EXPECT_EQ(f.description.cancelControl, F::CancelButton);
  EXPECT_EQ(f.controls.at(F::MonitorList).items,
            (std::vector<std::string>{"0: 1920\x81\x7E" "1200 (0,0)",
                                      "1: 1024\x81\x7E" "768 (-1024,0)"}));
  // Tab order follows the fields: the list, left, top, width, aspect, OK.
  std::vector<int> order;
  for (const FormControl& c : f.description.controls) {
    if (c.kind != ControlKind::Label && c.kind != ControlKind::FixedLabel) order.push_back(c.id);
  }
  EXPECT_EQ(order, (std::vector<int>{F::MonitorList, F::LeftEdit, F::TopEdit, F::WidthEdit,
                                     F::NormalRadio, F::WideRadio, F::OkButton, F::CancelButton}));
}

TEST(PlacementDialogTest, ReturnAppliesTheTypedRegionInOneMove) {
  SimViewer v = Desk();
  v.desk.whileFormOpen = [&] {
    v.desk.TypeText(F::LeftEdit, "１００");
    v.desk.TypeText(F::TopEdit, "50");
    v.desk.TypeText(F::WidthEdit, "640");
    EXPECT_EQ(Text(v, F::HeightValue), "480");
    EXPECT_EQ(Text(v, F::Preview), "(100,50)-(739,529) 640\x81\x7E" "480");
    v.desk.ClearCallLog();
    v.desk.PressReturn();
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
  EXPECT_FALSE(v.desk.Forms().back().open);
  EXPECT_EQ(StripOn(v, 0, kBig), "100,50-739,529");
  EXPECT_EQ(v.desk.WindowBounds(), (Rect{97, 47, 743, 533}));
  EXPECT_EQ(Moves(v.desk), 1);
  // As after a drag: the windowed state is the one a preset or full screen
  // starts from, and the file is not written.
  EXPECT_EQ(v.state().LastWindowed, (PresetRecord{97, 47, 640, 0, 0, 0}));
  EXPECT_FALSE(v.desk.ProfileFileExists(kIni));
}

TEST(PlacementDialogTest, OutOfRangeValuesAreLimitedAndSaySo) {
  SimViewer v = Desk();
  v.desk.whileFormOpen = [&] {
    v.desk.TypeText(F::LeftEdit, "1500");
    v.desk.TypeText(F::WidthEdit, "1024");
    EXPECT_EQ(Text(v, F::Preview), "(893,389)-(1916,1156) 1024\x81\x7E" "768");
    EXPECT_EQ(Text(v, F::LimitNote), "範囲外の値を調整しました");
    // The smaller monitor takes 800 at most.
    v.desk.ChooseItem(F::MonitorList, 1);
    EXPECT_EQ(Text(v, F::Preview), "(221,135)-(1020,734) 800\x81\x7E" "600");
    EXPECT_EQ(Text(v, F::HeightValue), "600");
    v.desk.ClickControl(F::WideRadio);
    EXPECT_EQ(Text(v, F::Preview), "(221,285)-(1020,734) 800\x81\x7E" "450");
    v.desk.ClickControl(F::OkButton);
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
  EXPECT_EQ(StripOn(v, 1, kLeft), "221,285-1020,734");
  EXPECT_EQ(v.state().MonitorIndex, 1);
  EXPECT_EQ(v.state().Aspect, 1);
  EXPECT_TRUE(v.Checked(MenuItem::N15));
}

TEST(PlacementDialogTest, TextThatIsNoNumberIsRefusedUntilMended) {
  SimViewer v = Desk();
  const Rect before = v.desk.WindowBounds();
  bool openAfterReturn = false;
  v.desk.whileFormOpen = [&] {
    v.desk.TypeText(F::LeftEdit, "10");
    v.desk.TypeText(F::WidthEdit, "abc");
    EXPECT_EQ(Text(v, F::WidthMessage), "数値を入力してください");
    EXPECT_EQ(Text(v, F::LeftMessage), "");
    EXPECT_EQ(Text(v, F::Preview), "");
    v.desk.PressReturn();
    v.desk.ClickControl(F::OkButton);
    openAfterReturn = v.desk.Forms().back().open;
    EXPECT_EQ(v.desk.WindowBounds(), before);
    v.desk.TypeText(F::TopEdit, "");
    EXPECT_EQ(Text(v, F::TopMessage), "数値を入力してください");
    v.desk.TypeText(F::WidthEdit, "640");
    v.desk.TypeText(F::TopEdit, "－５");  // limited to the top of the work area
    EXPECT_EQ(Text(v, F::WidthMessage), "");
    EXPECT_EQ(Text(v, F::TopMessage), "");
    EXPECT_EQ(Text(v, F::LimitNote), "範囲外の値を調整しました");
    v.desk.PressReturn();
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
  EXPECT_TRUE(openAfterReturn);
  EXPECT_EQ(StripOn(v, 0, kBig), "10,3-649,482");
}

TEST(PlacementDialogTest, CancelEscapeAndTheCloseBoxChangeNothing) {
  SimViewer v = Desk();
  const Rect before = v.desk.WindowBounds();
  const ViewerState state = v.state();
  for (int way = 0; way < 3; ++way) {
    v.desk.whileFormOpen = [&] {
      v.desk.TypeText(F::LeftEdit, "100");
      v.desk.ChooseItem(F::MonitorList, 1);
      if (way == 0) v.desk.ClickControl(F::CancelButton);
      if (way == 1) v.desk.PressEscape();
      // way 2: closed with its close box once this returns
    };
    v.desk.ClearCallLog();
    v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
    EXPECT_FALSE(v.desk.Forms().back().open) << way;
    EXPECT_EQ(v.desk.WindowBounds(), before) << way;
    EXPECT_EQ(Moves(v.desk), 0) << way;
    EXPECT_EQ(v.state().MonitorIndex, state.MonitorIndex) << way;
    EXPECT_EQ(v.state().RegionRect, state.RegionRect) << way;
  }
}

TEST(PlacementDialogTest, FromFullScreenItOpensWithTheRestoredWindowAndLeavesFullScreen) {
  SimViewer v = Desk();
  v.desk.ChooseMenu(Id(MenuItem::N6401));  // 640 x 480 at (797, 457), pushed up to 674 rows
  const Rect windowed = v.desk.WindowBounds();
  ASSERT_EQ(windowed, (Rect{797, 457, 1443, 943}));
  v.desk.DoubleClickLeft(10, 10);  // full screen 4:3
  ASSERT_EQ(v.state().DisplayMode, 2);
  v.desk.whileFormOpen = [&] {
    EXPECT_EQ(v.desk.ControlText(F::LeftEdit), "800");
    EXPECT_EQ(v.desk.ControlText(F::TopEdit), "460");
    EXPECT_EQ(v.desk.ControlText(F::WidthEdit), "640");
    v.desk.TypeText(F::TopEdit, "100");
    v.desk.ClearCallLog();
    v.desk.PressReturn();
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
  EXPECT_EQ(v.state().DisplayMode, 0);
  EXPECT_EQ(v.desk.GetWindowState(), WindowState::Normal);
  EXPECT_FALSE(v.desk.IsTopmost());
  EXPECT_EQ(StripOn(v, 0, kBig), "800,100-1439,579");
  EXPECT_EQ(Moves(v.desk), 1);
}

TEST(PlacementDialogTest, CtrlCCopiesTheLineOfTheRegionOnScreen) {
  SimViewer v = Desk();
  v.desk.PressKey(Key::C, kCtrl);
  EXPECT_EQ(v.desk.ClipboardText(), "monitor=0 1920x1200 x0=800 y0=460 x1=1119 y1=699 320x240");
  // To the 1024 x 768 monitor at (-1024, 0): the window keeps its desktop
  // position and is pulled back against the work area's right edge.
  v.desk.ChooseMenu(Id(MenuItem::N11));
  v.desk.PressKey(Key::C, kCtrl);
  EXPECT_EQ(v.desk.ClipboardText(), "monitor=1 1024x768 x0=701 y0=460 x1=1020 y1=699 320x240");
  v.desk.DoubleClickLeft(10, 10);
  v.desk.Release(MouseButton::Left);
  v.desk.PressKey(Key::C, kCtrl);
  EXPECT_EQ(v.desk.ClipboardText(), "monitor=1 1024x768 x0=0 y0=0 x1=1023 y1=767 1024x768");
  // Only Ctrl+C: with Shift or Alt, or alone, the key is not the viewer's.
  v.desk.SetClipboardText("kept");
  v.desk.PressKey(Key::C, KeyModifiers{true, true, false});
  v.desk.PressKey(Key::C, KeyModifiers{false, true, true});
  v.desk.PressKey(Key::C);
  EXPECT_EQ(v.desk.ClipboardText(), "kept");
  EXPECT_EQ(v.desk.KeysPassedOn(), 3);
}

TEST(PlacementDialogTest, PastingTheCopiedLineRestoresTheRegion) {
  SimViewer v = Desk();
  v.desk.ChooseMenu(Id(MenuItem::N11));
  v.desk.ChooseMenu(Id(MenuItem::N15));  // wide, on monitor 1
  v.desk.PressKey(Key::Left, KeyModifiers{true, false, false}, 5);
  const std::string strip = StripOn(v, 1, kLeft);
  v.desk.PressKey(Key::C, kCtrl);
  v.desk.ChooseMenu(Id(MenuItem::N11));   // back to monitor 0
  v.desk.ChooseMenu(Id(MenuItem::N14));   // normal
  v.desk.whileFormOpen = [&] {
    v.desk.PressFormKey(Key::V, kCtrl);
    EXPECT_EQ(v.desk.ControlSelection(F::MonitorList), 1);
    EXPECT_EQ(v.desk.ControlText(F::LeftEdit), "651");
    EXPECT_EQ(v.desk.ControlText(F::WidthEdit), "320");
    EXPECT_TRUE(v.desk.IsControlChecked(F::WideRadio));
    EXPECT_EQ(Text(v, F::PasteMessage), "");
    v.desk.PressReturn();
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
  EXPECT_EQ(strip, "651,460-970,639");
  EXPECT_EQ(StripOn(v, 1, kLeft), strip);
}

TEST(PlacementDialogTest, APastedLineFillsEveryFieldOrNone) {
  SimViewer v = Desk();
  struct Case {
    const char* line;
    const char* message;  // empty: filled
    const char* left;
    bool wide;
  } cases[] = {
      {"monitor=0 1920x1200 x0=10 y0=20 x1=649 y1=379 640x360", "", "10", true},
      {"monitor=0 1920x1200 x0=30 y0=20 x1=669 y1=499 640x480", "", "30", false},
      // 16:10, neither: the aspect stays as it was.
      {"monitor=0 1920x1200 x0=0 y0=0 x1=1919 y1=1199 1920x1200", "", "0", false},
      {"monitor=3 1024x768 x0=1 y0=2 x1=320 y1=241 320x240",
       "画面3（1024\x81\x7E" "768）はありません", "0", false},
      {"monitor=1 1280x1024 x0=1 y0=2 x1=320 y1=241 320x240",
       "画面1（1280\x81\x7E" "1024）はありません", "0", false},
      {"monitor=2 1920x1080 x0=1 y0=2 x1=320 y1=241 320x240",
       "画面2（1920\x81\x7E" "1080）はVELTA-9で使用できません", "0", false},
      {"monitor=1 1024x768 x0=1 y0=2", "貼り付けた行を読めません", "0", false},
  };
  v.desk.whileFormOpen = [&] {
    for (const Case& c : cases) {
      v.desk.SetClipboardText(c.line);
      v.desk.PressFormKey(Key::V, kCtrl);
      EXPECT_EQ(Text(v, F::PasteMessage), c.message) << c.line;
      EXPECT_EQ(v.desk.ControlText(F::LeftEdit), c.left) << c.line;
      EXPECT_EQ(v.desk.IsControlChecked(F::WideRadio), c.wide) << c.line;
      EXPECT_EQ(v.desk.ControlSelection(F::MonitorList), 0) << c.line;
    }
    // A change clears the message of the last paste.
    v.desk.TypeText(F::TopEdit, "5");
    EXPECT_EQ(Text(v, F::PasteMessage), "");
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
}

TEST(PlacementDialogTest, OtherTextIsLeftToTheFocusedField) {
  struct Paste : FormEvents {
    void OnShow() override {}
    void OnClick(int) override {}
    void OnClose() override {}
    bool OnPaste() override {
      ++pastes;
      return taken;
    }
    int pastes = 0;
    bool taken = true;
  } form;
  EXPECT_TRUE(FormKeyDown(form, Key::V, kCtrl));
  form.taken = false;
  EXPECT_FALSE(FormKeyDown(form, Key::V, kCtrl));
  EXPECT_FALSE(FormKeyDown(form, Key::V, KeyModifiers{}));
  EXPECT_FALSE(FormKeyDown(form, Key::V, KeyModifiers{true, true, false}));
  EXPECT_FALSE(FormKeyDown(form, Key::V, KeyModifiers{false, true, true}));
  EXPECT_FALSE(FormKeyDown(form, Key::C, kCtrl));
  EXPECT_EQ(form.pastes, 2);

  SimViewer v = Desk();
  v.desk.SetClipboardText("640");
  v.desk.whileFormOpen = [&] {
    v.desk.PressFormKey(Key::V, kCtrl);
    EXPECT_EQ(v.desk.ControlText(F::WidthEdit), "320");
    EXPECT_EQ(Text(v, F::PasteMessage), "");
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
}

TEST(PlacementDialogTest, ReturnPressesTheFocusedButtonElseTheDefaultOne) {
  FormDescription form{};
  EXPECT_EQ(ReturnPresses(form, 0), 0);
  EXPECT_EQ(ReturnPresses(form, 7), 7);
  form.defaultControl = 5;
  EXPECT_EQ(ReturnPresses(form, 0), 5);
  EXPECT_EQ(ReturnPresses(form, 7), 7);
}

TEST(LockTest, HoldsAgainstTheMouseAndTheKeysButNotTheMenu) {
  SimViewer v = Desk();
  v.desk.ChooseMenu(Id(MenuItem::LockPosition));
  EXPECT_TRUE(v.Checked(MenuItem::LockPosition));
  const Rect at = v.desk.WindowBounds();
  // A drag from the middle and one from the right edge.
  for (Point press : {Point{960, 580}, Point{at.right - 2, at.bottom - 2}}) {
    v.desk.MoveMouseTo(press);
    v.desk.PressAtPointer(MouseButton::Left);
    v.desk.MoveMouseTo(Point{press.x + 120, press.y + 70});
    EXPECT_EQ(v.desk.Cursor(), CursorShape::Default);
    v.desk.ReleaseAtPointer(MouseButton::Left);
  }
  v.desk.PressKey(Key::Right);
  v.desk.PressKey(Key::Down, KeyModifiers{true, false, false});
  v.desk.PressKey(Key::Right, kCtrl);
  EXPECT_EQ(v.desk.WindowBounds(), at);
  EXPECT_EQ(StripOn(v, 0, kBig), "800,460-1119,699");
  // Deliberate commands still place it.
  v.desk.ChooseMenu(Id(MenuItem::N6401));
  EXPECT_EQ(StripOn(v, 0, kBig), "800,460-1439,939");
  v.desk.DoubleClickLeft(10, 10);
  v.desk.Release(MouseButton::Left);
  EXPECT_EQ(StripOn(v, 0, kBig), "160,0-1759,1199");
  v.desk.DoubleClickLeft(10, 10);
  v.desk.Release(MouseButton::Left);
  v.desk.whileFormOpen = [&] {
    v.desk.TypeText(F::LeftEdit, "20");
    v.desk.PressReturn();
  };
  v.desk.ChooseMenu(Id(MenuItem::PositionAndSize));
  EXPECT_EQ(StripOn(v, 0, kBig), "20,460-659,939");
  // Unlocked, the keys move it again.
  v.desk.ChooseMenu(Id(MenuItem::LockPosition));
  EXPECT_FALSE(v.Checked(MenuItem::LockPosition));
  v.desk.PressKey(Key::Right);
  EXPECT_EQ(StripOn(v, 0, kBig), "21,460-660,939");
}

TEST(LockTest, StoredAsLockAndRestoredAtTheNextStart) {
  SimViewer v = Desk();
  v.desk.ChooseMenu(Id(MenuItem::LockPosition));
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  EXPECT_EQ(v.desk.ReadProfileString("SaveParameter", "Lock", "<none>", kIni), "1");
  SimViewer next({MakeMonitor(0, 0, 1920, 1200, 40)});
  next.desk.SetProfileFileText(kIni, v.desk.ProfileFileText(kIni));
  next.form.Create();
  EXPECT_TRUE(next.Checked(MenuItem::LockPosition));
  next.desk.PressKey(Key::Left);
  EXPECT_EQ(next.desk.WindowBounds(), (Rect{797, 457, 1123, 703}));
}

TEST(LockTest, ReadLenientlyLikeTheOtherIntegers) {
  struct Case {
    const char* file;
    bool locked;
    const char* written;
  } cases[] = {
      {"", false, "0"},
      {"[SaveParameter]\r\nLock=1\r\n", true, "1"},
      {"[SaveParameter]\r\nLock=-1\r\n", true, "1"},
      {"[SaveParameter]\r\nLock=2\r\n", true, "1"},
      {"[SaveParameter]\r\nLock= 1\r\n", true, "1"},
      {"[SaveParameter]\r\nLock=0x1\r\n", true, "1"},
      {"[saveparameter]\r\nLOCK=1\r\n", true, "1"},
      {"[SaveParameter]\r\nLock=0\r\n", false, "0"},
      {"[SaveParameter]\r\nLock=yes\r\n", false, "0"},
      {"[SaveParameter]\r\nLock=1a\r\n", false, "0"},
      {"[SaveParameter]\r\nLock=\r\n", false, "0"},
      {"[TempParameter]\r\nLock=1\r\n", false, "0"},
  };
  for (const Case& c : cases) {
    SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
    v.desk.SetProfileFileText(kIni, c.file);
    v.form.LoadSettings();
    EXPECT_EQ(v.state().PositionLocked, c.locked) << c.file;
    v.form.SaveSettings();
    EXPECT_EQ(v.desk.ReadProfileString("SaveParameter", "Lock", "<none>", kIni), c.written)
        << c.file;
  }
}

}  // namespace
}  // namespace mirlo
