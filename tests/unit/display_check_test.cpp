// "表示の確認": the strip the device reads from the screen, or why it reads
// none, in the box's exact words; and the item as a user chooses it.

#include <functional>

#include <gtest/gtest.h>

#include "canvas.h"
#include "dialogs/display_check_text.h"
#include "sim_viewer.h"
#include "test_desk.h"

namespace mirlo {
namespace {

using stripread::kBlack;
using stripread::kMagenta;
using testutil::TestDesk;

// The default viewer on a 1920x1200 monitor: region 800,460 320x240.
void Default(TestDesk& t) { t.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240); }

// A viewer whose region the system shows 480x360 at 1200,690 without a
// readable strip.
void Blurred(TestDesk& t) {
  t.Monitor(0, 0, 1920, 1200);
  testutil::Fill(t.Shot(0).image, 1200, 690, 480, 360, kMagenta);
  t.desk().viewer.found = true;
  t.desk().viewer.rect = {1195, 685, 1685, 1055};
}

// A strip drawn at x,y on its own that announces x0,y0-x1,y1 with the right
// checksum, over a magenta area of w x h.
void Announcing(TestDesk& t, int x, int y, int w, int h, int x0, int y0, int x1, int y1) {
  stripread::Image& img = t.Shot(0).image;
  testutil::Fill(img, x, y, w, h, kMagenta);
  testutil::DrawCells(img, x, y,
                      testutil::EncodeCells('A', x0, y0, x1, y1, testutil::ExpectedChecksum(x0, y0, x1, y1)));
}

const char kNone[] = "VELTA-9 が読み取れるストリップはありません。";
const char kUnusableToDo[] = "\n→ VELTA-9 をつなぐモニターは、使用できる 10 種類の解像度のどれかにしてください。";
const char kCoveredToDo[] = "\n→ そのウィンドウをどけるか、表示 → 常に最前面 か全画面表示を使ってください。";
const char kAreaToDo[] = "\n→ 描画領域に重なっているもの（ほかのウィンドウ、画面に色を重ねるアプリなど）をどけてください。";
const char kScaledToDo[] =
    "\n→ MirloViewer.exe のプロパティ → 互換性 → 高 DPI 設定の変更 で、DPI スケールの上書きをやめてください。";
const char kStripAt800[] =
    "先頭の文字 A（動作中）、描画領域の位置 (800,460)-(1119,699)、サイズ 320×240";

struct Case {
  const char* name;
  std::function<void(TestDesk&)> make;
  std::string text;
  unsigned flags;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Wording : public ::testing::TestWithParam<Case> {};

TEST_P(Wording, EveryVerdictInTheBoxsWords) {
  TestDesk t;
  GetParam().make(t);
  const stripcheck::Diagnosis d = stripcheck::Diagnose(t.desk());
  EXPECT_EQ(DisplayCheckText(t.desk(), d).Bytes(), GetParam().text);
  EXPECT_EQ(DisplayCheckFlags(d), GetParam().flags);
}

const unsigned kInformation = 0x40, kWarning = 0x30;

INSTANTIATE_TEST_SUITE_P(
    Desks, Wording,
    ::testing::Values(
        Case{"OneStrip", Default,
             std::string("VELTA-9 はモニター 0 のストリップを読み取れます。\n\nモニター 0（1920×1200）: ") +
                 kStripAt800,
             kInformation},
        Case{"ClosingStrip",
             [](TestDesk& t) {
               Default(t);
               testutil::DrawCells(t.Shot(0).image, 800, 460, "01010011");
             },
             "VELTA-9 はモニター 0 のストリップを読み取れます。\n\nモニター 0（1920×1200）: 先頭の文字 "
             "S（終了中）、描画領域の位置 (800,460)-(1119,699)、サイズ 320×240",
             kInformation},
        Case{"UnusableMonitorBesideTheStrip",
             [](TestDesk& t) {
               t.Monitor(0, 0, 1920, 1080).Monitor(1920, 0, 1024, 768).Viewer(1, 352, 249, 320, 240);
             },
             std::string("VELTA-9 はモニター 1 のストリップを読み取れます。\n\nモニター 0（1920×1080）: "
                         "VELTA-9 はこのモニターの解像度を使えません。") +
                 kUnusableToDo +
                 "\n\nモニター 1（1024×768）: 先頭の文字 A（動作中）、描画領域の位置 "
                 "(352,249)-(671,488)、サイズ 320×240",
             kInformation},
        Case{"StripOnAnUnusableMonitor",
             [](TestDesk& t) { t.Monitor(0, 0, 1920, 1080).Viewer(0, 800, 420, 320, 240); },
             std::string(kNone) +
                 "\n\nモニター 0（1920×1080）: ストリップはありますが、VELTA-9 はこのモニターの解像度を"
                 "使えません。" +
                 kUnusableToDo,
             kWarning},
        Case{"WindowOverTheRowPastTheStrip",
             [](TestDesk& t) {
               Default(t);
               t.Above(1000, 450, 80, 20, "cover");
             },
             std::string(kNone) +
                 "\n\nモニター 0（1920×1200）: ほかのウィンドウ「cover」がストリップの行に重なっています。" +
                 kCoveredToDo,
             kWarning},
        Case{"WindowOverTheStripItself",
             [](TestDesk& t) {
               Default(t);
               t.Above(780, 440, 60, 30, "[Notepad]");
             },
             std::string(kNone) +
                 "\n\nモニター 0（1920×1200）: ほかのウィンドウ「[Notepad]」がストリップの行に重なって"
                 "います。" +
                 kCoveredToDo,
             kWarning},
        Case{"PixelInsideNotMagenta",
             [](TestDesk& t) {
               Default(t);
               testutil::Set(t.Shot(0).image, 900, 600, 0x12AB5F);
             },
             std::string(kNone) +
                 "\n\nモニター 0（1920×1200）: 描画領域の中の (900,600) が #12AB5F で、マゼンタでは"
                 "ありません。" +
                 kAreaToDo,
             kWarning},
        Case{"WindowInsideTheRegion",
             [](TestDesk& t) {
               Default(t);
               t.Above(850, 550, 100, 50, "Mail");
             },
             std::string(kNone) +
                 "\n\nモニター 0（1920×1200）: 描画領域の中の (850,550) が #606060 で、マゼンタでは"
                 "ありません。ウィンドウ「Mail」が重なっています。" +
                 kAreaToDo,
             kWarning},
        Case{"MagentaPastTheRightEdge",
             [](TestDesk& t) {
               Default(t);
               testutil::Set(t.Shot(0).image, 1120, 500, kMagenta);
             },
             std::string(kNone) + "\n\nモニター 0（1920×1200）: 描画領域のすぐ外の (1120,500) もマゼンタです。" +
                 kAreaToDo,
             kWarning},
        Case{"StripBesideTheCornerItAnnounces",
             [](TestDesk& t) {
               t.Monitor(0, 0, 800, 600);
               Announcing(t, 99, 50, 641, 480, 100, 50, 739, 529);
             },
             std::string(kNone) +
                 "\n\nモニター 0（800×600）: ストリップが (99,50) にあり、ストリップが示す描画領域の左上 "
                 "(100,50) と合いません。" +
                 kAreaToDo,
             kWarning},
        Case{"AnnouncedRectangleNarrowerThanTheStrip",
             [](TestDesk& t) {
               t.Monitor(0, 0, 800, 600);
               Announcing(t, 100, 50, 160, 100, 100, 50, 200, 149);
             },
             std::string(kNone) +
                 "\n\nモニター 0（800×600）: ストリップが示す描画領域が小さすぎて、ストリップが収まりません。" +
                 kAreaToDo,
             kWarning},
        Case{"AnnouncedRectanglePastTheMonitor",
             [](TestDesk& t) {
               t.Monitor(0, 0, 800, 600);
               Announcing(t, 100, 50, 640, 550, 100, 50, 739, 700);
             },
             std::string(kNone) +
                 "\n\nモニター 0（800×600）: ストリップが示す描画領域が、モニターからはみ出しています。" +
                 kAreaToDo,
             kWarning},
        Case{"WrongChecksum",
             [](TestDesk& t) {
               t.Monitor(0, 0, 800, 600);
               testutil::DrawRegion(t.Shot(0).image, 'A', 100, 50, 739, 529);
               testutil::DrawCells(t.Shot(0).image, 100 + 136, 50, "10000000");
             },
             std::string(kNone) +
                 "\n\nモニター 0（800×600）: ストリップのチェックサム 128 が、書かれている座標から求めた "
                 "142 と合いません。\n→ ストリップに重なっているもの（通知、ほかのアプリの表示など）を"
                 "どけてください。",
             kWarning},
        Case{"StretchedStripInThePicture",
             [](TestDesk& t) {
               Blurred(t);
               testutil::DrawCells(t.Shot(0).image, 1200, 690,
                                   testutil::EncodeCells('A', 800, 460, 1119, 699, 16), 3, 3);
             },
             std::string(kNone) +
                 "\n\nモニター 0（1920×1200）: 表示の拡大縮小で、ビューアが 150% に引き伸ばされて"
                 "います。" +
                 kScaledToDo,
             kWarning},
        Case{"StretchedByTheDpiSetting",
             [](TestDesk& t) {
               Blurred(t);
               t.Dpi(96, 120);
             },
             std::string(kNone) +
                 "\n\nモニター 0（1920×1200）: 表示の拡大縮小で、ビューアが 125% に引き伸ばされて"
                 "います。" +
                 kScaledToDo,
             kWarning},
        Case{"UnreadableStripOnTheViewersMonitor",
             [](TestDesk& t) {
               Default(t);
               testutil::Set(t.Shot(0).image, 800, 460, kMagenta);
             },
             std::string(kNone) +
                 "\n\nモニター 0（1920×1200）: ビューアはこのモニターにありますが、ストリップを読み取れ"
                 "ません。\n→ ストリップに重なっているものや、画面を拡大するツールがないか確かめてください。",
             kWarning},
        Case{"NoStripWhereTheViewerIsNot",
             [](TestDesk& t) {
               Default(t);
               t.Monitor(1920, 0, 1280, 1024);
             },
             std::string("VELTA-9 はモニター 0 のストリップを読み取れます。\n\nモニター 0（1920×1200）: ") +
                 kStripAt800 +
                 "\n\nモニター 1（1280×1024）: ストリップはありません。ビューアはモニター 0 にあります。"
                 "\n→ VELTA-9 をこのモニターにつないでいるときは、表示 → モニタ間移動 でビューアを"
                 "移してください。",
             kInformation},
        Case{"NoViewerWindow", [](TestDesk& t) { t.Monitor(0, 0, 1024, 768); },
             std::string(kNone) +
                 "\n\nモニター 0（1024×768）: ストリップはありません。ビューアのウィンドウが見つかりません。"
                 "\n→ MirloViewer を起動し直してください。",
             kWarning},
        Case{"ViewerOnNoMonitor",
             [](TestDesk& t) {
               t.Monitor(0, 0, 1024, 768);
               t.desk().viewer.found = true;
               t.desk().viewer.rect = {5000, 5000, 5326, 5246};
             },
             std::string(kNone) +
                 "\n\nモニター 0（1024×768）: ストリップはありません。ビューアがどのモニターにもありません。"
                 "\n→ 表示 → モニタ間移動 で、ビューアをモニターの上に戻してください。",
             kWarning},
        Case{"TwoStrips",
             [](TestDesk& t) {
               Default(t);
               testutil::DrawRegion(t.Shot(0).image, 'A', 100, 100, 419, 339);
             },
             std::string("VELTA-9 が読み取れるストリップが 2 個あります。VELTA-9 が使えるのは 1 個だけです。"
                         "\n→ ストリップを映しているほかのウィンドウ（画面の共有、録画、リモート デスクトップ"
                         "など）を閉じてください。\n\nモニター 0（1920×1200）: 先頭の文字 A（動作中）、"
                         "描画領域の位置 (100,100)-(419,339)、サイズ 320×240\n\nモニター 0（1920×1200）: ") +
                 kStripAt800,
             kWarning}),
    [](const auto& info) { return std::string(info.param.name); });

// Titles keep the characters the window system gave, in their own encoding,
// and a long one is cut to 60 characters.
TEST(Wording, WindowTitlesInTheirOwnCharacters) {
  std::string title = u8"メモ帳";
  for (int i = 0; i < 60; ++i) title += u8"あ";
  TestDesk t;
  Default(t);
  t.Above(1000, 450, 80, 20, title);
  const UserText text = DisplayCheckText(t.desk(), stripcheck::Diagnose(t.desk()));
  std::string utf8;
  for (const UserText::Piece& p : text.pieces) {
    if (p.encoding == UserText::Encoding::Utf8) utf8 += p.bytes;
  }
  std::string cut = u8"メモ帳";
  for (int i = 0; i < 57; ++i) cut += u8"あ";
  EXPECT_EQ(utf8, cut);
  EXPECT_EQ(text.Bytes(), std::string(kNone) + "\n\nモニター 0（1920×1200）: ほかのウィンドウ「" + cut +
                              "」がストリップの行に重なっています。" + kCoveredToDo);
}

const SimMessageBox& OnlyBox(const SimViewer& v) {
  EXPECT_EQ(v.desk.MessageBoxes().size(), 1u);
  return v.desk.MessageBoxes().back();
}

TEST(DisplayCheckTest, TheBoxNamesTheStripTheScreenShows) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.ClearCallLog();
  v.desk.ChooseMenu(Id(MenuItem::DisplayCheck));
  const SimMessageBox& box = OnlyBox(v);
  EXPECT_EQ(box.caption, "表示の確認");
  EXPECT_EQ(box.flags, kInformation);
  EXPECT_EQ(box.text,
            std::string("VELTA-9 はモニター 0 のストリップを読み取れます。\n\nモニター 0（1920×1200）: ") +
                kStripAt800);
  // Reading and telling change nothing on the screen.
  EXPECT_EQ(v.desk.CallLog(), (std::vector<std::string>{"readscreen", "messagebox"}));
}

TEST(DisplayCheckTest, TheScreenIsReadOnceItShowsWhatTheHandlerDecided) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.Run([&] {
    v.form.N6401Click();
    v.form.DisplayCheckClick();
  });
  EXPECT_EQ(OnlyBox(v).text,
            "VELTA-9 はモニター 0 のストリップを読み取れます。\n\nモニター 0（1920×1200）: 先頭の文字 "
            "A（動作中）、描画領域の位置 (800,460)-(1439,939)、サイズ 640×480");
}

