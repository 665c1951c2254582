#pragma once
// Where stripcheck writes its lines: the console on Windows (plain writes,
// no stream library, which would triple the program's size), a string in the
// tests.

#include <string>

namespace stripcheck {

class Output {
 public:
  virtual ~Output() = default;
  // Text with '\n' line ends; written out before the call returns.
  virtual void Write(const std::string& text) = 0;
};

class StringOutput : public Output {
 public:
  void Write(const std::string& more) override { text += more; }
  std::string text;
};

}  // namespace stripcheck
