#include "app/form1.h"
#include "platform/program_files.h"
#include "settings/profile_values.h"

namespace mirlo {

namespace {

const char kFileName[] = "veltmirl.ini";
const char kSaveSection[] = "SaveParameter";
// "Current" and "Front" have always been read under this spelling; the store
// matches names without regard to case, so it is the same section.
const char kSaveSectionAsRead[] = "saveParameter";
const char* const kRecordSections[] = {"TempParameter", "Pre1Parameter", "Pre2Parameter",
                                       "Pre3Parameter"};

struct DisplayKey {
  const char* name;
  int32_t PresetRecord::*field;
};

// The six display keys of a section, in file order.
const DisplayKey kDisplayKeys[] = {
    {"Full", &PresetRecord::mode},  {"Width", &PresetRecord::width},
    {"Aspect", &PresetRecord::aspect}, {"X", &PresetRecord::left},
    {"Y", &PresetRecord::top},      {"ScrIdx", &PresetRecord::monitor},
};

// The settings file, opened by full path for one load or save.
class SettingsFile {
 public:
  explicit SettingsFile(Desktop& desk)
      : desk_(desk), path_(FileBesideProgram(desk, kFileName)) {}

  int32_t ReadInteger(const char* section, const char* key, int32_t fallback) {
    return ParseProfileInteger(desk_.ReadProfileString(section, key, "", path_), fallback);
  }

  PresetRecord ReadRecord(const char* section, int32_t defaultMonitor) {
    const PresetRecord defaults{0, 0, 320, 0, defaultMonitor, 0};
    PresetRecord r;
    for (const DisplayKey& k : kDisplayKeys) r.*k.field = ReadInteger(section, k.name, defaults.*k.field);
    return r;
  }

  void Write(const char* section, const char* key, const std::string& value) {
    if (!desk_.WriteProfileString(section, key, value, path_)) {
      throw UserError(UserText::Path(path_) + " に書き込めません");
    }
  }

  void WriteRecord(const char* section, const PresetRecord& r) {
    for (const DisplayKey& k : kDisplayKeys) Write(section, k.name, FormatProfileInteger(r.*k.field));
  }

 private:
  Desktop& desk_;
  std::string path_;
};

PresetRecord CurrentDisplayState(const ViewerState& s) {
  return PresetRecord{s.WindowLeft, s.WindowTop, s.RegionWidth, s.Aspect, s.MonitorIndex,
                      s.DisplayMode};
}

}  // namespace

void TForm1::LoadSettings() {
  ViewerState& s = state_;
  SettingsFile file(desk_);
  s.StartupSize = file.ReadInteger(kSaveSection, "Size", 4);
  s.RememberOnExit = file.ReadInteger(kSaveSectionAsRead, "Current", 0) != 0;
  s.AlwaysOnTop = file.ReadInteger(kSaveSectionAsRead, "Front", 0) != 0;
  const PresetRecord current = file.ReadRecord(kSaveSection, s.DefaultMonitor);
  s.WindowLeft = current.left;
  s.WindowTop = current.top;
  s.RegionWidth = current.width;
  s.Aspect = current.aspect;
  s.MonitorIndex = current.monitor;
  s.DisplayMode = current.mode;
  s.LastWindowed = file.ReadRecord(kRecordSections[0], s.DefaultMonitor);
  for (int i = 0; i < 3; ++i) s.Presets[i] = file.ReadRecord(kRecordSections[i + 1], s.DefaultMonitor);
  // After the 33 keys of old: a file without it starts unlocked.
  s.PositionLocked = file.ReadInteger(kSaveSection, "Lock", 0) != 0;
}

void TForm1::SaveSettings() {
  const ViewerState& s = state_;
  SettingsFile file(desk_);
  file.Write(kSaveSection, "Size", FormatProfileInteger(s.StartupSize));
  file.Write(kSaveSection, "Current", FormatProfileBoolean(s.RememberOnExit));
  file.Write(kSaveSection, "Front", FormatProfileBoolean(s.AlwaysOnTop));
  file.WriteRecord(kSaveSection, CurrentDisplayState(s));
  file.WriteRecord(kRecordSections[0], s.LastWindowed);
  for (int i = 0; i < 3; ++i) file.WriteRecord(kRecordSections[i + 1], s.Presets[i]);
  file.Write(kSaveSection, "Lock", FormatProfileBoolean(s.PositionLocked));
}

}  // namespace mirlo
