#pragma once
// Runs a session step by step, checking the invariants after each.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "invariants.h"
#include "session.h"

namespace mirlo::session {

struct SoakResult {
  bool ok = true;
  int64_t steps = 0;   // steps run, the failing one included
  std::string report;  // seed, step, what broke, the last actions and the start
  Coverage covered;
};

// `beforeStep` runs ahead of each step with its number (a watchdog's hook).
// With `trace`, every step is printed to it as it runs.
SoakResult RunSession(uint64_t seed, int64_t steps, SessionOptions options = {},
                      const std::function<void(int64_t)>& beforeStep = nullptr,
                      std::FILE* trace = nullptr);

}  // namespace mirlo::session
