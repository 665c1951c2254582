#include "app/form1.h"

namespace mirlo {

void TForm1::LoadSettings() {
  // Until the settings file is read, every field takes its default; the
  // monitor of each stored state is the default monitor.
  ViewerState& s = state_;
  s.StartupSize = 4;
  s.RememberOnExit = false;
  s.AlwaysOnTop = false;
  s.DisplayMode = 0;
  s.RegionWidth = 320;
  s.Aspect = 0;
  s.WindowLeft = 0;
  s.WindowTop = 0;
  s.MonitorIndex = s.DefaultMonitor;
  const PresetRecord fresh{0, 0, 320, 0, s.DefaultMonitor, 0};
  s.LastWindowed = fresh;
  for (PresetRecord& p : s.Presets) p = fresh;
}

void TForm1::SaveSettings() {}

}  // namespace mirlo
