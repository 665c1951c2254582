// The viewer's handlers timed under the real window system, side by side
// with a baseline that makes only the calls the result needs. Prints one
// tab-separated line per figure (see docs/performance.md).
//
//   mirlo_bench.exe [--quick] [--no-profile] [--only PHASE]
//
// PHASE is one of paints, drags, readout, commands, quit, profiles.
//
// Expects one 1920 x 1200 monitor whose work area ends at row 1160, and a
// folder of its own: the viewers keep their settings file beside the exe.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "phases.h"

namespace {

std::wstring SettingsPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L'\\') + 1) + L"veltmirl.ini";
}

// The three presets the commands use: the start-up place, a wide 1024
// window and the 4:3 full screen.
void WritePresets() {
  const std::wstring path = SettingsPath();
  DeleteFileW(path.c_str());
  struct Preset {
    const wchar_t* section;
    const wchar_t* values[6];  // Full, Width, Aspect, X, Y, ScrIdx
  };
  const Preset presets[] = {
      {L"Pre1Parameter", {L"0", L"320", L"0", L"797", L"457", L"0"}},
      {L"Pre2Parameter", {L"0", L"1024", L"1", L"100", L"80", L"0"}},
      {L"Pre3Parameter", {L"2", L"320", L"0", L"0", L"0", L"0"}},
  };
  const wchar_t* keys[6] = {L"Full", L"Width", L"Aspect", L"X", L"Y", L"ScrIdx"};
  for (const Preset& p : presets) {
    for (int k = 0; k < 6; ++k) WritePrivateProfileStringW(p.section, keys[k], p.values[k], path.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace mirlo::bench;
  Sizes sizes;
  bool profile = true;
  std::string only;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      sizes = Sizes{1, 2, 4, 2, 4, 1, 1, 2, 4};
    } else if (std::strcmp(argv[i], "--no-profile") == 0) {
      profile = false;
    } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
      only = argv[++i];
    } else {
      std::fprintf(stderr, "usage: mirlo_bench.exe [--quick] [--no-profile] [--only PHASE]\n");
      return 2;
    }
  }
  Report report;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  report.Info("screen", std::to_string(w) + "x" + std::to_string(h));
  if (w != 1920 || h != 1200) {
    std::fprintf(stderr, "mirlo_bench: needs a 1920x1200 screen, not %dx%d\n", w, h);
    return 2;
  }
  WritePresets();
  SetCursorPos(w - 1, h - 1);
  Stage stage(GetModuleHandleW(nullptr));
  stage.Create();

  const LONGLONG start = Now();
  auto phase = [&](const char* name, auto&& run) {
    if (!only.empty() && only != name) return;
    const LONGLONG t = Now();
    run(stage, report, sizes);
    report.Info(std::string("seconds.") + name, std::to_string(TicksToMicroseconds(Now() - t) / 1e6));
  };
  phase("paints", RunPaints);
  phase("drags", RunDrags);
  phase("readout", RunReadoutDrags);
  phase("commands", RunCommands);
  phase("quit", RunQuit);
  if (profile) phase("profiles", RunProfiles);
  report.Info("seconds.all", std::to_string(TicksToMicroseconds(Now() - start) / 1e6));
  report.Info("check.failures", std::to_string(report.Failures()));
  std::fflush(stdout);
  // The windows go with the process.
  ExitProcess(report.Failures() == 0 ? 0 : 1);
}
