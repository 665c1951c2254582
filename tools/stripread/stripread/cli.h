#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "stripread/cli_options.h"
#include "stripread/strip.h"
#include "stripread/strip_format.h"

namespace stripread {

// Exit codes of the tool.
constexpr int kExitFound = 0;
constexpr int kExitNone = 1;
constexpr int kExitError = 2;

// The whole tool: args exclude the program name.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace stripread
