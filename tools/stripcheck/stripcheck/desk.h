#pragma once
// What stripcheck looks at: every monitor's picture and what the window
// system says about the viewer's window. The Win32 layer gathers it; the
// diagnosis only reads it, so it runs on any desk a test makes up.

#include <string>
#include <vector>

#include "platform/desktop_types.h"
#include "stripread/image.h"

namespace stripcheck {

using mirlo::Rect;  // desktop pixels, right and bottom exclusive

struct MonitorShot {
  Rect bounds;
  stripread::Image image;  // exactly the bounds' size, as the monitor shows it
};

// A visible top-level window in front of the viewer that overlaps it.
struct WindowAbove {
  Rect rect;
  std::string name;  // its title in UTF-8, or its class in brackets when it has none
};

struct ViewerFacts {
  bool found = false;
  Rect rect;
  // The dots per inch the viewer draws for, and those of the monitor it
  // stands on; the system stretches the window when the two differ. 0: the
  // system could not say.
  int windowDpi = 0;
  int monitorDpi = 0;
  std::vector<WindowAbove> above;  // nearest the top first
};

struct Desk {
  std::vector<MonitorShot> monitors;  // in the window system's enumeration order
  ViewerFacts viewer;
};

}  // namespace stripcheck
