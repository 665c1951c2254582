// A drag step with the readout against the same viewer's drag step without
// it, as the viewer dragged before the readout existed: the pass-through
// desktop then stops the readout's calls, and all else is the same. Each
// round presses, takes one step unmeasured (the first shows the readout and
// sets the cursor), then times steps back and forth between two pointer
// positions 8 pixels apart, with and without the readout in turn, so that
// both meet the machine's busy moments alike; every step with it gives the
// readout new numbers at the same place. (What the X server still does for
// the readout's 216 x 19 pixels after a step falls to the next one.)

// The window-system header comes first: it renames entry points by macro.
#include "phases.h"

#include "app/popup_menu.h"

namespace mirlo::bench {

namespace {

struct ReadoutCase {
  const char* id;
  const char* label;
  POINT press;  // in the 326 x 246 window of preset 1
};

constexpr int kStep = 8;
// Steps are short next to a busy machine's pauses: four times the drag
// figure's samples make the medians hold still.
constexpr int kMoreSamples = 4;

LPARAM ClientPoint(HWND window, POINT screen) {
  RECT r{};
  GetWindowRect(window, &r);
  return MAKELPARAM(screen.x - r.left, screen.y - r.top);
}

}  // namespace

void RunReadoutDrags(Stage& stage, Report& report, const Sizes& sizes) {
  const ReadoutCase cases[] = {
      {"readout.move", "drag step with the readout, move", {163, 123}},
      {"readout.resize", "drag step with the readout, resize (right edge)", {316, 200}},
  };
  ViewerRig& v = stage.Viewer();
  HWND w = v.Window();
  for (const ReadoutCase& c : cases) {
    POINT pointers[2] = {};
    Samples with, without;
    for (int block = 0; block < sizes.warmupBlocks + sizes.dragBlocks; ++block) {
      const bool keep = block >= sizes.warmupBlocks;
      stage.ShowOnly(Who::Viewer);
      v.Prepare({Id(MenuItem::N8)});
      stage.Settle();
      RECT r{};
      GetWindowRect(w, &r);
      pointers[0] = POINT{r.left + c.press.x, r.top + c.press.y};
      pointers[1] = POINT{pointers[0].x + kStep, pointers[0].y};
      SetCursorPos(pointers[0].x, pointers[0].y);
      stage.Settle();
      SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.press.x, c.press.y));
      stage.Settle();
      for (int i = 0; i <= 2 * kMoreSamples * sizes.stepsPerBlock; ++i) {
        const bool readout = i == 0 || (i + block) % 2 == 0;
        v.Timed().PassReadout(readout);
        const POINT p = pointers[(i + 1) % 2];
        SetCursorPos(p.x, p.y);
        stage.Settle();
        const double us = Timed([&] { SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, p)); });
        stage.Settle();
        if (keep && i > 0) (readout ? with : without).Add(us);
      }
      v.Timed().PassReadout(true);
      SendMessageW(w, WM_LBUTTONUP, 0, ClientPoint(w, pointers[0]));
      stage.Settle();
    }
    v.Timed().PassReadout(true);
    // Reported as the viewer against a baseline: the step without the
    // readout is the baseline.
    report.Time(c.id, c.label, Who::Viewer, with);
    report.Time(c.id, c.label, Who::Baseline, without);
  }
}

}  // namespace mirlo::bench
