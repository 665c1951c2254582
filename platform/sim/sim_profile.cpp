#include "platform/sim/sim_profile.h"

#include <cctype>
#include <vector>

namespace mirlo {

namespace {

constexpr size_t kValueBufferChars = 2047;  // a 2048-byte buffer with its terminator

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool SectionHeader(const std::string& line, std::string& name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

bool KeyLine(const std::string& line, std::string& key, std::string& value) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return true;
}

}  // namespace

bool ProfileRead(const std::string& text, const std::string& section, const std::string& key,
                 std::string& value) {
  bool inSection = false;
  for (const std::string& line : Lines(text)) {
    std::string name, k, v;
    if (SectionHeader(line, name)) {
      inSection = SameName(name, section);
    } else if (inSection && KeyLine(line, k, v) && SameName(k, key)) {
      value = v.substr(0, kValueBufferChars);
      return true;
    }
  }
  return false;
}

std::string ProfileWrite(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value) {
  std::vector<std::string> lines = Lines(text);
  int sectionAt = -1;  // header line of the section
  int lastInSection = -1;
  bool inSection = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name, k, v;
    if (SectionHeader(lines[i], name)) {
      inSection = sectionAt < 0 && SameName(name, section);
      if (inSection) sectionAt = lastInSection = static_cast<int>(i);
    } else if (inSection) {
      if (KeyLine(lines[i], k, v) && SameName(k, key)) {
        lines[i] = k + "=" + value;
        sectionAt = -2;  // done
        break;
      }
      if (!Trim(lines[i]).empty()) lastInSection = static_cast<int>(i);
    }
  }
  if (sectionAt == -1) {
    lines.push_back("[" + section + "]");
    lines.push_back(key + "=" + value);
  } else if (sectionAt >= 0) {
    lines.insert(lines.begin() + lastInSection + 1, key + "=" + value);
  }
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

}  // namespace mirlo
