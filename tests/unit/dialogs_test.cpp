// The settings dialog, the display-information and version boxes and help,
// driven as a user drives them.

#include <gtest/gtest.h>

#include "dialogs/information_form.h"
#include "settings/pref_form.h"
#include "sim_viewer.h"

namespace mirlo {
namespace {

const char kIni[] = "C:\\Tools\\MirloViewer\\veltmirl.ini";

std::string Read(SimViewer& v, const char* section, const char* key) {
  return v.desk.ReadProfileString(section, key, "<none>", kIni);
}

const SimControl& Closed(SimViewer& v, int id) { return v.desk.Forms().back().controls.at(id); }

TEST(InformationBoxTest, ShowsTheNumbersOfTheStrip) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.state().WindowLeft = 100;
  v.state().WindowTop = 50;
  v.Run([&] { v.form.UpdateBounds(); });
  v.desk.ChooseMenu(Id(MenuItem::N12));
  ASSERT_EQ(v.desk.Forms().size(), 1u);
  EXPECT_EQ(Closed(v, TInformationForm::LabelSize).text, "320\x81\x7E" "240");
  EXPECT_EQ(Closed(v, TInformationForm::LabelPosition).text, "(103,53)-(422,292)");
  const SimForm& box = v.desk.Forms()[0];
  EXPECT_EQ(box.description.caption, "VELTA-9 Mirlo Viewer");
  EXPECT_TRUE(box.description.scaleWithDpi);
  // Centred on the viewer window: outer 280 x 121 (client 274 x 95 with the
  // simulated frame), so 100 + (326 - 280) / 2 and 50 + (246 - 121) / 2.
  EXPECT_EQ(box.position, (Point{123, 112}));

  v.desk.DoubleClickLeft(10, 10);  // full screen 4:3
  v.desk.whileFormOpen = [&] { v.desk.ClickControl(TInformationForm::Button1); };
  v.desk.ChooseMenu(Id(MenuItem::N12));
  EXPECT_EQ(Closed(v, TInformationForm::LabelSize).text, "1600\x81\x7E" "1200");
  EXPECT_EQ(Closed(v, TInformationForm::LabelPosition).text, "(160,0)-(1759,1199)");
  EXPECT_FALSE(v.desk.Forms().back().open);
}

TEST(InformationBoxTest, EscapeClosesBothBoxesButNotTheSettingsDialog) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  bool openAfterEscape = false;
  v.desk.whileFormOpen = [&] {
    v.desk.PressEscape();
    openAfterEscape = v.desk.Forms().back().open;
  };
  v.desk.ChooseMenu(Id(MenuItem::N12));
  EXPECT_FALSE(openAfterEscape);
  v.desk.ChooseMenu(Id(MenuItem::VersionInfo));
  EXPECT_FALSE(openAfterEscape);
  v.desk.ChooseMenu(Id(MenuItem::N1));  // closed only by its close box
  EXPECT_TRUE(openAfterEscape);
}

TEST(InformationBoxTest, ABoxScaledForTheSystemStaysWholeOnTheWorkArea) {
  // At 144 pixels per inch the information box is 417 x 168 outside (274 x 95
  // inside, scaled), wider than the viewer standing at the work area's left
  // edge: centring alone would put it at (326 - 417) / 2 = -45.
  SimViewer v({MakeMonitor(0, 0, 1024, 768, 30)});
  v.desk.SetFormDpi(144);
  v.form.Create();
  v.state().WindowLeft = 0;
  v.state().WindowTop = 700;  // pulled up to 738 - 246 = 492
  v.Run([&] { v.form.UpdateBounds(); });
  v.desk.ChooseMenu(Id(MenuItem::N12));
  v.desk.ChooseMenu(Id(MenuItem::VersionInfo));  // never scaled: plainly centred
  ASSERT_EQ(v.desk.Forms().size(), 2u);
  EXPECT_EQ(v.desk.Forms()[0].position, (Point{0, 492 + (246 - 168) / 2}));
  EXPECT_EQ(v.desk.Forms()[1].position, (Point{(326 - 230) / 2, 492 + (246 - 153) / 2}));
}

