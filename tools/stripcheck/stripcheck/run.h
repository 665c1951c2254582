#pragma once
// The whole program apart from looking at the screen, which the caller
// passes in: the Win32 entry gives the real capture, tests a made-up desk.

#include <functional>
#include <string>
#include <vector>

#include "stripcheck/desk.h"
#include "stripcheck/output.h"

namespace stripcheck {

constexpr int kExitOneStrip = 0;  // exactly one strip the device can use
constexpr int kExitNotOne = 1;    // none, or more than one
constexpr int kExitError = 2;     // bad command line, or the screen could not be read

struct Options {
  bool help = false;
  bool watch = false;
};

bool ParseOptions(const std::vector<std::string>& args, Options& out, std::string& error);

extern const char* const kUsage;

// Fills the desk from the screen; false with a reason when it cannot.
using LookFn = std::function<bool(Desk& desk, std::string& error)>;
// Waits until the next look of --watch; false ends the watch.
using PauseFn = std::function<bool()>;

// args exclude the program name. With --watch, looks until pause() says stop
// and returns the exit code of the last look.
int Run(const std::vector<std::string>& args, Output& out, Output& err,
        const LookFn& look, const PauseFn& pause);

}  // namespace stripcheck
