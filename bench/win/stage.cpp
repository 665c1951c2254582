#include "stage.h"

namespace mirlo::bench {

const char* NameOf(Who who) {
  switch (who) {
    case Who::Viewer: return "viewer";
    case Who::Baseline: return "baseline";
  }
  return "?";
}

Stage::Stage(HINSTANCE instance)
    : viewer_(instance), baseline_(instance) {}

void Stage::Create() {
  viewer_.Create();
  ShowWindow(baseline_.Window(), SW_SHOWNA);
  ShowOnly(Who::Viewer);
}

HWND Stage::WindowOf(Who who) {
  return who == Who::Baseline ? baseline_.Window() : viewer_.Window();
}

void Stage::ShowOnly(Who who) {
  ShowWindow(WindowOf(who == Who::Viewer ? Who::Baseline : Who::Viewer), SW_HIDE);
  ShowWindow(WindowOf(who), SW_SHOWNA);
  Settle();
}

void Stage::Settle() {
  for (int round = 0; round < 2; ++round) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_MOUSEMOVE || msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (round == 0) ::Sleep(1);
  }
}

std::vector<Who> Stage::Order(int block) const {
  if (block % 2 == 0) return {Who::Viewer, Who::Baseline};
  return {Who::Baseline, Who::Viewer};
}

void Report::Time(const std::string& id, const std::string& label, Who who, const Samples& s) {
  std::printf("time\t%s\t%s\t%s\t%zu\t%.1f\t%.1f\n", id.c_str(), label.c_str(), NameOf(who),
              s.us.size(), s.Median(), s.Percentile99());
  std::fflush(stdout);
}

void Report::Check(const std::string& id, const std::string& problem) {
  if (!problem.empty()) ++failures_;
  std::printf("check\t%s\t%s\n", id.c_str(), problem.empty() ? "ok" : problem.c_str());
  std::fflush(stdout);
}

void Report::Profile(const std::string& id, const std::string& who, const std::string& part,
                     double callsPerOp, double usPerOp) {
  std::printf("profile\t%s\t%s\t%s\t%.2f\t%.1f\n", id.c_str(), who.c_str(), part.c_str(),
              callsPerOp, usPerOp);
}

void Report::Info(const std::string& key, const std::string& value) {
  std::printf("info\t%s\t%s\n", key.c_str(), value.c_str());
  std::fflush(stdout);
}

}  // namespace mirlo::bench
