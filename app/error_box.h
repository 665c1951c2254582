#pragma once
// The application's standard box for errors that escape an event handler.

#include <stdexcept>
#include <string>

#include "platform/desktop.h"

namespace mirlo {

extern const char kApplicationTitle[];

// An error the program raises itself; its text is shown to the user.
class ViewerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text as the box shows it: a full stop is added after a letter, a
// digit or a Japanese character.
std::string ErrorBoxText(const std::string& message);

void ShowErrorBox(Desktop& desk, const std::string& message);

// Runs an event handler; an error escaping it is shown in the standard box,
// the rest of the handler is skipped and the message loop goes on.
template <typename Handler>
void RunGuarded(Desktop& desk, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowErrorBox(desk, e.what());
  } catch (...) {
    ShowErrorBox(desk, "");
  }
}

}  // namespace mirlo
