#pragma once
// The texts of typed placement: numbers typed into the placement dialog, the
// one-line placement that Ctrl+C copies and the dialog reads back, and the
// dialog's monitor choices.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/desktop_types.h"
#include "viewer/viewer_state.h"

namespace mirlo {

// A number typed into a field (Shift-JIS bytes): ASCII or full-width digits
// ("３２０"), with a leading minus of either width, spaces of either width
// around it. A number past 10,000,000,000 stops there, since it is limited
// anyway. None for an empty field or any other text.
std::optional<int64_t> ParseTypedNumber(const std::string& text);

// printf's formatting of a short text (up to 159 bytes).
std::string Printed(const char* format, ...);

// "monitor=1 1024x768 x0=352 y0=249 x1=671 y1=488 320x240": the monitor's
// index and resolution, then the region as the strip carries it.
std::string PlacementLine(int32_t monitor, const Rect& monitorBounds, const RegionRecord& region);

struct PlacementLineValues {
  int32_t monitor;
  int32_t monitorWidth, monitorHeight;
  RegionRecord region;
};

// Whether a pasted text is meant as a placement line: one that begins with
// "monitor=", spaces and line ends around it aside.
bool IsPlacementLine(const std::string& text);
// The values of a placement line exactly as PlacementLine writes it; none
// when a field is missing, odd or disagrees with the others.
std::optional<PlacementLineValues> ParsePlacementLine(const std::string& text);

// The aspect of a pasted region: 0 for its 4:3 height, 1 for its 16:9
// height (both truncated as the viewer truncates them), else `current`.
int32_t AspectOfRegion(int32_t width, int32_t height, int32_t current);

// "1: 1024×768 (-1024,0)": index, resolution and desktop position.
std::string MonitorChoiceText(int32_t index, const Rect& bounds);

// "(352,249)-(671,488) 320×240", as the display-information box writes them.
std::string RegionPreviewText(const RegionRecord& region);

}  // namespace mirlo
