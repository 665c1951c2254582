#pragma once
// The text forms of the settings file's values.

#include <cstdint>
#include <string>

namespace mirlo {

// A signed 32-bit integer: after leading spaces, an optional sign and decimal
// digits, or a hexadecimal prefix ("0x", "0X", "$", "x", "X") and at most 8
// significant hexadecimal digits taken as the 32-bit pattern. Anything else,
// an empty text or a decimal value out of range gives `fallback`.
int32_t ParseProfileInteger(const std::string& text, int32_t fallback);

std::string FormatProfileInteger(int32_t value);
std::string FormatProfileBoolean(bool value);

}  // namespace mirlo
