#pragma once
// The two windows under measurement in one process: the viewer and the
// baseline. Only the one being measured is shown, so each is timed as if it
// stood alone on the desk.

#include <windows.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "baseline_window.h"
#include "clock.h"
#include "viewer_rig.h"

namespace mirlo::bench {

enum class Who { Viewer, Baseline };
const char* NameOf(Who who);

// How many times each figure is taken.
struct Sizes {
  int warmupBlocks = 1;     // rounds of paints and drag steps whose times are dropped
  int paintBlocks = 6;      // interleaved rounds over the two windows
  int paintsPerBlock = 20;  // timed paints in a round
  int dragBlocks = 6;
  int stepsPerBlock = 10;   // timed drag steps in a round
  int commandBlocks = 8;    // rounds of the command cycles (after two unmeasured)
  int commandRounds = 2;    // times each cycle runs in a round
  int quitBlocks = 6;       // after one dropped
  int profileRuns = 20;     // operations in each profile
};

class Stage {
 public:
  explicit Stage(HINSTANCE instance);
  void Create();

  ViewerRig& Viewer() { return viewer_; }
  BaselineWindow& Baseline() { return baseline_; }
  HWND WindowOf(Who who);

  // Shows `who` alone, and lets the window system settle.
  void ShowOnly(Who who);
  // Handles what is waiting (paints, moves) so it is not charged to the next
  // measurement. Pointer moves are dropped: a drag step is measured only
  // when the benchmark sends it.
  void Settle();
  // The order of the two windows in round `block`: each goes first equally
  // often.
  std::vector<Who> Order(int block) const;
  // Keeps a look for the rest of the run: the baseline paints from it
  // whenever the window system asks, also after the figure is taken.
  const Look& Keep(Look look) {
    looks_.push_back(std::move(look));
    return looks_.back();
  }

 private:
  std::deque<Look> looks_;
  ViewerRig viewer_;
  BaselineWindow baseline_;
};

// Writes the figures as tab-separated lines on standard output.
class Report {
 public:
  void Time(const std::string& id, const std::string& label, Who who, const Samples& s);
  void Check(const std::string& id, const std::string& problem);
  void Profile(const std::string& id, const std::string& who, const std::string& part,
               double callsPerOp, double usPerOp);
  void Info(const std::string& key, const std::string& value);
  int Failures() const { return failures_; }

 private:
  int failures_ = 0;
};

// Runs `op` once and returns its time in microseconds.
template <typename Op>
double Timed(Op&& op) {
  const LONGLONG start = Now();
  op();
  return TicksToMicroseconds(Now() - start);
}

}  // namespace mirlo::bench
