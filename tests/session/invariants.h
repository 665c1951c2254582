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

// The region a paint makes: where it lies on the window and on its monitor.
struct Region {
  int32_t cx, cy, x0, y0, w, h;
};

// What reached the viewer in the step, one event a line, for reports.
std::string DescribeDeliveries(const StepRecord& r);

// Faults found before and not yet mended; a checker can be told to let them
// pass so that a long run goes on to find others.
// How often the checks met each case, so a run shows what it covered.
struct Coverage {
  long long starts = 0, refusedStarts = 0, quits = 0, refusedSaves = 0;
  long long dragSteps[5] = {0, 0, 0, 0, 0};  // move, left, right, top, bottom
  long long modeSteps[5] = {0, 0, 0, 0, 0};  // 0, 1, 2, 3, any other
  long long emptyRegions = 0, crampedSteps = 0, dialogs = 0;
  long long snappedSteps = 0, readoutSteps = 0;  // drag steps with Ctrl held, steps with the readout up
  Coverage& operator+=(const Coverage& other);
  std::string Describe() const;
};

class InvariantChecker {
 public:
  // Empty when everything holds, else a readable account of what does not.
  std::string Check(Session& s, const StepRecord& r);
  const Coverage& Covered() const { return coverage_; }

 private:
  void CheckStart(Session& s);
  void CheckDeliveries(Session& s, const StepRecord& r);
  void CheckEnding(Session& s, const StepRecord& r);
  void CheckBoxesAndDialog(Session& s, const StepRecord& r);
  void CheckPicture(Session& s);
  void ReadPictures(Session& s, const Region& r, const RegionRecord& want, char lead);
  void CheckPlacement(Session& s, const StepRecord& r);
  void CheckMenu(Session& s);
  void CheckReadout(Session& s);
  void Fail(const std::string& what);
  void Count(Session& s, const StepRecord& r);

  // The viewer's monitor has a work area too small for the smallest window.
  bool TinyWorkArea(Session& s) const;
  Coverage coverage_;
  stripread::Image canvas_, picture_;  // kept from step to step
  // The picture last found right: unchanged without a paint or a move.
  int checkedPaints_ = -1;
  Rect checkedWindow_;
  int32_t checkedMonitor_ = 0;
  bool checkedLead_ = false;
  std::string failures_;
  bool quitStarted_ = false;  // the strip's lead letter is S from here on
  bool armed_ = false;        // a drag is under way, by the rules
  // Since the window was last laid out, a drag began on a window larger than
  // the work area: the drag rules keep only the moving edges inside it.
  bool loose_ = false;
  Rect dragStart_;
  Point dragPress_;
};

}  // namespace mirlo::session
