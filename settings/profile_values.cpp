#include "settings/profile_values.h"

namespace mirlo {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseHex(const std::string& t, size_t i, int32_t& out) {
  if (i >= t.size()) return false;
  uint32_t value = 0;
  int significant = 0;
  for (; i < t.size(); ++i) {
    const int d = HexDigit(t[i]);
    if (d < 0) return false;
    if (significant > 0 || d != 0) ++significant;
    if (significant > 8) return false;
    value = (value << 4) | uint32_t(d);
  }
  out = static_cast<int32_t>(value);
  return true;
}

bool ParseDecimal(const std::string& t, size_t i, int32_t& out) {
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  if (i >= t.size()) return false;
  const int64_t limit = negative ? 2147483648LL : 2147483647LL;
  int64_t value = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
    value = value * 10 + (t[i] - '0');
    if (value > limit) return false;
  }
  out = static_cast<int32_t>(negative ? -value : value);
  return true;
}

}  // namespace

int32_t ParseProfileInteger(const std::string& text, int32_t fallback) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  int32_t value = 0;
  bool ok;
  if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    ok = ParseHex(text, i + 2, value);
  } else if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    ok = ParseHex(text, i + 1, value);
  } else {
    ok = ParseDecimal(text, i, value);
  }
  return ok ? value : fallback;
}

std::string FormatProfileInteger(int32_t value) { return std::to_string(value); }

std::string FormatProfileBoolean(bool value) { return value ? "1" : "0"; }

}  // namespace mirlo
