#pragma once
// A random session: the program on a simulated desktop, driven step by step
// by actions drawn from a seed. A session replays exactly from (seed, steps).
// The generator (Script) knows only the seed and the desk; the step delivers
// each action as the window system would, and records what reached the
// viewer so the invariant checker can judge it.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "action.h"
#include "app/form1.h"
#include "platform/sim/sim_desktop.h"
#include "random.h"
#include "settings_gen.h"

namespace mirlo::session {

// What a session is drawn from besides its seed.
struct SessionOptions {
  bool smallDesks = false;  // monitors up to 800 x 601 only: quick steps
  // Ctrl goes down and up now and then, before an action, on a stream of
  // its own: the actions stay those the seed gives without it.
  bool snapping = false;
};

// What a new start of the program brings.
struct RestartPlan {
  bool newDesk = false;        // the monitors changed meanwhile
  bool newSettings = false;    // the file was edited by hand meanwhile
  SettingsPlan settings;       // when newSettings
  bool readOnly = false;       // the file's write protection from now on
};

// The session's random script, drawn from the seed alone.
class Script {
 public:
  Script(uint64_t seed, SessionOptions options);
  const std::vector<SimMonitor>& Desk() const { return desk_; }
  const SettingsPlan& FirstSettings() const { return first_; }
  Action NextAction() { return RandomAction(rng_, desk_); }
  RestartPlan NextRestart();
  // With snapping, now and then: Ctrl goes down (true) or up (false).
  std::optional<bool> NextControl();

 private:
  Rng rng_;
  Rng controlRng_;
  bool controlDown_ = false;
  SessionOptions options_;
  std::vector<SimMonitor> desk_;
  SettingsPlan first_;
};

// One event that reached the viewer, with the window around it.
struct Delivery {
  enum class Kind { Press, Move, Release, DoubleClick, CaptureLost, Menu, SettingChange, Control };
  Kind kind = Kind::Move;
  MouseButton button = MouseButton::Left;
  Point client;                 // Press, DoubleClick: where, on the window before
  Point pointer;                // the pointer's screen position
  bool captureBefore = false;   // Press: the viewer held the capture already
  bool maximisedBefore = false;  // the window was maximised
  Rect windowBefore, windowAfter;
  int32_t mode = 0;             // DisplayMode after the event
  int32_t modeBefore = 0;       // DisplayMode, Aspect and MonitorIndex before it
  int32_t aspect = 0;
  int32_t monitor = 0;
  MenuItem item = MenuItem::None;
  bool ctrl = false;            // Ctrl held after the event (Control: it went down)
};

struct StepRecord {
  int64_t step = 0;
  bool started = false;  // the program was started in this step (no action)
  Action action;
  std::vector<Delivery> deliveries;
  // Before the step.
  int32_t monitorBefore = 0;
  size_t boxesBefore = 0;
  bool fileExistedBefore = false;
  std::string fileBefore;
  size_t formsBefore = 0, helpBefore = 0;
  int32_t startupSizeBefore = 0;
  bool rememberBefore = false, alwaysOnTopBefore = false;
  PresetRecord presetsBefore[3];
};

class Session {
 public:
  explicit Session(uint64_t seed, SessionOptions options = {});
  ~Session();

  // The first step starts the program; every later one runs the next action,
  // or starts the program again once it has ended.
  StepRecord Step();

  uint64_t Seed() const { return seed_; }
  int64_t Steps() const { return steps_; }
  // The window exists and the end of the program has not been requested.
  bool Running() const;
  // The program refused to start (no usable monitor).
  bool Refused() const { return refused_; }
  SimDesktop& Desk() { return program_->desk; }
  TForm1& Form() { return program_->form; }
  const std::vector<SimMonitor>& Monitors() const { return script_.Desk(); }
  bool ReadOnly() const { return readOnly_; }
  static const std::string& IniPath();
  // The desk and the settings file the program last started with.
  std::string DescribeStart() const { return startDescription_; }
  // The settings file as the program found it at its last start.
  bool StartFileExists() const { return startFileExists_; }
  const std::string& StartFileText() const { return startFileText_; }
  // The last actions, oldest first.
  const std::deque<std::string>& History() const { return history_; }

 private:
  struct Program {
    explicit Program(const std::vector<SimMonitor>& monitors) : desk(monitors), form(desk) {}
    SimDesktop desk;
    TForm1 form;
  };

  void Start(bool fileExists, const std::string& text);
  void Restart(const RestartPlan& plan);
  void Perform(const Action& a, StepRecord& r);
  Point Resolve(const PointChoice& p);
  bool MovePointer(const PointChoice& p, StepRecord& r);
  Delivery Begin(Delivery::Kind kind);
  void Finish(Delivery d, StepRecord& r);

  uint64_t seed_;
  int64_t steps_ = 0;
  Script script_;
  std::unique_ptr<Program> program_;
  bool readOnly_ = false;
  bool refused_ = false;
  std::deque<Point> recent_;
  std::deque<std::string> history_;
  std::string startDescription_;
  bool startFileExists_ = false;
  std::string startFileText_;
};

}  // namespace mirlo::session
