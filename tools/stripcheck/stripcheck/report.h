#pragma once
// Words for a diagnosis: one line per strip, or per monitor without one, in
// the strip reader's key=value style, then one line with the verdict.

#include <string>
#include <vector>

#include "stripcheck/desk.h"
#include "stripcheck/diagnosis.h"

namespace stripcheck {

// "1920x1200+0+0"; a negative coordinate keeps its own sign: "1024x768-1024+0".
std::string MonitorGeometry(const Rect& bounds);

// The word after "problem=".
const char* ProblemWord(Problem p);

std::vector<std::string> ReportLines(const Desk& desk, const Diagnosis& d);

}  // namespace stripcheck
