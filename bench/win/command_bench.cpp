// Each menu command (and the double-click). Commands run in short cycles
// that come back to where they began (320 -> 1440 -> 320, on -> off, ...),
// so every step is measured and each starts from the state the one before
// left, the same in every round. The baseline runs the same cycle with only
// the calls whose effect the user can see: the z-order change, the move,
// each menu mark or caption that changes, and one paint.

// The window-system header comes first: it renames entry points by macro.
#include "phases.h"

#include "app/popup_menu.h"

namespace mirlo::bench {

namespace {

constexpr int kDoubleClick = -1;
const LPARAM kClickPoint = MAKELPARAM(163, 123);

struct Step {
  std::string id;
  std::string label;
  int command;  // a menu command id, or kDoubleClick
};

using Cycle = std::vector<Step>;

std::vector<Cycle> Cycles() {
  using M = MenuItem;
  const int n3201 = Id(M::N3201);
  std::vector<Cycle> cycles;
  for (const WidthItem& w : WidthItems()) {
    if (w.width == 320) continue;
    const std::string width = std::to_string(w.width);
    cycles.push_back({{"cmd.width" + width, "width 320 -> " + width, Id(w.item)},
                      {"cmd.width320from" + width, "width " + width + " -> 320", n3201}});
  }
  cycles.push_back({{"cmd.N4", "full screen (mode 1)", Id(M::N4)},
                    {"cmd.width320fs1", "width 320 from full screen (mode 1)", n3201}});
  cycles.push_back({{"cmd.N5", "full screen 4:3 (mode 2)", Id(M::N5)},
                    {"cmd.width320fs2", "width 320 from full screen 4:3", n3201}});
  cycles.push_back({{"cmd.N6", "full screen 16:9 (mode 3)", Id(M::N6)},
                    {"cmd.width320fs3", "width 320 from full screen 16:9", n3201}});
  cycles.push_back({{"cmd.dblclick", "double-click, window -> full screen 4:3", kDoubleClick},
                    {"cmd.dblclickfs", "double-click, full screen -> window", kDoubleClick}});
  cycles.push_back({{"cmd.N15", "aspect wide", Id(M::N15)},
                    {"cmd.N14", "aspect normal", Id(M::N14)}});
  cycles.push_back({{"cmd.N7on", "always on top, on", Id(M::N7)},
                    {"cmd.N7off", "always on top, off", Id(M::N7)}});
  cycles.push_back({{"cmd.N9", "preset 2 (1024 wide) from preset 1", Id(M::N9)},
                    {"cmd.N10", "preset 3 (full screen 4:3) from preset 2", Id(M::N10)},
                    {"cmd.N8", "preset 1 (320 normal) from preset 3", Id(M::N8)}});
  return cycles;
}

void Act(ViewerRig& v, int command) {
  if (command == kDoubleClick) {
    SendMessageW(v.Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, kClickPoint);
  } else {
    v.Command(command);
  }
}

// The button goes up after a double-click, unmeasured.
void After(ViewerRig& v, int command) {
  if (command == kDoubleClick) SendMessageW(v.Window(), WM_LBUTTONUP, 0, kClickPoint);
}

}  // namespace

void RunCommands(Stage& stage, Report& report, const Sizes& sizes) {
  BaselineWindow& base = stage.Baseline();
  ViewerRig& v = stage.Viewer();
  for (const Cycle& cycle : Cycles()) {
    const size_t n = cycle.size();
    // looks[k] is what the viewer shows before step k; looks[n] == looks[0].
    std::vector<const Look*> looks(n + 1, nullptr);
    std::vector<Snapshot> shots[2];  // by Who, one per step
    stage.ShowOnly(Who::Viewer);
    v.Prepare({Id(MenuItem::N8)});
    // Once round unmeasured, so the cycle starts where it ends.
    for (const Step& s : cycle) {
      Act(v, s.command);
      After(v, s.command);
    }
    stage.Settle();
    looks[0] = &stage.Keep(v.LookNow());
    for (size_t k = 0; k < n; ++k) {
      Act(v, cycle[k].command);
      stage.Settle();
      looks[k + 1] = &stage.Keep(v.LookNow());
      shots[int(Who::Viewer)].push_back(SnapshotOf(v.Window(), v.MenuMarks()));
      After(v, cycle[k].command);
      stage.Settle();
    }
    if (!SameRect(looks[0]->window, looks[n]->window)) {
      report.Check(cycle[0].id + ".cycle", "the cycle does not come back to its start");
    }
    std::vector<std::vector<Change>> changes;
    for (size_t k = 0; k < n; ++k) {
      changes.push_back(base.ChangesBetween(*looks[k], *looks[k + 1]));
      // The window layer captures the mouse on a left press, double or not.
      if (cycle[k].command == kDoubleClick) {
        Change capture;
        capture.kind = Change::Capture;
        changes.back().insert(changes.back().begin(), capture);
      }
    }
    stage.ShowOnly(Who::Baseline);
    base.Become(*looks[0]);
    stage.Settle();
    for (size_t k = 0; k < n; ++k) {
      base.Apply(changes[k], looks[k + 1]->picture);
      stage.Settle();
      shots[int(Who::Baseline)].push_back(SnapshotOf(base.Window(), base.MenuMarks()));
      ReleaseCapture();
      report.Check(cycle[k].id,
                   Difference(shots[int(Who::Viewer)][k], shots[int(Who::Baseline)][k]));
    }

    std::vector<Samples> s[2];
    for (auto& v : s) v.resize(n);
    // The check above ran each cycle twice in the viewer: no round is dropped.
    for (int block = 0; block < sizes.commandBlocks; ++block) {
      for (Who who : stage.Order(block)) {
        stage.ShowOnly(who);
        for (int round = 0; round < sizes.commandRounds; ++round) {
          for (size_t k = 0; k < n; ++k) {
            double us;
            if (who == Who::Baseline) {
              us = Timed([&] { base.Apply(changes[k], looks[k + 1]->picture); });
              stage.Settle();
              ReleaseCapture();
            } else {
              us = Timed([&] { Act(v, cycle[k].command); });
              stage.Settle();
              After(v, cycle[k].command);
            }
            stage.Settle();
            s[int(who)][k].Add(us);
          }
        }
      }
    }
    for (size_t k = 0; k < n; ++k) {
      for (Who who : {Who::Viewer, Who::Baseline}) {
        report.Time(cycle[k].id, cycle[k].label, who, s[int(who)][k]);
      }
    }
  }
}

}  // namespace mirlo::bench