TEST(InformationBoxTest, NegativeNumbersKeepTheirSign) {
  RegionRecord empty{0, -1, 0, -1, 0, 0};
  EXPECT_EQ(RegionPositionText(empty), "(0,0)-(-1,-1)");
}

TEST(HelpTest, OpensTheHelpFileBesideTheProgramEachTime) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.ChooseMenu(Id(MenuItem::HtmlHelp));
  v.desk.ChooseMenu(Id(MenuItem::HtmlHelp));
  EXPECT_EQ(v.desk.HelpRequests(),
            (std::vector<std::string>(2, "C:\\Tools\\MirloViewer\\MirloViewerHelp.chm")));
  v.desk.ChooseMenu(Id(MenuItem::VersionInfo));
  ASSERT_EQ(v.desk.Forms().size(), 1u);
  EXPECT_FALSE(v.desk.Forms()[0].description.scaleWithDpi);
}

TEST(SettingsDialogTest, OpensWithTheStoredChoicesAndSavesOnClosing) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.whileFormOpen = [&] {
    EXPECT_TRUE(v.desk.IsControlChecked(TPrefForm::RadioButton1 + 4));  // 320（ノーマル）
    EXPECT_FALSE(v.desk.IsControlChecked(TPrefForm::CheckBox1));
    EXPECT_FALSE(v.desk.IsControlChecked(TPrefForm::CheckBox2));
    v.desk.ClickControl(TPrefForm::RadioButton1 + 9);   // 1024（ワイド）
    v.desk.ClickControl(TPrefForm::RadioButton1 + 6);   // 640（ノーマル）
    v.desk.ClickControl(TPrefForm::CheckBox1);
  };
  v.desk.ChooseMenu(Id(MenuItem::N1));
  EXPECT_EQ(Closed(v, TPrefForm::Pre1Label).text, "幅:320,アスペクト:ノーマル,画面:0");
  EXPECT_FALSE(Closed(v, TPrefForm::RadioButton1 + 9).checked);
  EXPECT_EQ(Read(v, "SaveParameter", "Size"), "6");
  EXPECT_EQ(Read(v, "SaveParameter", "Current"), "1");
  EXPECT_EQ(v.desk.Forms()[0].description.caption, "VELTA-9 Mirlo viewer 設定");
  EXPECT_EQ(v.desk.Forms()[0].position, (Point{205, 130}));
}

TEST(SettingsDialogTest, CapturesTheWindowedStateIntoAPreset) {
  SimViewer v({MakeMonitor(0, 0, 1024, 768, 30), MakeMonitor(1024, 0, 1920, 1200, 40)});
  v.form.Create();
  v.state().MonitorIndex = 1;
  v.state().WindowLeft = 1124;
  v.state().WindowTop = 200;
  v.desk.ChooseMenu(Id(MenuItem::N6401));
  v.desk.whileFormOpen = [&] { v.desk.ClickControl(TPrefForm::Pre2SetButton); };
  v.desk.ChooseMenu(Id(MenuItem::N1));
  EXPECT_EQ(v.state().Presets[1], (PresetRecord{1124, 200, 640, 0, 1, 0}));
  EXPECT_EQ(Closed(v, TPrefForm::Pre2Label).text, "幅:640,アスペクト:ノーマル,画面:1");
  EXPECT_EQ(Read(v, "Pre2Parameter", "X"), "1124");
  // Wide viewer, and an odd stored aspect, read as wide.
  v.desk.ChooseMenu(Id(MenuItem::N15));
  v.state().Presets[2].aspect = 2;
  v.desk.whileFormOpen = [&] { v.desk.ClickControl(TPrefForm::Pre1SetButton); };
  v.desk.ChooseMenu(Id(MenuItem::N1));
  EXPECT_EQ(Closed(v, TPrefForm::Pre1Label).text, "幅:640,アスペクト:ワイド,画面:1");
  EXPECT_EQ(Closed(v, TPrefForm::Pre3Label).text, "幅:320,アスペクト:ワイド,画面:0");
  // The dialog keeps its offset on the viewer's monitor.
  EXPECT_EQ(v.desk.Forms().back().position, (Point{1024 + 205, 130}));
}

