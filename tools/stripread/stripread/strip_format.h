#pragma once
// The strip reader's words for what it reads, shared by its command line and
// by stripcheck.

#include <cstdint>
#include <string>

#include "stripread/strip.h"

namespace stripread {

// One output line, without the newline.
std::string FormatStrip(int monitor, const Strip& s);
// The same without the monitor: "lead=A x0=... region=exact".
std::string FormatStripFields(const Strip& s);
std::string FormatColour(uint32_t rgb);  // #RRGGBB

}  // namespace stripread
