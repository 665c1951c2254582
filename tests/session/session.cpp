#include "session.h"

#include "desk_gen.h"
#include "monitors/monitor_table.h"

namespace mirlo::session {

namespace {

bool AnyUsable(const std::vector<SimMonitor>& desk) {
  for (const SimMonitor& m : desk) {
    if (UsableSize(m.bounds.Width(), m.bounds.Height())) return true;
  }
  return false;
}

}  // namespace

Script::Script(uint64_t seed, SessionOptions options)
    : rng_(seed), controlRng_(seed ^ 0x5DEECE66Dull), options_(options) {
  desk_ = RandomDesk(rng_, true, options_.smallDesks);
  first_ = RandomSettings(rng_, desk_);
}

RestartPlan Script::NextRestart() {
  RestartPlan plan;
  // A desk without a usable monitor is always followed by another desk.
  plan.newDesk = !AnyUsable(desk_) || rng_.Percent(30);
  if (plan.newDesk) desk_ = RandomDesk(rng_, rng_.Percent(10), options_.smallDesks);
  plan.newSettings = rng_.Percent(20);
  if (plan.newSettings) plan.settings = RandomSettings(rng_, desk_);
  plan.readOnly = rng_.Percent(5);
  return plan;
}

std::optional<bool> Script::NextControl() {
  if (!options_.snapping || !controlRng_.Percent(4)) return std::nullopt;
  controlDown_ = !controlDown_;
  return controlDown_;
}

const std::string& Session::IniPath() {
  static const std::string path = "C:\\Tools\\MirloViewer\\veltmirl.ini";
  return path;
}

Session::Session(uint64_t seed, SessionOptions options)
    : seed_(seed), script_(seed, options) {}

Session::~Session() = default;

void Session::Start(bool fileExists, const std::string& text) {
  program_.reset();
  program_ = std::make_unique<Program>(script_.Desk());
  SimDesktop& desk = program_->desk;
  if (fileExists) desk.SetProfileFileText(IniPath(), text);
  desk.SetReadOnly(IniPath(), readOnly_);
  startFileExists_ = fileExists;
  startFileText_ = text;
  startDescription_ = "desk " + DescribeDesk(script_.Desk()) + "\nsettings file" +
                      (readOnly_ ? " (read-only)" : "") +
                      (fileExists ? ":\n" + text : ": none") + "\n";
  desk.CreateMainWindow(program_->form);
  program_->form.Create();
  refused_ = !desk.IsVisible() && desk.QuitRequested();
  recent_.clear();
}

void Session::Restart(const RestartPlan& plan) {
  SimDesktop& old = program_->desk;
  bool exists = old.ProfileFileExists(IniPath());
  std::string text = old.ProfileFileText(IniPath());
  if (plan.newSettings) {
    exists = plan.settings.exists;
    text = plan.settings.text;
  }
  readOnly_ = plan.readOnly;
  Start(exists, text);
}

bool Session::Running() const {
  return program_ && program_->desk.IsVisible() && !program_->desk.QuitRequested();
}

Point Session::Resolve(const PointChoice& p) {
  SimDesktop& desk = program_->desk;
  switch (p.kind) {
    case PointChoice::Kind::Screen:
      return p.screen;
    case PointChoice::Kind::Recent:
      if (recent_.empty()) return desk.CursorPos();
      return recent_[std::min<size_t>(static_cast<size_t>(p.recent), recent_.size() - 1)];
    default: {
      const Rect w = desk.WindowBounds();
      return Point{w.left + OnWindowOffset(p.xCode, p.xFraction, w.Width()),
                   w.top + OnWindowOffset(p.yCode, p.yFraction, w.Height())};
    }
  }
}

Delivery Session::Begin(Delivery::Kind kind) {
  Delivery d;
  d.kind = kind;
  d.windowBefore = program_->desk.WindowBounds();
  d.captureBefore = program_->desk.HasCapture();
  d.maximisedBefore = program_->desk.GetWindowState() == WindowState::Maximized;
  d.modeBefore = program_->form.State().DisplayMode;
  d.aspect = program_->form.State().Aspect;
  d.monitor = program_->form.State().MonitorIndex;
  return d;
}

void Session::Finish(Delivery d, StepRecord& r) {
  d.windowAfter = program_->desk.WindowBounds();
  d.pointer = program_->desk.CursorPos();
  d.ctrl = program_->desk.HeldModifiers().ctrl;
  d.mode = program_->form.State().DisplayMode;
  r.deliveries.push_back(d);
}

bool Session::MovePointer(const PointChoice& p, StepRecord& r) {
  SimDesktop& desk = program_->desk;
  Delivery d = Begin(Delivery::Kind::Move);
  const bool delivered = desk.MoveMouseTo(Resolve(p));
  recent_.push_front(desk.CursorPos());
  if (recent_.size() > 8) recent_.pop_back();
  if (delivered) Finish(d, r);
  return delivered;
}

void Session::Perform(const Action& a, StepRecord& r) {
  SimDesktop& desk = program_->desk;
  switch (a.kind) {
    case Action::Kind::Move:
      MovePointer(a.at, r);
      break;
    case Action::Kind::Press: {
      MovePointer(a.at, r);
      if (!Running()) break;
      Delivery d = Begin(Delivery::Kind::Press);
      d.button = a.button;
      d.client = Point{desk.CursorPos().x - d.windowBefore.left, desk.CursorPos().y - d.windowBefore.top};
      if (desk.PressAtPointer(a.button)) Finish(d, r);
      break;
    }
    case Action::Kind::Release: {
      Delivery d = Begin(Delivery::Kind::Release);
      d.button = a.button;
      if (desk.ReleaseAtPointer(a.button)) Finish(d, r);
      break;
    }
    case Action::Kind::DoubleClick: {
      MovePointer(a.at, r);
      // Both clicks land on the viewer: the first is a press and a release.
      if (!Running() || !desk.PointerOverViewer()) break;
      Delivery press = Begin(Delivery::Kind::Press);
      press.client = Point{desk.CursorPos().x - press.windowBefore.left,
                           desk.CursorPos().y - press.windowBefore.top};
      desk.PressAtPointer(MouseButton::Left);
      Finish(press, r);
      Delivery release = Begin(Delivery::Kind::Release);
      desk.ReleaseAtPointer(MouseButton::Left);
      Finish(release, r);
      if (!Running() || !desk.PointerOverViewer()) break;
      Delivery dbl = Begin(Delivery::Kind::DoubleClick);
      dbl.client = Point{desk.CursorPos().x - dbl.windowBefore.left,
                         desk.CursorPos().y - dbl.windowBefore.top};
      desk.DoubleClickLeft(dbl.client.x, dbl.client.y);
      Finish(dbl, r);
      break;
    }
    case Action::Kind::LoseCapture:
      if (desk.HasCapture()) {
        Delivery d = Begin(Delivery::Kind::CaptureLost);
        desk.LoseCapture();
        Finish(d, r);
      }
      break;
    case Action::Kind::SettingChange: {
      Delivery d = Begin(Delivery::Kind::SettingChange);
      desk.BroadcastSettingChange(a.code);
      Finish(d, r);
      break;
    }
    case Action::Kind::Menu: {
      if (a.byKeyboard) {
        // The open menu takes the mouse capture.
        if (desk.HasCapture()) {
          Delivery d = Begin(Delivery::Kind::CaptureLost);
          desk.LoseCapture();
          Finish(d, r);
        }
      } else {
        MovePointer(a.at, r);
        if (!Running()) break;
        Delivery press = Begin(Delivery::Kind::Press);
        press.button = MouseButton::Right;
        press.client = Point{desk.CursorPos().x - press.windowBefore.left,
                             desk.CursorPos().y - press.windowBefore.top};
        if (!desk.PressAtPointer(MouseButton::Right)) break;  // the click went elsewhere
        Finish(press, r);
        Delivery release = Begin(Delivery::Kind::Release);
        release.button = MouseButton::Right;
        if (desk.ReleaseAtPointer(MouseButton::Right)) Finish(release, r);
      }
      if (a.item == MenuItem::None) break;
      const DialogPlay& play = a.dialog;
      desk.whileFormOpen = [&desk, &play] {
        for (int id : play.clicks) desk.ClickControl(id);
        if (play.close == DialogPlay::Close::Escape) {
          desk.PressEscape();
        } else if (play.close == DialogPlay::Close::OkButton) {
          for (const FormControl& c : desk.Forms().back().description.controls) {
            if (c.kind == ControlKind::PushButton && desk.Forms().back().open &&
                desk.Forms().back().description.cancelControl == c.id) {
              desk.ClickControl(c.id);
            }
          }
        }
      };
      Delivery d = Begin(Delivery::Kind::Menu);
      d.item = a.item;
      desk.ChooseMenu(Id(a.item));
      desk.whileFormOpen = nullptr;
      Finish(d, r);
      break;
    }
  }
}

StepRecord Session::Step() {
  StepRecord r;
  r.step = ++steps_;
  if (!program_) {
    readOnly_ = script_.FirstSettings().readOnly;
    Start(script_.FirstSettings().exists, script_.FirstSettings().text);
    r.started = true;
    history_.push_back("start");
    return r;
  }
  r.monitorBefore = program_->form.State().MonitorIndex;
  r.boxesBefore = program_->desk.MessageBoxes().size();
  r.fileExistedBefore = program_->desk.ProfileFileExists(IniPath());
  r.fileBefore = program_->desk.ProfileFileText(IniPath());
  r.formsBefore = program_->desk.Forms().size();
  r.helpBefore = program_->desk.HelpRequests().size();
  const ViewerState& st = program_->form.State();
  r.startupSizeBefore = st.StartupSize;
  r.rememberBefore = st.RememberOnExit;
  r.alwaysOnTopBefore = st.AlwaysOnTop;
  for (int i = 0; i < 3; ++i) r.presetsBefore[i] = st.Presets[i];
  if (!Running()) {
    const RestartPlan plan = script_.NextRestart();
    Restart(plan);
    r.started = true;
    r.boxesBefore = 0;
    history_.push_back("start" + std::string(plan.newDesk ? " on a new desk" : "") +
                       (plan.newSettings ? " with an edited settings file" : "") +
                       (plan.readOnly ? " (read-only file)" : ""));
  } else {
    r.action = script_.NextAction();
    std::string done;
    if (const std::optional<bool> down = script_.NextControl()) {
      Delivery d = Begin(Delivery::Kind::Control);
      program_->desk.HoldControl(*down);
      Finish(d, r);
      done = *down ? "Ctrl down, then " : "Ctrl up, then ";
    }
    history_.push_back(done + Describe(r.action));
    if (Running()) Perform(r.action, r);
  }
  if (history_.size() > 12) history_.pop_front();
  return r;
}

}  // namespace mirlo::session
