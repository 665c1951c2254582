// Integers of the settings file from arbitrary text: the reader must agree
// with a second reading of the rules, never depend on the key's default when
// the text is valid, and give back every value the writer produces.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "settings/profile_values.h"

namespace {

using mirlo::FormatProfileInteger;
using mirlo::ParseProfileInteger;

[[noreturn]] void Fail(const std::string& what, const std::string& text) {
  std::fprintf(stderr, "%s\ntext (%zu bytes): \"", what.c_str(), text.size());
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      std::fputc(c, stderr);
    } else {
      std::fprintf(stderr, "\\x%02X", c);
    }
  }
  std::fprintf(stderr, "\"\n");
  std::abort();
}

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The rules, read a second time: leading spaces; then a hexadecimal prefix
// ("0x", "0X", "$", "x", "X") with at most 8 significant hexadecimal digits
// taken as a 32-bit pattern, or an optional sign and decimal digits within
// -2147483648..2147483647. Nothing else may follow.
std::optional<int32_t> ValueByTheRules(const std::string& text) {
  const size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return std::nullopt;
  const std::string t = text.substr(start);
  size_t digitsAt = 0;
  if (t.rfind("0x", 0) == 0 || t.rfind("0X", 0) == 0) {
    digitsAt = 2;
  } else if (t[0] == '$' || t[0] == 'x' || t[0] == 'X') {
    digitsAt = 1;
  }
  if (digitsAt > 0) {
    const std::string digits = t.substr(digitsAt);
    if (digits.empty()) return std::nullopt;
    for (char c : digits) {
      if (!IsHex(c)) return std::nullopt;
    }
    const size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) return 0;
    const std::string significant = digits.substr(firstSignificant);
    if (significant.size() > 8) return std::nullopt;
    return static_cast<int32_t>(std::strtoul(significant.c_str(), nullptr, 16));
  }
  const bool negative = t[0] == '-';
  const std::string digits = (t[0] == '-' || t[0] == '+') ? t.substr(1) : t;
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const size_t firstSignificant = digits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return 0;
  const std::string significant = digits.substr(firstSignificant);
  if (significant.size() > 10) return std::nullopt;
  const long long magnitude = std::atoll(significant.c_str());
  const long long value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

// The writer's form: a minus sign for negative values, no plus sign, no
// leading zeros, no spaces.
bool IsCanonicalDecimal(const std::string& s) {
  const size_t at = (!s.empty() && s[0] == '-') ? 1 : 0;
  if (s.size() == at) return false;
  if (s[at] == '0' && (s.size() > at + 1 || at == 1)) return false;
  for (size_t i = at; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

void CheckValue(int32_t v, const std::string& input) {
  const std::string dec = FormatProfileInteger(v);
  if (!IsCanonicalDecimal(dec)) Fail("written form not canonical: " + dec, input);
  const int32_t other = v == 0 ? 1 : ~v;
  auto backTo = [&](const std::string& text) {
    if (ParseProfileInteger(text, other) != v) {
      Fail("value " + std::to_string(v) + " not read back from \"" + text + "\"", input);
    }
  };
  backTo(dec);
  backTo("   " + dec);
  if (v >= 0) backTo("+" + dec);
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08X", static_cast<uint32_t>(v));
  backTo(std::string("0x") + hex);
  backTo(std::string("$") + hex);
  std::snprintf(hex, sizeof hex, "%x", static_cast<uint32_t>(v));
  backTo(std::string("X") + hex);
  backTo(std::string("0X000") + hex);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<int32_t> expected = ValueByTheRules(text);
  for (int32_t fallback : {INT32_MIN, -1, 0, 4, 320, INT32_MAX}) {
    const int32_t got = ParseProfileInteger(text, fallback);
    const int32_t want = expected ? *expected : fallback;
    if (got != want) {
      Fail("read " + std::to_string(got) + ", rules give " + std::to_string(want) +
               " (default " + std::to_string(fallback) + ")",
           text);
    }
  }
  if (expected) CheckValue(*expected, text);
  // Any 32-bit value taken from the input's first bytes round-trips too.
  if (size >= 4) {
    int32_t v;
    std::memcpy(&v, data, 4);
    CheckValue(v, text);
  }
  return 0;
}
