#include "dialogs/placement_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdarg>
#include <cstdio>

#include "viewer/window_geometry.h"

namespace mirlo {

namespace {

constexpr int64_t kNumberCap = 10000000000;  // eleven digits

// Whether the Shift-JIS character at i is the two bytes a, b.
bool PairAt(const std::string& t, size_t i, unsigned char a, unsigned char b) {
  return i + 1 < t.size() && static_cast<unsigned char>(t[i]) == a &&
         static_cast<unsigned char>(t[i + 1]) == b;
}

// The length of a space at i (a full-width one is 81 40), 0 if none is there.
size_t SpaceAt(const std::string& t, size_t i) {
  if (t[i] == ' ' || t[i] == '\t') return 1;
  return PairAt(t, i, 0x81, 0x40) ? 2 : 0;
}

// The digit at i, ASCII or full-width (82 4F .. 82 58), with its length.
bool DigitAt(const std::string& t, size_t i, int& digit, size_t& length) {
  if (t[i] >= '0' && t[i] <= '9') {
    digit = t[i] - '0';
    length = 1;
    return true;
  }
  for (int d = 0; d <= 9; ++d) {
    if (PairAt(t, i, 0x82, static_cast<unsigned char>(0x4F + d))) {
      digit = d;
      length = 2;
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<int64_t> ParseTypedNumber(const std::string& t) {
  // Read forward, a whole character at a time: a trail byte is never taken
  // for a character of its own.
  size_t i = 0;
  auto skipSpaces = [&] {
    while (i < t.size() && SpaceAt(t, i) > 0) i += SpaceAt(t, i);
  };
  skipSpaces();
  bool negative = false;
  if (i < t.size() && t[i] == '-') {
    negative = true;
    i += 1;
  } else if (PairAt(t, i, 0x81, 0x7C)) {  // the full-width minus
    negative = true;
    i += 2;
  }
  int64_t value = 0;
  int digits = 0, digit = 0;
  size_t length = 0;
  while (i < t.size() && DigitAt(t, i, digit, length)) {
    value = std::min(value * 10 + digit, kNumberCap);
    ++digits;
    i += length;
  }
  skipSpaces();
  if (digits == 0 || i != t.size()) return std::nullopt;
  return negative ? -value : value;
}

std::string Printed(const char* format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

std::string PlacementLine(int32_t monitor, const Rect& b, const RegionRecord& r) {
  return Printed("monitor=%d %dx%d x0=%d y0=%d x1=%d y1=%d %dx%d", monitor, b.Width(), b.Height(),
                 r.x0, r.y0, r.x1, r.y1, r.width, r.height);
}

namespace {

// The text without the blanks and line ends around it, as [begin, end).
void Trim(const std::string& s, size_t& begin, size_t& end) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  begin = 0;
  end = s.size();
  while (begin < end && blank(s[begin])) ++begin;
  while (end > begin && blank(s[end - 1])) --end;
}

}  // namespace

bool IsPlacementLine(const std::string& text) {
  size_t begin, end;
  Trim(text, begin, end);
  return text.compare(begin, 8, "monitor=") == 0;
}

std::optional<PlacementLineValues> ParsePlacementLine(const std::string& text) {
  // The line as PlacementLine writes it, a signed decimal at every #.
  const char kForm[] = "monitor=# #x# x0=# y0=# x1=# y1=# #x#";
  size_t i, end;
  Trim(text, i, end);
  int32_t n[9];
  int count = 0;
  for (const char* f = kForm; *f != '\0'; ++f) {
    if (*f != '#') {
      if (i == end || text[i] != *f) return std::nullopt;
      ++i;
      continue;
    }
    const bool minus = i < end && text[i] == '-';
    if (minus) ++i;
    const size_t first = i;
    int64_t v = 0;
    while (i < end && text[i] >= '0' && text[i] <= '9') {
      v = std::min<int64_t>(v * 10 + (text[i] - '0'), kNumberCap);
      ++i;
    }
    if (i == first || v > INT32_MAX) return std::nullopt;
    n[count++] = int32_t(minus ? -v : v);
  }
  if (i != end) return std::nullopt;
  PlacementLineValues v{n[0], n[1], n[2], RegionRecord{n[3], n[5], n[4], n[6], n[7], n[8]}};
  const RegionRecord& r = v.region;
  // x1 and y1 are the last pixels of the region: a line that says otherwise
  // was not written by the viewer.
  if (int64_t(r.x0) + r.width - 1 != r.x1 || int64_t(r.y0) + r.height - 1 != r.y1) {
    return std::nullopt;
  }
  return v;
}

int32_t AspectOfRegion(int32_t width, int32_t height, int32_t current) {
  if (height == RegionHeightFor(width, 0)) return 0;
  if (height == RegionHeightFor(width, 1)) return 1;
  return current;
}

std::string MonitorChoiceText(int32_t index, const Rect& b) {
  return Printed("%d: %d×%d (%d,%d)", index, b.Width(), b.Height(), b.left, b.top);
}

std::string RegionPreviewText(const RegionRecord& r) {
  return Printed("(%d,%d)-(%d,%d) %d×%d", r.x0, r.y0, r.x1, r.y1, r.width, r.height);
}

}  // namespace mirlo
