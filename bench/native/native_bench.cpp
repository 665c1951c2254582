// The viewer's logic on the simulated desktop, timed natively with Google
// Benchmark: a paint, a drag step, each command cycle, the quit and the
// start-up, for the quiet viewer and the one that makes every call. The
// simulated desktop keeps no canvas here (DrawNothing), so the figures are
// the logic and the simulated desktop's bookkeeping, not pixel filling.
//
// Names are "<figure>/<quiet|plain>", read by bench/report.py.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "app/popup_menu.h"
#include "platform/sim/sim_desktop.h"

namespace mirlo {
namespace {

const char kIni[] = "C:\\Tools\\MirloViewer\\veltmirl.ini";
// The presets the Windows benchmark uses: the start-up place, a wide 1024
// window and the 4:3 full screen.
const char kPresets[] =
    "[Pre1Parameter]\r\nFull=0\r\nWidth=320\r\nAspect=0\r\nX=797\r\nY=457\r\nScrIdx=0\r\n"
    "[Pre2Parameter]\r\nFull=0\r\nWidth=1024\r\nAspect=1\r\nX=100\r\nY=80\r\nScrIdx=0\r\n"
    "[Pre3Parameter]\r\nFull=2\r\nWidth=320\r\nAspect=0\r\nX=0\r\nY=0\r\nScrIdx=0\r\n";

constexpr int kDoubleClick = -1;

// One 1920 x 1200 monitor with a 40-row task bar, as under Wine.
struct Rig {
  // The viewer has no quiet flag any more: both variants run the same viewer.
  explicit Rig(bool) : desk({MakeMonitor(0, 0, 1920, 1200, 40)}), form(desk) {
    desk.DrawNothing();
    desk.SetProfileFileText(kIni, kPresets);
    desk.CreateMainWindow(form);
    form.Create();
  }
  void Act(int command) {
    if (command == kDoubleClick) {
      desk.DoubleClickLeft(163, 123);
      desk.Release(MouseButton::Left);
    } else {
      desk.ChooseMenu(command);
    }
  }
  // The simulated desktop logs every call; the log is emptied now and then.
  void Trim() {
    if (desk.CallLog().size() > 4096) desk.ClearCallLog();
  }
  SimDesktop desk;
  TForm1 form;
};

const char* Variant(bool quiet) { return quiet ? "quiet" : "plain"; }

void Paint(benchmark::State& st, bool quiet, std::vector<int> setup) {
  Rig r(quiet);
  for (int id : setup) r.Act(id);
  for (auto _ : st) {
    r.desk.Repaint();
    r.Trim();
  }
}

void DragStep(benchmark::State& st, bool quiet, Point press) {
  Rig r(quiet);
  r.Act(Id(MenuItem::N8));
  const Rect w = r.desk.WindowBounds();
  const Point p0{w.left + press.x, w.top + press.y};
  const Point p1{p0.x + 8, p0.y};
  r.desk.MoveMouseTo(p0);
  r.desk.Press(MouseButton::Left, press.x, press.y);
  r.desk.MoveMouseTo(p1);  // the first step sets the cursor shape
  bool out = false;
  for (auto _ : st) {
    r.desk.MoveMouseTo(out ? p1 : p0);
    out = !out;
    r.Trim();
  }
}

void Cycle(benchmark::State& st, bool quiet, std::vector<int> steps) {
  Rig r(quiet);
  r.Act(Id(MenuItem::N8));
  for (auto _ : st) {
    for (int id : steps) r.Act(id);
    r.Trim();
  }
  st.counters["steps"] = double(steps.size());
}

void Quit(benchmark::State& st, bool quiet) {
  Rig r(quiet);
  for (auto _ : st) {
    r.Act(Id(MenuItem::Quit));
    r.form.State().Closing = false;
    r.Trim();
  }
}

void Startup(benchmark::State& st, bool quiet) {
  for (auto _ : st) {
    Rig r(quiet);
    benchmark::DoNotOptimize(r.form.State().RegionRect);
  }
}

void RegisterAll() {
  using M = MenuItem;
  const int n8 = Id(M::N8);
  for (bool quiet : {true, false}) {
    const std::string v = Variant(quiet);
    auto add = [&](const std::string& name, auto fn, auto... args) {
      benchmark::RegisterBenchmark((name + "/" + v).c_str(), fn, quiet, args...);
    };
    add("paint.w320", Paint, std::vector<int>{n8});
    add("paint.w1440", Paint, std::vector<int>{n8, Id(M::N14401)});
    add("paint.fs1", Paint, std::vector<int>{n8, Id(M::N4)});
    add("paint.fs2", Paint, std::vector<int>{n8, Id(M::N5)});
    add("drag.move", DragStep, Point{163, 123});
    add("drag.resize", DragStep, Point{316, 200});
    for (const WidthItem& w : WidthItems()) {
      if (w.width == 320) continue;
      add("cycle.width" + std::to_string(w.width), Cycle, std::vector<int>{Id(w.item), Id(M::N3201)});
    }
    add("cycle.N4", Cycle, std::vector<int>{Id(M::N4), Id(M::N3201)});
    add("cycle.N5", Cycle, std::vector<int>{Id(M::N5), Id(M::N3201)});
    add("cycle.N6", Cycle, std::vector<int>{Id(M::N6), Id(M::N3201)});
    add("cycle.dblclick", Cycle, std::vector<int>{kDoubleClick, kDoubleClick});
    add("cycle.aspect", Cycle, std::vector<int>{Id(M::N15), Id(M::N14)});
    add("cycle.N7", Cycle, std::vector<int>{Id(M::N7), Id(M::N7)});
    add("cycle.presets", Cycle, std::vector<int>{Id(M::N9), Id(M::N10), Id(M::N8)});
    add("quit", Quit);
    add("startup", Startup);
  }
}

}  // namespace
}  // namespace mirlo

int main(int argc, char** argv) {
  mirlo::RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
