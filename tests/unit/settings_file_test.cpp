// The settings file: what a load makes of it and what a save writes back,
// through a store that behaves like the window system's.

#include <gtest/gtest.h>

#include <climits>

#include "platform/program_files.h"
#include "settings/profile_values.h"
#include "sim_viewer.h"

namespace mirlo {
namespace {

const char kIni[] = "C:\\Tools\\MirloViewer\\veltmirl.ini";

SimViewer OneMonitor() { return SimViewer({MakeMonitor(0, 0, 1920, 1200, 40)}); }

TEST(ProfileValuesTest, IntegersAreReadLeniently) {
  struct Case {
    const char* text;
    int32_t expected;
  };
  const int32_t d = -77;  // the key's default
  const Case cases[] = {
      {"640", 640},        {"-8", -8},          {"+5", 5},          {" 800", 800},
      {"0x280", 640},      {"0X280", 640},      {"$280", 640},      {"x1F", 31},
      {"X1f", 31},         {"0x000000010", 16}, {"0xFFFFFFFF", -1}, {"$80000000", INT_MIN},
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
      {"abc", d},          {"", d},             {"12x", d},         {"2147483648", d},
      {"-2147483649", d},  {"0x100000000", d},  {"0x", d},          {"$", d},
      {"-", d},            {"-0x10", d},        {"yes", d},         {"1 2", d},
      {"99999999999999999999", d},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseProfileInteger(c.text, d), c.expected) << '"' << c.text << '"';
  }
}

// The program's path comes from the wide API as UTF-8, so folder names of
// every system code page, and names no ANSI code page can write, cut right.
TEST(ProgramPathTest, TheFolderIsCutAfterTheLastSeparatorWhateverTheFolderName) {
  const std::string longFolder = u8"C:\\" + std::string(120, 'a') + u8"\\" + std::string(130, 'b') + u8"\\";
  struct Case {
    std::string path, folder;
  };
  const Case cases[] = {
      {u8"C:\\Tools\\MirloViewer.exe", u8"C:\\Tools\\"},
      {u8"C:\\Giochi\\Utilità\\MirloViewer.exe", u8"C:\\Giochi\\Utilità\\"},  // 1252
      {u8"C:\\Игры\\MirloViewer.exe", u8"C:\\Игры\\"},                             // 1251
      {u8"C:\\工具\\MirloViewer.exe", u8"C:\\工具\\"},                             // 950
      // In Shift-JIS both ソ and 表 end in the byte of the backslash.
      {u8"C:\\ソフト\\表\\MirloViewer.exe", u8"C:\\ソフト\\表\\"},             // 932
      {u8"D:\\Spiele 🎮\\MirloViewer.exe", u8"D:\\Spiele 🎮\\"},  // no ANSI code page
      {longFolder + "MirloViewer.exe", longFolder},                     // past 259 characters
      {u8"\\\\server\\share\\MirloViewer.exe", u8"\\\\server\\share\\"},
      {"C:MirloViewer.exe", "C:"},
      {"viewer.exe", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgramDirectory(c.path), c.folder) << c.path;
}

TEST(ProgramPathTest, SettingsAndHelpLieBesideTheProgramInAFolderOfAnyName) {
  // (Names outside the execution character set stay out of the macros,
  // which spell their arguments out.)
  const std::string folder = u8"D:\\Spiele 🎮\\Mirlo\\";
  SimViewer v = OneMonitor();
  v.desk.SetModuleFileName(folder + "MirloViewer.exe");
  v.form.Create();
  v.form.SaveSettings();
  EXPECT_TRUE(v.desk.ProfileFileExists(folder + "veltmirl.ini"));
  v.desk.ChooseMenu(Id(MenuItem::HtmlHelp));
  ASSERT_EQ(v.desk.HelpRequests().size(), 1u);
  EXPECT_EQ(v.desk.HelpRequests()[0], folder + "MirloViewerHelp.chm");
}

TEST(ProgramPathTest, TheWriteErrorNamesThePathInItsOwnEncoding) {
  SimViewer v = OneMonitor();
  v.desk.SetModuleFileName(u8"C:\\Игры\\MirloViewer.exe");
  v.form.Create();
  v.desk.SetReadOnly(u8"C:\\Игры\\veltmirl.ini", true);
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  ASSERT_EQ(v.desk.MessageBoxes().size(), 1u);
  const UserText& text = v.desk.MessageBoxes()[0].pieces;
  ASSERT_EQ(text.pieces.size(), 3u);
  EXPECT_EQ(text.pieces[0].encoding, UserText::Encoding::Utf8);
  const std::string ini = u8"C:\\Игры\\veltmirl.ini";
  EXPECT_EQ(text.pieces[0].bytes, ini);
  EXPECT_EQ(text.pieces[1].encoding, UserText::Encoding::ShiftJis);
  EXPECT_EQ(text.pieces[1].bytes, " に書き込めません");
  EXPECT_EQ(text.pieces[2].bytes, ".");
}

TEST(SettingsFileTest, NoFileGivesTheDefaults) {
  SimViewer v = OneMonitor();
  v.state().DefaultMonitor = 2;
  v.state().StartupSize = 9;
  v.state().RegionWidth = 999;
  v.form.LoadSettings();
  const ViewerState& s = v.state();
  EXPECT_EQ(s.StartupSize, 4);
  EXPECT_FALSE(s.RememberOnExit);
  EXPECT_FALSE(s.AlwaysOnTop);
  EXPECT_EQ(s.DisplayMode, 0);
  EXPECT_EQ(s.RegionWidth, 320);
  EXPECT_EQ(s.Aspect, 0);
  EXPECT_EQ(s.WindowLeft, 0);
  EXPECT_EQ(s.WindowTop, 0);
  EXPECT_EQ(s.MonitorIndex, 2);
  const PresetRecord fresh{0, 0, 320, 0, 2, 0};
  for (const PresetRecord& p : {s.LastWindowed, s.Presets[0], s.Presets[1], s.Presets[2]}) {
    EXPECT_EQ(p, fresh);
  }
}

TEST(SettingsFileTest, FirstSaveCreatesAllKeysInOrder) {
  SimViewer v = OneMonitor();
  v.state().DefaultMonitor = 1;
  v.form.LoadSettings();
  v.state().Presets[2].width = 1440;
  v.state().AlwaysOnTop = true;
  v.form.SaveSettings();
  std::string expected =
      "[SaveParameter]\r\nSize=4\r\nCurrent=0\r\nFront=1\r\n"
      "Full=0\r\nWidth=320\r\nAspect=0\r\nX=0\r\nY=0\r\nScrIdx=1\r\n"
      // Written last of all, into the section it belongs to.
      "Lock=0\r\n";
  for (const char* section : {"TempParameter", "Pre1Parameter", "Pre2Parameter", "Pre3Parameter"}) {
    const std::string width = std::string(section) == "Pre3Parameter" ? "1440" : "320";
    expected += std::string("[") + section + "]\r\nFull=0\r\nWidth=" + width +
                "\r\nAspect=0\r\nX=0\r\nY=0\r\nScrIdx=1\r\n";
  }
  EXPECT_EQ(v.desk.ProfileFileText(kIni), expected);
}

TEST(SettingsFileTest, SaveAndLoadRoundTripEveryField) {
  SimViewer v = OneMonitor();
  ViewerState& s = v.state();
  s.StartupSize = 17;
  s.RememberOnExit = true;
  s.AlwaysOnTop = true;
  s.WindowLeft = -8;
  s.WindowTop = 1234;
  s.RegionWidth = 977;
  s.Aspect = 1;
  s.MonitorIndex = 3;
  s.DisplayMode = 2;
  s.LastWindowed = PresetRecord{1, 2, 3, 4, 5, 6};
  s.Presets[0] = PresetRecord{10, 20, 640, 1, 0, 0};
  s.Presets[1] = PresetRecord{-100, -200, 800, 0, 1, 3};
  s.Presets[2] = PresetRecord{INT_MIN, INT_MAX, 1440, 2, -1, 7};
  v.form.SaveSettings();

  SimViewer fresh = OneMonitor();
  fresh.desk.SetProfileFileText(kIni, v.desk.ProfileFileText(kIni));
  fresh.form.LoadSettings();
  const ViewerState& r = fresh.state();
  EXPECT_EQ(r.StartupSize, 17);
  EXPECT_TRUE(r.RememberOnExit);
  EXPECT_TRUE(r.AlwaysOnTop);
  EXPECT_EQ(r.WindowLeft, -8);
  EXPECT_EQ(r.WindowTop, 1234);
  EXPECT_EQ(r.RegionWidth, 977);
  EXPECT_EQ(r.Aspect, 1);
  EXPECT_EQ(r.MonitorIndex, 3);
  EXPECT_EQ(r.DisplayMode, 2);
  EXPECT_EQ(r.LastWindowed, s.LastWindowed);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(r.Presets[i], s.Presets[i]) << i;
}

TEST(SettingsFileTest, SectionNamesMatchWithoutRegardToCase) {
  SimViewer v = OneMonitor();
  v.desk.SetProfileFileText(kIni,
                            "[SAVEPARAMETER]\r\nCurrent=1\r\nFront=-1\r\nWidth=640\r\n"
                            "[pre2parameter]\r\nwidth=800\r\n");
  v.form.LoadSettings();
  EXPECT_TRUE(v.state().RememberOnExit);
  EXPECT_TRUE(v.state().AlwaysOnTop);
  EXPECT_EQ(v.state().RegionWidth, 640);
  EXPECT_EQ(v.state().Presets[1].width, 800);
}

TEST(SettingsFileTest, OddValuesComeBackInCanonicalForm) {
  SimViewer v = OneMonitor();
  v.state().DefaultMonitor = 1;
  v.desk.SetProfileFileText(kIni,
                            "[SaveParameter]\r\nSize=abc\r\nCurrent=5\r\nFront=true\r\n"
                            "[Pre1Parameter]\r\nFull=0\r\nWidth=0x280\r\nAspect=2\r\nX=5\r\nY=6\r\n"
                            "[Notes]\r\nkeep=this one\r\n");
  v.form.LoadSettings();
  EXPECT_EQ(v.state().StartupSize, 4);
  EXPECT_TRUE(v.state().RememberOnExit);
  EXPECT_FALSE(v.state().AlwaysOnTop);
  EXPECT_EQ(v.state().Presets[0].width, 640);
  EXPECT_EQ(v.state().Presets[0].aspect, 2);     // stored as read
  EXPECT_EQ(v.state().Presets[0].monitor, 1);    // the missing key's default
  v.form.SaveSettings();
  const std::string text = v.desk.ProfileFileText(kIni);
  auto read = [&](const char* section, const char* key) {
    return v.desk.ReadProfileString(section, key, "<none>", kIni);
  };
  EXPECT_EQ(read("SaveParameter", "Size"), "4");
  EXPECT_EQ(read("SaveParameter", "Current"), "1");
  EXPECT_EQ(read("SaveParameter", "Front"), "0");
  EXPECT_EQ(read("Pre1Parameter", "Width"), "640");
  EXPECT_EQ(read("Pre1Parameter", "ScrIdx"), "1");
  EXPECT_EQ(read("Notes", "keep"), "this one");
  EXPECT_NE(text.find("[Notes]\r\nkeep=this one\r\n"), std::string::npos);
}

TEST(SettingsFileTest, FullScreenSaveKeepsTheWindowedGeometryApart) {
  SimViewer v = OneMonitor();
  v.form.Create();
  v.desk.ChooseMenu(Id(MenuItem::N6401));
  const Rect windowed = v.desk.WindowBounds();
  v.desk.DoubleClickLeft(10, 10);
  v.form.SaveSettings();
  auto read = [&](const char* section, const char* key) {
    return v.desk.ReadProfileString(section, key, "", kIni);
  };
  EXPECT_EQ(read("SaveParameter", "Full"), "2");
  EXPECT_EQ(read("SaveParameter", "Width"), std::to_string(1920 - 6));
  EXPECT_EQ(read("TempParameter", "Full"), "0");
  EXPECT_EQ(read("TempParameter", "Width"), "640");
  EXPECT_EQ(read("TempParameter", "X"), std::to_string(windowed.left));
  EXPECT_EQ(read("TempParameter", "Y"), std::to_string(windowed.top));
}

TEST(SettingsFileTest, ReadOnlyFileKeepsTheViewerOpenWithTheClosingStrip) {
  SimViewer v = OneMonitor();
  v.form.Create();
  v.desk.SetReadOnly(kIni, true);
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  ASSERT_EQ(v.desk.MessageBoxes().size(), 1u);
  EXPECT_EQ(v.desk.MessageBoxes()[0].text, std::string(kIni) + " に書き込めません.");
  EXPECT_EQ(v.desk.MessageBoxes()[0].caption, "MirloViewer");
  EXPECT_FALSE(v.desk.QuitRequested());
  EXPECT_EQ(OnlyStrip(v.desk, 0, Rect{0, 0, 1920, 1200}).lead, 'S');
  EXPECT_FALSE(v.desk.ProfileFileExists(kIni));
  // Quitting again repeats the whole sequence and ends once the file can be written.
  v.desk.SetReadOnly(kIni, false);
  v.desk.ChooseMenu(Id(MenuItem::Quit));
  EXPECT_EQ(v.desk.ElapsedMilliseconds(), 1000);
  EXPECT_TRUE(v.desk.QuitRequested());
  EXPECT_TRUE(v.desk.ProfileFileExists(kIni));
}

}  // namespace
}  // namespace mirlo
