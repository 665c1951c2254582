// Where the time of a handler goes: every call the viewer makes into the
// window-system layer, timed on its own (a repaint without the drawing
// calls made inside it), and what is left outside those calls. The
// baseline's paint is split into its Win32 calls the same way.

// The window-system header comes first: it renames entry points by macro.
#include "phases.h"

#include "app/popup_menu.h"

namespace mirlo::bench {

namespace {

// Runs `op` n times after `setup`, profiling only `op`, and reports for each
// kind of call its calls per operation and the median of its time per
// operation (medians: one stall of the machine does not make a call look
// slow).
template <typename Setup, typename Op>
void ProfileViewer(Stage& stage, Report& report, const std::string& id, int n, Setup&& setup,
                   Op&& op) {
  TimedDesktop& t = stage.Viewer().Timed();
  stage.ShowOnly(Who::Viewer);
  t.ClearProfile();
  Samples whole, outside;
  std::vector<Samples> perCall(size_t(Call::Count));
  std::vector<CallCost> before = t.Costs();
  LONGLONG insideBefore = 0;
  for (int i = 0; i < n; ++i) {
    setup(i);
    stage.Settle();
    t.SetProfiling(true);
    const double us = Timed([&] { op(i); });
    t.SetProfiling(false);
    const std::vector<CallCost>& after = t.Costs();
    whole.Add(us);
    outside.Add(us - TicksToMicroseconds(t.InsideTicks() - insideBefore));
    insideBefore = t.InsideTicks();
    for (size_t c = 0; c < after.size(); ++c) {
      perCall[c].Add(TicksToMicroseconds(after[c].exclusive - before[c].exclusive));
    }
    before = after;
    stage.Settle();
  }
  const std::vector<CallCost>& costs = t.Costs();
  const std::string who = NameOf(Who::Viewer);
  report.Profile(id, who, "whole operation", 1, whole.Median());
  report.Profile(id, who, "outside the desktop calls", 0, outside.Median());
  for (size_t c = 0; c < costs.size(); ++c) {
    if (costs[c].calls == 0) continue;
    report.Profile(id, who, CallName(Call(c)), double(costs[c].calls) / n, perCall[c].Median());
  }
}

void ReportParts(Report& report, const std::string& id, const PaintParts& p, double extraUs, int n) {
  auto us = [&](LONGLONG t) { return TicksToMicroseconds(t) / p.paints; };
  const std::string who = "baseline";
  report.Profile(id, who, "InvalidateRect", 1, us(p.invalidate));
  report.Profile(id, who, "UpdateWindow, less the paint", 1, us(p.update));
  report.Profile(id, who, "BeginPaint (erases)", 1, us(p.beginPaint));
  report.Profile(id, who, "frame lines", 0, us(p.frame));
  report.Profile(id, who, "black and magenta fills", 0, us(p.fills));
  report.Profile(id, who, "strip cells", 0, us(p.cells));
  report.Profile(id, who, "EndPaint", 1, us(p.endPaint));
  report.Profile(id, who, "GdiFlush and zero wait", 1, us(p.flush));
  if (n > 0) report.Profile(id, who, "SetWindowPos (move)", 1, extraUs / n);
}

void PaintWindow(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

void RunProfiles(Stage& stage, Report& report, const Sizes& sizes) {
  using M = MenuItem;
  const int n = sizes.profileRuns;
  BaselineWindow& base = stage.Baseline();
  ViewerRig& v = stage.Viewer();
  const int n8 = Id(M::N8);
  struct PaintCase {
    const char* id;
    std::vector<int> setup;
  };
  for (const PaintCase& c : {PaintCase{"paint.w320", {n8}}, PaintCase{"paint.fs1", {n8, Id(M::N4)}}}) {
    stage.ShowOnly(Who::Viewer);
    v.Prepare(c.setup);
    ProfileViewer(stage, report, c.id, n, [](int) {}, [&](int) { PaintWindow(v.Window()); });
    const Look& look = stage.Keep(v.LookNow());
    stage.ShowOnly(Who::Baseline);
    base.Become(look);
    stage.Settle();
    base.StartPaintParts();
    for (int i = 0; i < n; ++i) {
      base.Paint(look.picture);
      stage.Settle();
    }
    ReportParts(report, c.id, base.StopPaintParts(), 0, 0);
  }

  // Drag steps: the same pointer positions as the drag figures.
  struct DragCase {
    const char* id;
    POINT press;
  };
  for (const DragCase& d : {DragCase{"drag.move", {163, 123}}, DragCase{"drag.resize", {316, 200}}}) {
    stage.ShowOnly(Who::Viewer);
    v.Prepare({n8});
    stage.Settle();
    RECT r{};
    GetWindowRect(v.Window(), &r);
    const POINT p0{r.left + d.press.x, r.top + d.press.y};
    SetCursorPos(p0.x, p0.y);
    stage.Settle();
    SendMessageW(v.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(d.press.x, d.press.y));
    SetCursorPos(p0.x + 8, p0.y);
    stage.Settle();
    SendMessageW(v.Window(), WM_MOUSEMOVE, MK_LBUTTON, 0);
    ProfileViewer(
        stage, report, d.id, n, [&](int i) { SetCursorPos(p0.x + (i % 2 == 0 ? 0 : 8), p0.y); },
        [&](int) { SendMessageW(v.Window(), WM_MOUSEMOVE, MK_LBUTTON, 0); });
    SendMessageW(v.Window(), WM_LBUTTONUP, 0, 0);
    stage.Settle();
  }
  {
    // The baseline's step, its move and its paint apart.
    v.Prepare({n8});
    const Look& start = stage.Keep(v.LookNow());
    stage.ShowOnly(Who::Baseline);
    base.Become(start);
    stage.Settle();
    const Picture& picture = start.picture;
    double moveUs = 0;
    base.StartPaintParts();
    for (int i = 0; i < n; ++i) {
      RECT to = start.window;
      if (i % 2 == 0) OffsetRect(&to, 8, 0);
      moveUs += Timed([&] {
        SetWindowPos(base.Window(), nullptr, to.left, to.top, to.right - to.left,
                     to.bottom - to.top, SWP_NOZORDER | SWP_NOACTIVATE);
      });
      base.Paint(picture);  // the strip is not the moved one's: only the cost is looked at
      stage.Settle();
    }
    ReportParts(report, "drag.move", base.StopPaintParts(), moveUs, n);
  }

  // Single Win32 calls on the baseline window, standing at the start-up
  // place: what each costs under this window system.
  {
    v.Prepare({n8});
    const Look& start = stage.Keep(v.LookNow());
    stage.ShowOnly(Who::Baseline);
    base.Become(start);
    stage.Settle();
    HWND w = base.Window();
    const RECT r = start.window;
    auto time = [&](const char* part, auto&& call) {
      double sum = 0;
      for (int i = 0; i < n; ++i) {
        sum += Timed([&] { call(i); });
        stage.Settle();
      }
      report.Profile("calls", "baseline", part, 1, sum / n);
    };
    time("GetMonitorInfoA", [&](int) {
      MONITORINFO info{};
      info.cbSize = sizeof(info);
      GetMonitorInfoA(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &info);
    });
    time("GetWindowRect", [&](int) {
      RECT now{};
      GetWindowRect(w, &now);
    });
    time("GetCursorPos", [&](int) {
      POINT p{};
      GetCursorPos(&p);
    });
    time("CheckMenuItem", [&](int i) {
      CheckMenuItem(base.Menu(), 1005, MF_BYCOMMAND | (i % 2 == 0 ? MF_CHECKED : MF_UNCHECKED));
    });
    time("SetCursor(LoadCursor)", [&](int i) {
      SetCursor(LoadCursor(nullptr, i % 2 == 0 ? IDC_SIZEWE : IDC_HAND));
    });
    time("SetWindowPos, move 8 pixels", [&](int i) {
      const int dx = i % 2 == 0 ? 8 : 0;
      SetWindowPos(w, nullptr, r.left + dx, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    });
    time("SetWindowPos, 326x246 <-> 1446x1086", [&](int i) {
      if (i % 2 == 0) {
        SetWindowPos(w, nullptr, 237, 37, 1446, 1086, SWP_NOZORDER | SWP_NOACTIVATE);
      } else {
        SetWindowPos(w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      }
    });
    time("SetWindowPos, topmost <-> not", [&](int i) {
      SetWindowPos(w, i % 2 == 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    });
    // Leaving full screen: the band changed before or after the window
    // shrinks (the move itself timed apart).
    auto fullScreen = [&] {
      SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      SetWindowPos(w, nullptr, 0, 0, 1920, 1200, SWP_NOZORDER | SWP_NOACTIVATE);
      stage.Settle();
    };
    auto shrink = [&] {
      SetWindowPos(w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    };
    auto notTopmost = [&] { SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); };
    time("SetWindowPos, 1920x1200 topmost -> not", [&](int i) {
      if (i == 0) fullScreen();
      notTopmost();
    });
    // The two orders take turns, and medians are reported: one stall of
    // the machine does not decide which order looks slower.
    Samples shrinkFirst, leaveBandFirst;
    for (int i = 0; i < n; ++i) {
      fullScreen();
      leaveBandFirst.Add(Timed([&] { notTopmost(); shrink(); }));
      stage.Settle();
      fullScreen();
      shrinkFirst.Add(Timed([&] { shrink(); notTopmost(); }));
      stage.Settle();
    }
    report.Profile("calls", "baseline", "leave full screen: NOTOPMOST, then shrink", 2,
                   leaveBandFirst.Median());
    report.Profile("calls", "baseline", "leave full screen: shrink, then NOTOPMOST", 2,
                   shrinkFirst.Median());
    // Entering full screen: the band changed before or after the window
    // grows to the monitor.
    auto windowed = [&] {
      shrink();
      notTopmost();
      stage.Settle();
    };
    auto topmost = [&] { SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); };
    auto grow = [&] { SetWindowPos(w, nullptr, 0, 0, 1920, 1200, SWP_NOZORDER | SWP_NOACTIVATE); };
    Samples growFirst, enterBandFirst;
    for (int i = 0; i < n; ++i) {
      windowed();
      enterBandFirst.Add(Timed([&] { topmost(); grow(); }));
      stage.Settle();
      windowed();
      growFirst.Add(Timed([&] { grow(); topmost(); }));
      stage.Settle();
    }
    windowed();
    report.Profile("calls", "baseline", "enter full screen: TOPMOST, then grow", 2,
                   enterBandFirst.Median());
    report.Profile("calls", "baseline", "enter full screen: grow, then TOPMOST", 2,
                   growFirst.Median());
    base.Become(start);
    stage.Settle();
  }

  // Commands, each at its place in a cycle that comes back to its start:
  // the steps before and after it run unprofiled.
  struct CommandCase {
    const char* id;
    std::vector<int> cycle;
    size_t step;
  };
  const int n3201 = Id(M::N3201), n7 = Id(M::N7);
  const CommandCase commands[] = {
      {"cmd.width1440", {Id(M::N14401), n3201}, 0},
      {"cmd.width320from1440", {Id(M::N14401), n3201}, 1},
      {"cmd.N4", {Id(M::N4), n3201}, 0},
      {"cmd.N6", {Id(M::N6), n3201}, 0},
      {"cmd.width320fs1", {Id(M::N4), n3201}, 1},
      {"cmd.N7off", {n7, n7}, 1},
      {"cmd.N9", {Id(M::N9), Id(M::N10), n8}, 0},
      {"cmd.N8", {Id(M::N9), Id(M::N10), n8}, 2},
      {"cmd.quit", {Id(M::Quit)}, 0},
  };
  for (const CommandCase& c : commands) {
    stage.ShowOnly(Who::Viewer);
    v.Prepare({n8});
    auto run = [&](size_t from, size_t to) {
      for (size_t k = from; k < to; ++k) v.Command(c.cycle[k]);
    };
    auto reopen = [&] {
      // After a quit: the end request taken back, the viewer running again.
      MSG msg;
      while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
      }
      if (v.Form().State().Closing) {
        v.Form().State().Closing = false;
        PaintWindow(v.Window());
      }
    };
    run(0, c.cycle.size());
    reopen();
    // Before each run of the step, the rest of the cycle since the last.
    ProfileViewer(
        stage, report, c.id, n / 2,
        [&](int i) {
          if (i > 0) {
            reopen();
            run(c.step + 1, c.cycle.size());
          }
          run(0, c.step);
        },
        [&](int) { v.Command(c.cycle[c.step]); });
    reopen();
    run(c.step + 1, c.cycle.size());
    stage.Settle();
  }
}

}  // namespace mirlo::bench
