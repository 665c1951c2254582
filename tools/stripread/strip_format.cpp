#include "stripread/strip_format.h"

#include <cstdio>

namespace stripread {

std::string FormatStrip(int monitor, const Strip& s) {
  return "monitor=" + std::to_string(monitor) + " " + FormatStripFields(s);
}

std::string FormatStripFields(const Strip& s) {
  return "lead=" + std::string(1, s.lead) + " x0=" + std::to_string(s.x0) +
         " y0=" + std::to_string(s.y0) + " x1=" + std::to_string(s.x1) + " y1=" + std::to_string(s.y1) +
         " checksum=" + (s.checksumOk ? "ok" : "bad") + " at=" + std::to_string(s.atX) + "," +
         std::to_string(s.atY) + " region=" + (s.regionExact ? "exact" : "mismatch");
}

std::string FormatColour(uint32_t rgb) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
  return buf;
}

}  // namespace stripread
