#pragma once
// Files that live beside the program.

#include <string>

#include "platform/desktop.h"

namespace mirlo {

// The directory of the program file with its trailing separator. The path is
// UTF-8, where no byte of a multi-byte character equals a separator.
std::string ProgramDirectory(const std::string& moduleFileName);

// The full path of the file `name` in the program's directory.
std::string FileBesideProgram(Desktop& desk, const std::string& name);

}  // namespace mirlo