TEST(SettingsDialogTest, PresetButtonsAreDisabledInFullScreen) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.ChooseMenu(Id(MenuItem::N4));
  const PresetRecord before = v.state().Presets[0];
  v.desk.whileFormOpen = [&] {
    v.desk.ClickControl(TPrefForm::Pre1SetButton);
    v.desk.ClickControl(TPrefForm::RadioButton1 + 1);
  };
  v.desk.ChooseMenu(Id(MenuItem::N1));
  EXPECT_FALSE(Closed(v, TPrefForm::Pre1SetButton).enabled);
  EXPECT_EQ(v.state().Presets[0].width, before.width);
  EXPECT_EQ(v.state().StartupSize, 1);
}

TEST(SettingsDialogTest, AlwaysOnTopActsAtTheNextStartOnly) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.desk.SetProfileFileText(kIni, "[SaveParameter]\r\nSize=99\r\nFront=1\r\n");
  v.form.Create();
  ASSERT_TRUE(v.desk.IsTopmost());
  v.desk.whileFormOpen = [&] {
    for (int n = 0; n < TPrefForm::kRadioButtons; ++n) {
      EXPECT_FALSE(v.desk.IsControlChecked(TPrefForm::RadioButton1 + n)) << n;
    }
    v.desk.ClickControl(TPrefForm::CheckBox2);
  };
  v.desk.ChooseMenu(Id(MenuItem::N1));
  EXPECT_TRUE(v.desk.IsTopmost());
  EXPECT_TRUE(v.Checked(MenuItem::N7));
  EXPECT_EQ(Read(v, "SaveParameter", "Front"), "0");
  EXPECT_EQ(Read(v, "SaveParameter", "Size"), "99");
}

TEST(SettingsDialogTest, DesignedPlaceOnAnotherMonitorIsKeptInsideTheViewersMonitor) {
  const MonitorTable desk{{Rect{0, 0, 1920, 1200}, Rect{0, 0, 1920, 1200}},
                          {Rect{-800, 0, 0, 600}, Rect{-800, 0, 0, 600}}};
  const Rect viewer{-700, 100, -700 + 326, 100 + 246};
  EXPECT_EQ(PlacePrefForm(desk, viewer, 357, 355), (Point{-800 + 205, 130}));
  // Moved left and up until it ends at the monitor's edges.
  EXPECT_EQ(PlacePrefForm(desk, viewer, 700, 500), (Point{0 - 700, 600 - 500}));
  EXPECT_EQ(PlacePrefForm(desk, Rect{300, 100, 626, 346}, 357, 355), (Point{205, 130}));
}

TEST(SettingsDialogTest, ClosingTheViewerFromOutsideKeepsTheChoicesMade) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.whileFormOpen = [&] {
    v.desk.ClickControl(TPrefForm::CheckBox1);
    v.desk.ClickControl(TPrefForm::CheckBox2);
    v.desk.ClickControl(TPrefForm::RadioButton1 + 6);
    v.desk.DestroyViewerFromOutside();
  };
  v.desk.ChooseMenu(Id(MenuItem::N1));
  EXPECT_EQ(Read(v, "SaveParameter", "Current"), "1");
  EXPECT_EQ(Read(v, "SaveParameter", "Front"), "1");
  EXPECT_EQ(Read(v, "SaveParameter", "Size"), "6");
  EXPECT_TRUE(v.desk.QuitRequested());
}

TEST(SettingsDialogTest, RefusedSaveIsReportedAfterTheDialogHasGone) {
  SimViewer v({MakeMonitor(0, 0, 1920, 1200, 40)});
  v.form.Create();
  v.desk.SetReadOnly(kIni, true);
  v.desk.whileFormOpen = [&] { v.desk.ClickControl(TPrefForm::CheckBox1); };
  v.desk.ChooseMenu(Id(MenuItem::N1));
  ASSERT_EQ(v.desk.MessageBoxes().size(), 1u);
  EXPECT_EQ(v.desk.MessageBoxes()[0].text, std::string(kIni) + " に書き込めません.");
  EXPECT_FALSE(v.desk.Forms().back().open);
  EXPECT_TRUE(v.state().RememberOnExit);
}

}  // namespace
}  // namespace mirlo
