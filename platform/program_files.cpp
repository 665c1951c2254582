#include "platform/program_files.h"

namespace mirlo {

std::string ProgramDirectory(const std::string& moduleFileName) {
  const size_t last = moduleFileName.find_last_of("\\/:");
  return last == std::string::npos ? std::string() : moduleFileName.substr(0, last + 1);
}

std::string FileBesideProgram(Desktop& desk, const std::string& name) {
  return ProgramDirectory(desk.ModuleFileName()) + name;
}

}  // namespace mirlo
