#include <windows.h>

#include "platform/win32/win32_desktop.h"

namespace mirlo {

namespace {

std::wstring Widen(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), &wide[0], n);
  return wide;
}

}  // namespace

std::wstring FromShiftJis(const std::string& text) { return Widen(932, text); }

std::wstring FromUtf8(const std::string& text) { return Widen(CP_UTF8, text); }

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &utf8[0], n, nullptr, nullptr);
  return utf8;
}

std::string ToShiftJis(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int n = WideCharToMultiByte(932, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(size_t(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), int(text.size()), &bytes[0], n, nullptr, nullptr);
  return bytes;
}

std::wstring ToWide(const UserText& text) {
  std::wstring wide;
  for (const UserText::Piece& p : text.pieces) {
    wide += p.encoding == UserText::Encoding::ShiftJis ? FromShiftJis(p.bytes) : FromUtf8(p.bytes);
  }
  return wide;
}

}  // namespace mirlo
