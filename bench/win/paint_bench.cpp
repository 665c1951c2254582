// A paint as the window system asks for it: the whole window invalidated
// and painted at once.

// The window-system header comes first: it renames entry points by macro.
#include "phases.h"

#include "app/popup_menu.h"

namespace mirlo::bench {

namespace {

struct PaintCase {
  const char* id;
  const char* label;
  std::vector<int> setup;
};

void PaintWindow(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

void RunPaints(Stage& stage, Report& report, const Sizes& sizes) {
  using M = MenuItem;
  const std::vector<PaintCase> cases = {
      {"paint.w320", "paint, windowed 320", {Id(M::N8)}},
      {"paint.w1440", "paint, windowed 1440", {Id(M::N8), Id(M::N14401)}},
      {"paint.fs1", "paint, full screen (mode 1)", {Id(M::N8), Id(M::N4)}},
      {"paint.fs2", "paint, full screen 4:3 (mode 2)", {Id(M::N8), Id(M::N5)}},
  };
  for (const PaintCase& c : cases) {
    ViewerRig& viewer = stage.Viewer();
    stage.ShowOnly(Who::Viewer);
    viewer.Prepare(c.setup);
    stage.Settle();
    const Look& look = stage.Keep(viewer.LookNow());
    BaselineWindow& base = stage.Baseline();
    stage.ShowOnly(Who::Baseline);
    base.Become(look);
    stage.Settle();

    // The baseline must show what the viewer shows.
    Snapshot shots[2];
    for (Who who : {Who::Viewer, Who::Baseline}) {
      stage.ShowOnly(who);
      PaintWindow(stage.WindowOf(who));
      stage.Settle();
      shots[int(who)] = SnapshotOf(stage.WindowOf(who), who == Who::Baseline ? base.MenuMarks()
                                                                             : viewer.MenuMarks());
    }
    report.Check(c.id, Difference(shots[0], shots[1]));

    Samples s[2];
    for (int block = 0; block < sizes.warmupBlocks + sizes.paintBlocks; ++block) {
      for (Who who : stage.Order(block)) {
        stage.ShowOnly(who);
        HWND w = stage.WindowOf(who);
        for (int i = 0; i < sizes.paintsPerBlock; ++i) {
          const double us = who == Who::Baseline ? Timed([&] { base.Paint(look.picture); })
                                                 : Timed([&] { PaintWindow(w); });
          if (block >= sizes.warmupBlocks) s[int(who)].Add(us);
          stage.Settle();
        }
      }
    }
    for (Who who : {Who::Viewer, Who::Baseline}) report.Time(c.id, c.label, who, s[int(who)]);
  }
}

}  // namespace mirlo::bench
