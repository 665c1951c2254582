#pragma once
// Private-profile (INI) text as the window system's store reads and edits it:
// - a line ends at CR LF, at LF or at a lone CR; lines are written back with CR LF;
// - a line whose first non-blank character is '[' and that holds a ']' starts a
//   section named by the text between them; a UTF-8 byte-order mark is not
//   recognised, so a first line that starts with one is no section header;
// - in a section, a line with '=' holds a key: the name before the first '=',
//   the value after it, both without surrounding blanks; a value enclosed in a
//   pair of double or single quotes loses the quotes;
// - section and key names match without regard to ASCII case, and only the
//   first section and the first key of a name count;
// - a value is read into a 2048-byte buffer: it ends at a NUL byte and is cut
//   after 2047 characters;
// - a write replaces the value of the key in place, or adds the key after the
//   last line of its section, or adds the section at the end of the file;
//   every other line stays as it was.

#include <string>

namespace mirlo {

bool ProfileRead(const std::string& text, const std::string& section, const std::string& key,
                 std::string& value);

std::string ProfileWrite(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value);

}  // namespace mirlo
