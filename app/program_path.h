#pragma once
// Files that live beside the program.

#include <string>

namespace mirlo {

// The directory of the program file with its trailing separator. The path is
// Shift-JIS: a trail byte equal to the backslash is not a separator.
std::string ProgramDirectory(const std::string& moduleFileName);

}  // namespace mirlo
