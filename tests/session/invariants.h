#pragma once
// What must hold after every step of a session, written from the viewer's
// rules: the strip on the canvas and on the monitor's picture names exactly
// the painted region, which follows from the window and the display mode;
// a windowed viewer stands on a usable monitor, inside its work area when it
// fits, between the smallest and the largest width; a full-screen viewer
// covers its monitor; drags follow the drag rules; only a refused save shows
// a message, and only the quit item and the work-area notice end the program.

#include <string>

#include "session.h"
#include "stripread/stripread.h"

namespace mirlo::session {

// The viewer's window and state in one line, for reports.
std::string DescribeViewer(Session& s);

// What reached the viewer in the step, one event a line, for reports.
std::string DescribeDeliveries(const StepRecord& r);

// Faults found before and not yet mended; a checker can be told to let them
// pass so that a long run goes on to find others.
struct KnownFaults {
  // On a work area narrower than the smallest window or lower than its
  // smallest height, a drag cut at the work area's edge leads the other
  // dimension back below the smallest size: the region can end narrower
  // than 320, even too narrow for the strip.
  bool dragBelowSmallestOnTinyWorkArea = false;
};

class InvariantChecker {
 public:
  explicit InvariantChecker(KnownFaults tolerated = {}) : tolerated_(tolerated) {}

  // Empty when everything holds, else a readable account of what does not.
  std::string Check(Session& s, const StepRecord& r);

 private:
  void CheckStart(Session& s);
  void CheckDeliveries(Session& s, const StepRecord& r);
  void CheckEnding(Session& s, const StepRecord& r);
  void CheckPicture(Session& s);
  void CheckPlacement(Session& s, const StepRecord& r);
  void CheckMenu(Session& s);
  void Fail(const std::string& what);

  // The viewer's monitor has a work area too small for the smallest window.
  bool TinyWorkArea(Session& s) const;

  KnownFaults tolerated_;
  stripread::Image canvas_, picture_;  // kept from step to step
  std::string failures_;
  bool quitStarted_ = false;  // the strip's lead letter is S from here on
  bool armed_ = false;        // a drag is under way, by the rules
  // The window was last placed by a drag that began on a window larger than
  // the work area: the drag rules keep only the moving edges inside it.
  bool loose_ = false;
  Rect dragStart_;
  Point dragPress_;
};

}  // namespace mirlo::session
