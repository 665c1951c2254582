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
  ViewerRig& v = stage.Viewer();
  for (const DragCase& c : cases) {
    // The two rectangles the steps alternate between, as the viewer makes
    // them, and what the baseline has to show for each: shots[at][who].
    const Look* looks[2] = {nullptr, nullptr};
    POINT pointers[2] = {};
    Snapshot shots[2][2];
    auto press = [&] {
      stage.ShowOnly(Who::Viewer);
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
    auto step = [&](int i) {
      HWND w = v.Window();
      const POINT p = pointers[(i + 1) % 2];
      SetCursorPos(p.x, p.y);
      stage.Settle();
      const double us = Timed([&] { SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(w, p)); });
      stage.Settle();
      return us;
    };
    auto release = [&] {
      HWND w = v.Window();
      SendMessageW(w, WM_LBUTTONUP, 0, ClientPoint(w, pointers[0]));
      stage.Settle();
    };

    press();
    looks[0] = &stage.Keep(v.LookNow());
    for (int i = 0; i < 2; ++i) {
      step(i);
      const int at = (i + 1) % 2;
      if (at == 1) looks[1] = &stage.Keep(v.LookNow());
      shots[at][int(Who::Viewer)] = SnapshotOf(v.Window(), v.MenuMarks());
    }
    release();
    stage.ShowOnly(Who::Baseline);
    base.Become(*looks[0]);
    stage.Settle();
    for (int i = 0; i < 2; ++i) {
      const int at = (i + 1) % 2;
      SetCursorPos(pointers[at].x, pointers[at].y);
      stage.Settle();
      base.DragStep(looks[at]->window, looks[at]->picture);
      stage.Settle();
      shots[at][int(Who::Baseline)] = SnapshotOf(base.Window(), base.MenuMarks());
    }
    for (int at = 0; at < 2; ++at) {
      const std::string where = at == 0 ? ".back" : ".out";
      report.Check(c.id + where,
                   Difference(shots[at][int(Who::Viewer)], shots[at][int(Who::Baseline)]));
    }

    Samples s[2];
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
            if (keep && i > 0) s[int(Who::Baseline)].Add(us);
          }
          ReleaseCapture();
          continue;
        }
        press();
        for (int i = 0; i <= sizes.stepsPerBlock; ++i) {
          const double us = step(i);
          if (keep && i > 0) s[int(Who::Viewer)].Add(us);
        }
        release();
      }
    }
    for (Who who : {Who::Viewer, Who::Baseline}) report.Time(c.id, c.label, who, s[int(who)]);
  }
}

}  // namespace mirlo::bench
