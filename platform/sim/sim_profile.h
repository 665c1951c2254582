#pragma once
// Private-profile (INI) text as the window system's store reads and edits it:
// names match without regard to case, values are edited in place and every
// other line of the file is kept.

#include <string>

namespace mirlo {

bool ProfileRead(const std::string& text, const std::string& section, const std::string& key,
                 std::string& value);

std::string ProfileWrite(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value);

}  // namespace mirlo