TEST(DisplayCheckTest, AWindowInFrontIsNamedInItsOwnCharacters) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.PlaceWindowInFront(Rect{1000, 450, 1080, 470}, u8"メモ帳", 0x606060);
  v.desk.PlaceWindowInFront(Rect{0, 0, 100, 100}, "far off", 0x606060);  // not over the viewer
  v.desk.ChooseMenu(Id(MenuItem::DisplayCheck));
  const SimMessageBox& box = OnlyBox(v);
  EXPECT_EQ(box.flags, kWarning);
  ASSERT_EQ(box.pieces.pieces.size(), 3u);
  EXPECT_EQ(box.pieces.pieces[0].bytes,
            std::string(kNone) + "\n\nモニター 0（1920×1200）: ほかのウィンドウ「");
  EXPECT_EQ(box.pieces.pieces[1].encoding, UserText::Encoding::Utf8);
  EXPECT_EQ(box.pieces.pieces[1].bytes, u8"メモ帳");
  EXPECT_EQ(box.pieces.pieces[2].bytes,
            std::string("」がストリップの行に重なっています。") + kCoveredToDo);
}

TEST(DisplayCheckTest, AMonitorTheDeviceCannotUseIsNamedWithItsResolution) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1080, 40), MakeMonitor(1920, 0, 1024, 768, 30)});
  v.form.Create();
  v.desk.ChooseMenu(Id(MenuItem::DisplayCheck));
  // The viewer stands centred on the second monitor's work area: 1920 +
  // (1024 - 326) / 2 = 2269, (738 - 246) / 2 = 246.
  EXPECT_EQ(OnlyBox(v).text,
            std::string("VELTA-9 はモニター 1 のストリップを読み取れます。\n\nモニター 0（1920×1080）: "
                        "VELTA-9 はこのモニターの解像度を使えません。") +
                kUnusableToDo +
                "\n\nモニター 1（1024×768）: 先頭の文字 A（動作中）、描画領域の位置 (352,249)-(671,488)、"
                "サイズ 320×240");
}

TEST(DisplayCheckTest, AScreenThatCannotBeReadIsAnError) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.FailScreenReads();
  v.desk.ChooseMenu(Id(MenuItem::DisplayCheck));
  const SimMessageBox& box = OnlyBox(v);
  EXPECT_EQ(box.caption, "MirloViewer");
  EXPECT_EQ(box.flags, 0x10u);
  EXPECT_EQ(box.text, "画面を読み取れません.");
}

}  // namespace
}  // namespace mirlo
