// A drag step: the pointer is put where the user moved it, then the mouse
// move reaches the window. Each round presses, takes one step unmeasured
// (the first sets the cursor shape), then times its steps back and forth
// between two pointer positions, and releases.

// The window-system header comes first: it renames entry points by macro.
#include "phases.h"

#include "app/popup_menu.h"

namespace mirlo::bench {

namespace {

struct DragCase {
  const char* id;
  const char* label;
  POINT press;  // in the 326 x 246 window of preset 1
};

constexpr int kStep = 8;  // pixels the pointer moves right and back

LPARAM ClientPoint(HWND window, POINT screen) {
  RECT r{};
  GetWindowRect(window, &r);
  return MAKELPARAM(screen.x - r.left, screen.y - r.top);
}

}  // namespace

void RunDrags(Stage& stage, Report& report, const Sizes& sizes) {
  const std::vector<DragCase> cases = {
      {"drag.move", "drag step, move", {163, 123}},
      {"drag.resize", "drag step, resize (right edge)", {316, 200}},
  };
  BaselineWindow& base = stage.Baseline();
  for (const DragCase& c : cases) {
    // The two rectangles the steps alternate between, as the viewers make
    // them, and what the baseline has to show for each.
    const Look* looks[2] = {nullptr, nullptr};
    POINT pointers[2] = {};
    Snapshot shots[2][3];
    auto press = [&](Who who) {
      ViewerRig& v = stage.Viewer(who);
      stage.ShowOnly(who);
      v.Prepare({Id(MenuItem::N8)});
      stage.Settle();
      RECT r{};
      GetWindowRect(v.Window(), &r);
      pointers[0] = POINT{r.left + c.press.x, r.top + c.press.y};
      pointers[1] = POINT{pointers[0].x + kStep, pointers[0].y};
      SetCursorPos(pointers[0].x, pointers[0].y);
      stage.Settle();
      SendMessageW(v.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.press.x, c.press.y));
      stage.Settle();
    };
    auto step = [&](Who who, int i) {
      HWND w = stage.Viewer(who).Window();
      const POINT p = pointers[(i + 1) % 2];
      SetCursorPos(p.x, p.y);
      stage.Settle();
      const double us = Timed([&] { SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, p)); });
      stage.Settle();
      return us;
    };
    auto release = [&](Who who) {
      HWND w = stage.Viewer(who).Window();
      SendMessageW(w, WM_LBUTTONUP, 0, ClientPoint(w, pointers[0]));
      stage.Settle();
    };

    for (Who who : {Who::Quiet, Who::Plain}) {
      press(who);
      if (who == Who::Quiet) looks[0] = &stage.Keep(stage.Viewer(who).LookNow());
      for (int i = 0; i < 2; ++i) {
        step(who, i);
        const int at = (i + 1) % 2;
        if (who == Who::Quiet && at == 1) looks[1] = &stage.Keep(stage.Viewer(who).LookNow());
        shots[at][int(who)] = SnapshotOf(stage.Viewer(who).Window(), stage.Viewer(who).MenuMarks());
      }
      release(who);
    }
    stage.ShowOnly(Who::Baseline);
    base.Become(*looks[0]);
    stage.Settle();
    for (int i = 0; i < 2; ++i) {
      const int at = (i + 1) % 2;
      SetCursorPos(pointers[at].x, pointers[at].y);
      stage.Settle();
      base.DragStep(looks[at]->window, looks[at]->picture);
      stage.Settle();
      shots[at][2] = SnapshotOf(base.Window(), base.MenuMarks());
    }
    for (int at = 0; at < 2; ++at) {
      const std::string where = at == 0 ? ".back" : ".out";
      report.Check(c.id + where + ".quiet", Difference(shots[at][0], shots[at][2]));
      report.Check(c.id + where + ".plain", Difference(shots[at][1], shots[at][2]));
    }

    Samples s[3];
    for (int block = 0; block < sizes.warmupBlocks + sizes.dragBlocks; ++block) {
      const bool keep = block >= sizes.warmupBlocks;
      for (Who who : stage.Order(block)) {
        if (who == Who::Baseline) {
          stage.ShowOnly(who);
          base.Become(*looks[0]);
          SetCursorPos(pointers[0].x, pointers[0].y);
          stage.Settle();
          SetCapture(base.Window());
          for (int i = 0; i <= sizes.stepsPerBlock; ++i) {
            const int at = (i + 1) % 2;
            SetCursorPos(pointers[at].x, pointers[at].y);
            stage.Settle();
            const double us = Timed([&] { base.DragStep(looks[at]->window, looks[at]->picture); });
            stage.Settle();
            if (keep && i > 0) s[2].Add(us);
          }
          ReleaseCapture();
          continue;
        }
        press(who);
        for (int i = 0; i <= sizes.stepsPerBlock; ++i) {
          const double us = step(who, i);
          if (keep && i > 0) s[int(who)].Add(us);
        }
        release(who);
      }
    }
    for (Who who : {Who::Quiet, Who::Plain, Who::Baseline}) report.Time(c.id, c.label, who, s[int(who)]);
  }
}

}  // namespace mirlo::bench
