#pragma once
// Texts for the user, and the errors whose text is shown to the user.

#include <stdexcept>
#include <string>
#include <vector>

namespace mirlo {

// Text for the user. The interface's own texts are Shift-JIS bytes; file paths
// are UTF-8 (taken from the wide API, they may hold characters of any
// language). The window layer converts each piece by its own encoding, so a
// message shows its path readably on any system.
struct UserText {
  enum class Encoding { ShiftJis, Utf8 };
  struct Piece {
    Encoding encoding;
    std::string bytes;
  };
  std::vector<Piece> pieces;

  UserText() = default;
  UserText(const char* shiftJis) : UserText(std::string(shiftJis)) {}
  UserText(std::string shiftJis) {
    if (!shiftJis.empty()) pieces.push_back(Piece{Encoding::ShiftJis, std::move(shiftJis)});
  }
  static UserText Path(std::string utf8) { return Utf8(std::move(utf8)); }
  // Any other text the window system gave in UTF-8, such as a window's title.
  static UserText Utf8(std::string utf8) {
    UserText t;
    if (!utf8.empty()) t.pieces.push_back(Piece{Encoding::Utf8, std::move(utf8)});
    return t;
  }
  UserText& operator+=(const UserText& more) {
    pieces.insert(pieces.end(), more.pieces.begin(), more.pieces.end());
    return *this;
  }
  friend UserText operator+(UserText a, const UserText& b) { return a += b; }
  // The bytes of every piece in turn, each in its own encoding.
  std::string Bytes() const {
    std::string all;
    for (const Piece& p : pieces) all += p.bytes;
    return all;
  }
};

// An error the program raises itself; its text, which may name a file, is
// shown to the user in the standard error box.
class UserError : public std::runtime_error {
 public:
  explicit UserError(UserText text) : std::runtime_error(text.Bytes()), text_(std::move(text)) {}
  const UserText& Text() const { return text_; }

 private:
  UserText text_;
};

}  // namespace mirlo
