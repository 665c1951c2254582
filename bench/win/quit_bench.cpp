// The quit sequence ("終了"): the closing strip painted, held 500 ms, the
// settings written, the end requested. The hold is timed on its own and
// taken off, for the viewers and the baseline alike. Afterwards, unmeasured,
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
  const Look* before = nullptr;
  const Look* closing = nullptr;
  std::vector<ProfileWrite> writes;
  Snapshot shots[3];
  for (Who who : {Who::Quiet, Who::Plain}) {
    ViewerRig& v = stage.Viewer(who);
    stage.ShowOnly(who);
    v.Prepare({Id(MenuItem::N8)});
    stage.Settle();
    if (who == Who::Quiet) before = &stage.Keep(v.LookNow());
    v.Timed().RecordWrites(true);
    v.Command(quit);
    v.Timed().RecordWrites(false);
    if (who == Who::Quiet) {
      writes = v.Timed().TakeWrites();
      closing = &stage.Keep(v.LookNow());
    } else {
      v.Timed().TakeWrites();
    }
    stage.Settle();
    shots[int(who)] = SnapshotOf(v.Window(), v.MenuMarks());
    Reopen(v);
    stage.Settle();
  }
  stage.ShowOnly(Who::Baseline);
  base.Become(*before);
  stage.Settle();
  base.Quit(closing->picture, writes);
  TakeQuitRequest();
  stage.Settle();
  shots[2] = SnapshotOf(base.Window(), base.MenuMarks());
  report.Check(std::string(id) + ".quiet", Difference(shots[0], shots[2]));
  report.Check(std::string(id) + ".plain", Difference(shots[1], shots[2]));
  report.Info("quit.writes", std::to_string(writes.size()));

  Samples s[3];
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
        ViewerRig& v = stage.Viewer(who);
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
  for (Who who : {Who::Quiet, Who::Plain, Who::Baseline}) report.Time(id, label, who, s[int(who)]);
}

}  // namespace mirlo::bench
