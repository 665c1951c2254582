#include "app/program_path.h"

namespace mirlo {

std::string ProgramDirectory(const std::string& moduleFileName) {
  size_t cut = 0;
  for (size_t i = 0; i < moduleFileName.size(); ++i) {
    const auto c = static_cast<unsigned char>(moduleFileName[i]);
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      ++i;  // skip the trail byte
    } else if (c == '\\' || c == '/' || c == ':') {
      cut = i + 1;
    }
  }
  return moduleFileName.substr(0, cut);
}

}  // namespace mirlo
