#pragma once
// Random settings files: valid and odd values, every 32-bit limit, positions
// just inside and outside the desk, hexadecimal forms, missing keys, names
// in any letter case, foreign sections.

#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "random.h"

namespace mirlo::session {

struct SettingsPlan {
  bool exists = false;
  std::string text;
  bool readOnly = false;
};

SettingsPlan RandomSettings(Rng& rng, const std::vector<SimMonitor>& desk);

}  // namespace mirlo::session
