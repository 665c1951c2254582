// The quit sequence ("終了"): the closing strip painted, held 500 ms, the
// settings written, the end requested. The hold is timed on its own and
// taken off, for the viewer and the baseline alike. Afterwards, unmeasured,
// the end request is taken from the queue and the viewer is made running
// again.

// The window-system header comes first: it renames entry points by macro.
#include "phases.h"

#include "app/popup_menu.h"

namespace mirlo::bench {

namespace {

void TakeQuitRequest() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void Reopen(ViewerRig& v) {
  TakeQuitRequest();
  v.Form().State().Closing = false;
  InvalidateRect(v.Window(), nullptr, TRUE);
  UpdateWindow(v.Window());
}

}  // namespace

void RunQuit(Stage& stage, Report& report, const Sizes& sizes) {
  const char* id = "cmd.quit";
  const char* label = "quit, less the 500 ms hold";
  const int quit = Id(MenuItem::Quit);
  BaselineWindow& base = stage.Baseline();
  ViewerRig& v = stage.Viewer();
  Snapshot shots[2];
  stage.ShowOnly(Who::Viewer);
  v.Prepare({Id(MenuItem::N8)});
  stage.Settle();
  const Look* before = &stage.Keep(v.LookNow());
  v.Timed().RecordWrites(true);
  v.Command(quit);
  v.Timed().RecordWrites(false);
  const std::vector<ProfileWrite> writes = v.Timed().TakeWrites();
  const Look* closing = &stage.Keep(v.LookNow());
  stage.Settle();
  shots[int(Who::Viewer)] = SnapshotOf(v.Window(), v.MenuMarks());
  Reopen(v);
  stage.Settle();
  stage.ShowOnly(Who::Baseline);
  base.Become(*before);
  stage.Settle();
  base.Quit(closing->picture, writes);
  TakeQuitRequest();
  stage.Settle();
  shots[int(Who::Baseline)] = SnapshotOf(base.Window(), base.MenuMarks());
  report.Check(id, Difference(shots[int(Who::Viewer)], shots[int(Who::Baseline)]));
  report.Info("quit.writes", std::to_string(writes.size()));

  Samples s[2];
  for (int block = 0; block < 1 + sizes.quitBlocks; ++block) {
    for (Who who : stage.Order(block)) {
      stage.ShowOnly(who);
      double us;
      if (who == Who::Baseline) {
        base.Become(*before);
        stage.Settle();
        LONGLONG held = 0;
        us = Timed([&] { held = base.Quit(closing->picture, writes); });
        us -= TicksToMicroseconds(held);
        TakeQuitRequest();
      } else {
        v.Prepare({Id(MenuItem::N8)});
        stage.Settle();
        v.Timed().TakeSleptTicks();
        us = Timed([&] { v.Command(quit); });
        us -= TicksToMicroseconds(v.Timed().TakeSleptTicks());
        stage.Settle();
        Reopen(v);
      }
      stage.Settle();
      if (block >= 1) s[int(who)].Add(us);
    }
  }
  for (Who who : {Who::Viewer, Who::Baseline}) report.Time(id, label, who, s[int(who)]);
}

}  // namespace mirlo::bench
