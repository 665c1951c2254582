#pragma once
// The readout's text: the numbers of the strip, as the display-information
// box shows them, on one line.

#include <string>

#include "viewer/viewer_state.h"

namespace mirlo {

// "(103,53)-(422,292) 320×240".
std::string ReadoutText(const RegionRecord& r);

}  // namespace mirlo
