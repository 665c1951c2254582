#pragma once
// Decides, monitor by monitor, what the device would read and, where it
// would read nothing usable, why.

#include <vector>

#include "stripcheck/desk.h"
#include "stripread/strip.h"

namespace stripcheck {

enum class Problem {
  None,             // a strip the device can use
  UnusableMonitor,  // the device cannot use the monitor's resolution
  BadChecksum,      // the strip's checksum does not match its coordinates
  Covered,          // another window lies over the strip's row
  NotMagenta,       // the announced rectangle is not exactly the magenta area
  Scaled,           // display scaling stretches the viewer
  NoStrip,          // nothing that looks like a strip
};

struct Finding {
  int monitor = 0;
  bool hasStrip = false;
  stripread::Strip strip;  // when hasStrip; coordinates relative to the monitor
  Problem problem = Problem::None;
  stripread::RegionCheck region;  // NotMagenta: what is wrong with the area
  int window = -1;                // Covered, NotMagenta: index into ViewerFacts::above
  int scalePercent = 0;           // Scaled
  int cellWidth = 0;              // Scaled, seen in the picture; 0 when told by the DPI facts
};

struct Diagnosis {
  // Each monitor's strips, or one finding that says why it has none.
  std::vector<Finding> findings;
  int validStrips = 0;
  int viewerMonitor = -1;  // the monitor holding most of the viewer; -1 none
};

Diagnosis Diagnose(const Desk& desk);

// The cell widths a stretched strip is looked for in: 150 % to 400 %.
constexpr int kMinStretchedCell = 3;
constexpr int kMaxStretchedCell = 8;

}  // namespace stripcheck
