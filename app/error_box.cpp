#include "app/error_box.h"

#include <cctype>

namespace mirlo {

const char kApplicationTitle[] = "MirloViewer";

namespace {

bool IsShiftJisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Walks Shift-JIS text from its start: a trail byte may look like ASCII.
bool ShiftJisEndsWordLike(const std::string& text) {
  bool wordLike = false;
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsShiftJisLeadByte(c) && i + 1 < text.size()) {
      wordLike = true;
      i += 2;
    } else {
      wordLike = std::isalnum(c) != 0 || (c >= 0xA6 && c <= 0xDF);  // half-width kana
      i += 1;
    }
  }
  return wordLike;
}

// In UTF-8 only ASCII bytes stand for themselves; any other character of a
// file name is a letter of some script.
bool Utf8EndsWordLike(const std::string& text) {
  const auto c = static_cast<unsigned char>(text.back());
  return c >= 0x80 || std::isalnum(c) != 0;
}

}  // namespace

UserText ErrorBoxText(const UserText& message) {
  if (message.pieces.empty()) return message;
  const UserText::Piece& last = message.pieces.back();
  const bool wordLike = last.encoding == UserText::Encoding::ShiftJis
                            ? ShiftJisEndsWordLike(last.bytes)
                            : Utf8EndsWordLike(last.bytes);
  return wordLike ? message + "." : message;
}

void ShowErrorBox(Desktop& desk, const UserText& message) {
  desk.ShowMessageBox(ErrorBoxText(message), kApplicationTitle, kMbOk | kMbIconError);
}

}  // namespace mirlo
