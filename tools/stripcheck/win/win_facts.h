#pragma once
// What the Win32 layer reads from the system for one look at the desk.

#include <string>
#include <vector>

#include "stripcheck/desk.h"

namespace stripcheck {

// Every monitor in enumeration order with its picture in physical pixels.
bool CaptureMonitors(std::vector<MonitorShot>& out, std::string& error);

// The viewer's window (class "TForm1"), its DPI facts and the windows in
// front of it that overlap it.
ViewerFacts FindViewer();

// Both: the whole desk as the device and the diagnosis see it now. What
// stripcheck.exe reads and what the viewer's own check reads.
bool LookAtDesk(Desk& desk, std::string& error);

}  // namespace stripcheck
