// The whole settings file from arbitrary bytes: the viewer starts with it on a
// simulated desk, saves, and the saved file must give back the same state,
// keep every key the viewer does not own, and stay as it is when saved again.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_profile.h"

namespace {

using namespace mirlo;

const char kIni[] = "C:\\Tools\\MirloViewer\\veltmirl.ini";
const char* const kOwnSections[] = {"SaveParameter", "TempParameter", "Pre1Parameter",
                                    "Pre2Parameter", "Pre3Parameter"};
const char* const kOwnKeys[] = {"Size", "Current", "Front", "Full", "Width",
                                "Aspect", "X", "Y", "ScrIdx"};

// Desks the viewer can start on; the input's length picks one.
std::vector<SimMonitor> Desk(size_t pick) {
  switch (pick % 3) {
    case 0:
      return {MakeMonitor(0, 0, 1024, 768, 30)};
    case 1:
      return {MakeMonitor(0, 0, 1920, 1200, 40), MakeMonitor(1920, 0, 1280, 1024, 30)};
    default:  // the first monitor is not usable; the second lies left of it
      return {MakeMonitor(0, 0, 1920, 1080, 40), MakeMonitor(-1440, -300, 1440, 900),
              MakeMonitor(1920, 0, 640, 480)};
  }
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::abort();
}

std::string Show(const PresetRecord& p) {
  return "{" + std::to_string(p.left) + ", " + std::to_string(p.top) + ", " +
         std::to_string(p.width) + ", " + std::to_string(p.aspect) + ", " +
         std::to_string(p.monitor) + ", " + std::to_string(p.mode) + "}";
}

void ExpectSameStored(const ViewerState& saved, const ViewerState& loaded) {
  auto same = [](const char* field, int64_t a, int64_t b) {
    if (a != b) {
      Fail(std::string(field) + ": saved " + std::to_string(a) + ", read back " +
           std::to_string(b));
    }
  };
  same("StartupSize", saved.StartupSize, loaded.StartupSize);
  same("RememberOnExit", saved.RememberOnExit, loaded.RememberOnExit);
  same("AlwaysOnTop", saved.AlwaysOnTop, loaded.AlwaysOnTop);
  same("WindowLeft", saved.WindowLeft, loaded.WindowLeft);
  same("WindowTop", saved.WindowTop, loaded.WindowTop);
  same("RegionWidth", saved.RegionWidth, loaded.RegionWidth);
  same("Aspect", saved.Aspect, loaded.Aspect);
  same("MonitorIndex", saved.MonitorIndex, loaded.MonitorIndex);
  same("DisplayMode", saved.DisplayMode, loaded.DisplayMode);
  same("PositionLocked", saved.PositionLocked, loaded.PositionLocked);
  const PresetRecord* a[] = {&saved.LastWindowed, &saved.Presets[0], &saved.Presets[1],
                             &saved.Presets[2]};
  const PresetRecord* b[] = {&loaded.LastWindowed, &loaded.Presets[0], &loaded.Presets[1],
                             &loaded.Presets[2]};
  for (int i = 0; i < 4; ++i) {
    if (!(*a[i] == *b[i])) Fail("record " + std::to_string(i) + ": saved " + Show(*a[i]) +
                                ", read back " + Show(*b[i]));
  }
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool OwnKey(const std::string& section, const std::string& key) {
  bool ownSection = false, ownKey = false;
  for (const char* s : kOwnSections) ownSection |= SameNameIgnoringCase(section, s);
  for (const char* k : kOwnKeys) ownKey |= SameNameIgnoringCase(key, k);
  // "Lock" belongs to SaveParameter alone.
  if (SameNameIgnoringCase(section, "SaveParameter") && SameNameIgnoringCase(key, "Lock")) return true;
  return ownSection && ownKey;
}

std::string Trimmed(const std::string& s) {
  const char* const blanks = " \t\v\f\r\n";
  const size_t b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return std::string();
  return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

// Every "[section]" and "key=" the input names, found without the store's help.
std::vector<std::pair<std::string, std::string>> NamedKeys(const std::string& text) {
  std::vector<std::pair<std::string, std::string>> keys;
  std::string section;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(at, end - at);
    at = end + 1;
    const size_t open = line.find('['), close = line.find(']');
    if (open != std::string::npos && close != std::string::npos && open < close) {
      section = Trimmed(line.substr(open + 1, close - open - 1));
    }
    const size_t eq = line.find('=');
    if (eq != std::string::npos) keys.emplace_back(section, Trimmed(line.substr(0, eq)));
    if (keys.size() > 64) break;
  }
  return keys;
}

struct Viewer {
  explicit Viewer(size_t pick) : desk(Desk(pick)), form(desk) {
    desk.DrawNothing();
    desk.CreateMainWindow(form);
  }
  SimDesktop desk;
  TForm1 form;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);

  Viewer first(size);
  first.desk.SetProfileFileText(kIni, original);
  first.form.Create();
  if (!first.desk.MessageBoxes().empty()) Fail("start-up showed a message box");
  first.form.SaveSettings();
  const std::string saved = first.desk.ProfileFileText(kIni);

  // The keys the viewer does not own keep their values.
  for (const auto& [section, key] : NamedKeys(original)) {
    if (OwnKey(section, key)) continue;
    std::string before = "<none>", after = "<none>";
    ProfileRead(original, section, key, before);
    ProfileRead(saved, section, key, after);
    if (before != after) Fail("foreign key [" + section + "] " + key + " changed");
  }

  Viewer second(size);
  second.desk.SetProfileFileText(kIni, saved);
  second.form.State().DefaultMonitor = first.form.State().DefaultMonitor;
  second.form.LoadSettings();
  ExpectSameStored(first.form.State(), second.form.State());

  second.form.SaveSettings();
  if (second.desk.ProfileFileText(kIni) != saved) Fail("a second save changed the file");
  return 0;
}
