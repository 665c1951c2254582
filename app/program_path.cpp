#include "app/program_path.h"

namespace mirlo {

std::string ProgramDirectory(const std::string& moduleFileName) {
  const size_t last = moduleFileName.find_last_of("\\/:");
  return last == std::string::npos ? std::string() : moduleFileName.substr(0, last + 1);
}

}  // namespace mirlo
