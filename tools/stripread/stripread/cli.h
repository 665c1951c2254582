#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "stripread/cli_options.h"
#include "stripread/strip.h"

namespace stripread {

// Exit codes of the tool.
constexpr int kExitFound = 0;
constexpr int kExitNone = 1;
constexpr int kExitError = 2;

// One output line, without the newline.
std::string FormatStrip(int monitor, const Strip& s);
// The same without the monitor: "lead=A x0=... region=exact".
std::string FormatStripFields(const Strip& s);
std::string FormatColour(uint32_t rgb);  // #RRGGBB

// The whole tool: args exclude the program name.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace stripread
