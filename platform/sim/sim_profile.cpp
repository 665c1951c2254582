#include "platform/sim/sim_profile.h"

#include <string_view>
#include <vector>

namespace mirlo {

namespace {

constexpr size_t kValueBufferChars = 2047;  // a 2048-byte buffer with its terminator

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// The lines without their terminators: CR LF, LF or a lone CR.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool SectionHeader(std::string_view line, std::string_view& name) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() != '[') return false;
  const size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return true;
}

// Where a key lives: the first section of its name and the first key of its
// name in there, or the last non-blank line of that section.
struct Place {
  int header = -1;
  int key = -1;
  int last = -1;
};

Place Find(const std::vector<std::string_view>& lines, std::string_view section,
           std::string_view key) {
  Place p;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view name, k, v;
    if (SectionHeader(lines[i], name)) {
      if (p.header >= 0) break;  // the section has ended
      if (SameName(name, section)) p.header = p.last = int(i);
    } else if (p.header >= 0) {
      if (KeyLine(lines[i], k, v) && SameName(k, key)) {
        p.key = int(i);
        break;
      }
      if (!Trim(lines[i]).empty()) p.last = int(i);
    }
  }
  return p;
}

}  // namespace

bool ProfileRead(const std::string& text, const std::string& section, const std::string& key,
                 std::string& value) {
  const std::vector<std::string_view> lines = Lines(text);
  const Place p = Find(lines, section, key);
  if (p.key < 0) return false;
  std::string_view k, v;
  KeyLine(lines[p.key], k, v);
  v = v.substr(0, v.find('\0'));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  value = std::string(v.substr(0, kValueBufferChars));
  return true;
}

std::string ProfileWrite(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value) {
  const std::vector<std::string_view> lines = Lines(text);
  const Place p = Find(lines, section, key);
  std::string out;
  out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
  auto put = [&out](std::string_view line) {
    out += line;
    out += "\r\n";
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    if (int(i) == p.key) {
      std::string_view k, v;
      KeyLine(lines[i], k, v);
      put(std::string(k) + "=" + value);
      continue;
    }
    put(lines[i]);
    if (p.key < 0 && int(i) == p.last) put(key + "=" + value);
  }
  if (p.header < 0) {
    put("[" + section + "]");
    put(key + "=" + value);
  }
  return out;
}

}  // namespace mirlo
