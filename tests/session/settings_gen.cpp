#include "settings_gen.h"

#include <cinttypes>
#include <cctype>
#include <cstdio>

namespace mirlo::session {

namespace {

constexpr int64_t kMin = INT32_MIN, kMax = INT32_MAX;

// The value's text: mostly plain decimal, else one of the other forms the
// reader takes, or one it refuses.
std::string ValueText(Rng& rng, int64_t v) {
  const int roll = rng.Below(100);
  char buf[64];
  if (roll < 75) return std::to_string(v);
  if (roll < 87) {
    const char* prefixes[] = {"0x", "0X", "$", "x", "X"};
    std::snprintf(buf, sizeof buf, rng.Percent(50) ? "%s%" PRIX32 : "%s%" PRIx32,
                  prefixes[rng.Below(5)], static_cast<uint32_t>(v));
    return buf;
  }
  if (roll < 92) return std::string(static_cast<size_t>(rng.Between(1, 3)), ' ') + std::to_string(v);
  const std::vector<std::string> refused = {"",     "abc",        "12x",         "2147483648",
                                            "-2147483649", "0x100000000", "yes", "- 5", "0x"};
  return rng.Pick(refused);
}

int64_t Limit(Rng& rng) {
  const std::vector<int64_t> limits = {kMin, kMin + 1, kMax, kMax - 1, -1, 0, 1 << 30, -(1 << 30)};
  return rng.Pick(limits);
}

int64_t Width(Rng& rng) {
  const int roll = rng.Below(10);
  if (roll < 6) return rng.Pick(std::vector<int64_t>{320, 640, 800, 1024, 1280, 1440});
  if (roll < 8) return rng.Pick(std::vector<int64_t>{0, 1, 152, 319, 321, 639, 641, 799, 801, 1441, 2048, -320});
  if (roll < 9) return rng.Between(0, 3000);
  return Limit(rng);
}

int64_t Mode(Rng& rng) {
  if (rng.Percent(85)) return rng.Between(0, 3);
  return rng.Pick(std::vector<int64_t>{-1, 4, 5, 100, kMin, kMax});
}

int64_t Aspect(Rng& rng) {
  if (rng.Percent(85)) return rng.Between(0, 1);
  return rng.Pick(std::vector<int64_t>{2, -1, 16, kMin, kMax});
}

int64_t MonitorIndex(Rng& rng, int count) {
  if (rng.Percent(80)) return rng.Below(count);
  return rng.Pick(std::vector<int64_t>{count, count + 1, -1, 7, kMin, kMax});
}

// A coordinate on the desk's edges and just beside them, somewhere on it, or
// anywhere in the 32-bit range.
int64_t Position(Rng& rng, const std::vector<SimMonitor>& desk, bool horizontal) {
  const SimMonitor& m = desk[static_cast<size_t>(rng.Below(static_cast<int>(desk.size())))];
  const Rect& r = rng.Percent(50) ? m.bounds : m.work;
  const int roll = rng.Below(10);
  if (roll < 5) {
    const int64_t edges[] = {horizontal ? r.left : r.top, horizontal ? r.right : r.bottom};
    const int64_t sizes[] = {0, 326, 246, 186, 646, 486, 806};
    return edges[rng.Below(2)] - sizes[rng.Below(7)] + rng.Between(-1, 1);
  }
  if (roll < 8) return horizontal ? rng.Between(r.left, r.right) : rng.Between(r.top, r.bottom);
  if (roll < 9) return rng.Between(-100000, 100000);
  return Limit(rng);
}

std::string Section(Rng& rng, const char* name) {
  std::string s = name;
  const int roll = rng.Below(10);
  for (char& c : s) {
    if (roll == 0) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (roll == 1) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return "[" + s + "]\r\n";
}

void Key(Rng& rng, std::string& out, const char* key, int64_t v) {
  if (rng.Percent(8)) return;  // missing
  out += std::string(key) + "=" + ValueText(rng, v) + "\r\n";
}

void Record(Rng& rng, std::string& out, const std::vector<SimMonitor>& desk) {
  Key(rng, out, "Full", Mode(rng));
  Key(rng, out, "Width", Width(rng));
  Key(rng, out, "Aspect", Aspect(rng));
  Key(rng, out, "X", Position(rng, desk, true));
  Key(rng, out, "Y", Position(rng, desk, false));
  Key(rng, out, "ScrIdx", MonitorIndex(rng, static_cast<int>(desk.size())));
}

}  // namespace

SettingsPlan RandomSettings(Rng& rng, const std::vector<SimMonitor>& desk) {
  SettingsPlan plan;
  plan.readOnly = rng.Percent(8);
  plan.exists = !rng.Percent(10);
  if (!plan.exists) return plan;
  std::string& t = plan.text;
  if (rng.Percent(10)) t += "[Notes]\r\nOwner=someone\r\n";
  t += Section(rng, "SaveParameter");
  const int64_t size = rng.Percent(85) ? rng.Between(0, 17)
                                       : rng.Pick(std::vector<int64_t>{-1, 18, kMin, kMax});
  Key(rng, t, "Size", size);
  Key(rng, t, "Current", rng.Percent(50) ? 1 : rng.Pick(std::vector<int64_t>{0, 5, -1}));
  Key(rng, t, "Front", rng.Between(0, 2));
  Record(rng, t, desk);
  const char* sections[] = {"TempParameter", "Pre1Parameter", "Pre2Parameter", "Pre3Parameter"};
  for (const char* s : sections) {
    if (rng.Percent(5)) continue;  // a whole section missing
    t += Section(rng, s);
    Record(rng, t, desk);
  }
  return plan;
}

}  // namespace mirlo::session
