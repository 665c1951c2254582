#include "app/error_box.h"

#include <cctype>

namespace mirlo {

const char kApplicationTitle[] = "MirloViewer";

namespace {

bool IsShiftJisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace

std::string ErrorBoxText(const std::string& message) {
  // Walk the Shift-JIS text from its start: a trail byte may look like ASCII.
  bool endsWordLike = false;
  for (size_t i = 0; i < message.size();) {
    const auto c = static_cast<unsigned char>(message[i]);
    if (IsShiftJisLeadByte(c) && i + 1 < message.size()) {
      endsWordLike = true;
      i += 2;
    } else {
      endsWordLike = std::isalnum(c) != 0 || (c >= 0xA6 && c <= 0xDF);  // half-width kana
      i += 1;
    }
  }
  return endsWordLike ? message + "." : message;
}

void ShowErrorBox(Desktop& desk, const std::string& message) {
  desk.ShowMessageBox(ErrorBoxText(message), kApplicationTitle, kMbOk | kMbIconError);
}

}  // namespace mirlo
