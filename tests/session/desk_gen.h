#pragma once
// Random desks: one to three monitors of usable and unusable sizes, in a row
// or a column from any origin, with work areas cut on any edge.

#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "random.h"

namespace mirlo::session {

// Mostly small monitors (the canvas is filled pixel by pixel); with `small`
// only monitors up to 800 x 601. At least one usable monitor unless
// `allowNoUsable` and the dice say otherwise.
std::vector<SimMonitor> RandomDesk(Rng& rng, bool allowNoUsable, bool small);

// The ten resolutions the device reads, as the rules list them.
bool UsableSize(int32_t width, int32_t height);

// "[0] 640x480 at (0,0) work (0,0)-(640,450); ..."
std::string DescribeDesk(const std::vector<SimMonitor>& monitors);

}  // namespace mirlo::session
