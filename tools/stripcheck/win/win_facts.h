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

}  // namespace stripcheck
