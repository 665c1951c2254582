#pragma once
// The application's standard box for errors that escape an event handler.

#include <stdexcept>
#include <string>

#include "platform/desktop.h"

namespace mirlo {

extern const char kApplicationTitle[];

// The text as the box shows it: a full stop is added after a letter, a
// digit or a Japanese character.
UserText ErrorBoxText(const UserText& message);

void ShowErrorBox(Desktop& desk, const UserText& message);

// Runs an event handler; an error escaping it is reported with its text
// (empty for an error of an unknown kind), and the rest of the handler is
// skipped.
template <typename Handler, typename Report>
void RunGuarded(Handler&& handler, Report&& report) {
  try {
    handler();
  } catch (const UserError& e) {
    report(e.Text());
  } catch (const std::exception& e) {
    report(UserText(e.what()));
  } catch (...) {
    report(UserText());
  }
}

}  // namespace mirlo
