#include "invariants.h"

#include "desk_gen.h"
#include "dialogs/information_form.h"
#include "settings/pref_form.h"
#include "drag_rules.h"
#include "stripread/stripread.h"

namespace mirlo::session {

namespace {

std::string Str(const Rect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ") " +
         std::to_string(r.Width()) + "x" + std::to_string(r.Height());
}

std::string Str(const RegionRecord& r) {
  return "{x0 " + std::to_string(r.x0) + ", x1 " + std::to_string(r.x1) + ", y0 " +
         std::to_string(r.y0) + ", y1 " + std::to_string(r.y1) + ", " + std::to_string(r.width) +
         "x" + std::to_string(r.height) + "}";
}

bool InTable(const std::vector<SimMonitor>& desk, int32_t i) {
  return i >= 0 && i < static_cast<int32_t>(desk.size());
}

Rect BoundsOf(const std::vector<SimMonitor>& desk, int32_t i) {
  return InTable(desk, i) ? desk[static_cast<size_t>(i)].bounds : Rect{};
}

Rect WorkOf(const std::vector<SimMonitor>& desk, int32_t i) {
  return InTable(desk, i) ? desk[static_cast<size_t>(i)].work : Rect{};
}

bool Usable(const std::vector<SimMonitor>& desk, int32_t i) {
  const Rect b = BoundsOf(desk, i);
  return InTable(desk, i) && UsableSize(b.Width(), b.Height());
}

int32_t FirstUsable(const std::vector<SimMonitor>& desk) {
  for (size_t i = 0; i < desk.size(); ++i) {
    if (Usable(desk, static_cast<int32_t>(i))) return static_cast<int32_t>(i);
  }
  return 0;
}

int32_t RegionHeight(int32_t width, int32_t aspect) {
  return aspect == 0 ? width * 3 / 4 : width * 9 / 16;
}

Region ExpectedRegion(int32_t mode, const Rect& win, const Rect& b) {
  const int32_t W = b.Width(), H = b.Height();
  auto letterbox = [&](int32_t num, int32_t den) {
    const int32_t q = W * den / num;
    Region r{};
    if (q <= H) {
      r = Region{0, (H - q) / 2, 0, (H - q) / 2, W, q};
    } else {
      const int32_t w = H * num / den;
      r = Region{(W - w) / 2, 0, (W - w) / 2, 0, w, H};
    }
    return r;
  };
  switch (mode) {
    case 0: return Region{3, 3, win.left + 3 - b.left, win.top + 3 - b.top, win.Width() - 6, win.Height() - 6};
    case 1: return Region{0, 0, 0, 0, W, H};
    case 2: return letterbox(4, 3);
    case 3: return letterbox(16, 9);
    default: return Region{0, 0, win.left - b.left, win.top - b.top, win.Width(), win.Height()};
  }
}

void Fill(stripread::Image& img, const std::vector<Color>& pixels, int w, int h) {
  img.width = w;
  img.height = h;
  img.pixels.assign(pixels.begin(), pixels.end());
}

// Whether the strip found carries exactly these numbers, as the device reads
// 11-bit fields; "" when it does.
std::string StripMismatch(const stripread::Image& img, const stripread::Strip& s, char lead,
                          const Region& r, int atX, int atY) {
  std::string out;
  const int64_t v[4] = {r.x0, r.y0, int64_t(r.x0) + r.w - 1, int64_t(r.y0) + r.h - 1};
  const int got[4] = {s.x0, s.y0, s.x1, s.y1};
  int64_t sum = 0;
  // How negative numbers are written is the program's own affair; only a
  // region that does not fit its monitor has them.
  const bool negative = v[0] < 0 || v[1] < 0;
  for (int i = 0; i < 4 && !negative; ++i) {
    if (got[i] != (v[i] & 2047)) out += " coordinate " + std::to_string(i) + " reads " + std::to_string(got[i]) + " for " + std::to_string(v[i]);
    sum += v[i] / 256 + v[i] % 256;
  }
  if (!negative && s.checksum != sum % 256) out += " checksum " + std::to_string(s.checksum) + " for " + std::to_string(sum % 256);
  if (s.lead != lead) out += std::string(" lead ") + s.lead + " for " + lead;
  if (s.atX != atX || s.atY != atY) out += " at (" + std::to_string(s.atX) + "," + std::to_string(s.atY) + ") for (" + std::to_string(atX) + "," + std::to_string(atY) + ")";
  // The magenta area where the strip stands (on the window, the strip's
  // numbers are monitor pixels, not window pixels). A strip found on a
  // monitor's picture has been judged so already.
  if (s.regionExact && s.x0 == atX && s.y0 == atY) return out;
  stripread::Strip placed = s;
  placed.x0 = atX;
  placed.y0 = atY;
  placed.x1 = atX + r.w - 1;
  placed.y1 = atY + r.h - 1;
  const stripread::RegionCheck c = stripread::CheckRegion(img, placed);
  if (c.fault != stripread::RegionFault::None) {
    const char* faults[] = {"none", "misplaced", "too small", "off the picture", "not magenta at",
                            "magenta beside it at"};
    out += std::string(" not on an exact magenta area: ") + faults[static_cast<int>(c.fault)] + " (" +
           std::to_string(c.x) + "," + std::to_string(c.y) + ")";
  }
  return out;
}

CursorShape CursorOf(Zone z) {
  switch (z) {
    case Zone::Move: return CursorShape::HandPoint;
    case Zone::Left:
    case Zone::Right: return CursorShape::SizeWE;
    default: return CursorShape::SizeNS;
  }
}

bool Saves(const Action& a) {
  return (a.kind == Action::Kind::Menu && (a.item == MenuItem::Quit || a.item == MenuItem::N1)) ||
         (a.kind == Action::Kind::SettingChange && a.code == 47);
}


}  // namespace

std::string DescribeViewer(Session& s) {
  if (s.Refused()) return "the program refused to start";
  const ViewerState& st = s.Form().State();
  return "viewer: window " + Str(s.Desk().WindowBounds()) +
         (s.Desk().GetWindowState() == WindowState::Maximized ? " maximised" : " normal") +
         (s.Desk().IsTopmost() ? " topmost" : "") + ", mode " + std::to_string(st.DisplayMode) +
         ", aspect " + std::to_string(st.Aspect) + ", monitor " + std::to_string(st.MonitorIndex) +
         ", RegionRect " + Str(st.RegionRect) + ", LastWindowed {" + std::to_string(st.LastWindowed.left) +
         "," + std::to_string(st.LastWindowed.top) + " w " + std::to_string(st.LastWindowed.width) +
         " monitor " + std::to_string(st.LastWindowed.monitor) + "}";
}

std::string DescribeDeliveries(const StepRecord& r) {
  const char* kinds[] = {"press", "move", "release", "double-click", "capture lost", "menu", "setting change",
                         "Ctrl"};
  std::string out;
  for (const Delivery& d : r.deliveries) {
    out += std::string("  ") + kinds[static_cast<int>(d.kind)] + " at (" + std::to_string(d.client.x) + "," +
           std::to_string(d.client.y) + ") pointer (" + std::to_string(d.pointer.x) + "," +
           std::to_string(d.pointer.y) + ")" + (d.captureBefore ? " captured" : "") +
           (d.ctrl ? " Ctrl held" : "") + ": window " +
           Str(d.windowBefore) + " -> " + Str(d.windowAfter) + ", mode " + std::to_string(d.mode) + "\n";
  }
  return out;
}

void InvariantChecker::Count(Session& s, const StepRecord& r) {
  if (r.started) {
    ++coverage_.starts;
    if (s.Refused()) ++coverage_.refusedStarts;
    if (s.Refused()) return;
  }
  for (const Delivery& d : r.deliveries) {
    if (d.kind == Delivery::Kind::Menu && d.item == MenuItem::N1) ++coverage_.dialogs;
  }
  if (s.Desk().QuitRequested() && !r.started) ++coverage_.quits;
  if (s.Desk().MessageBoxes().size() > r.boxesBefore && !r.started) ++coverage_.refusedSaves;
  const ViewerState& st = s.Form().State();
  ++coverage_.modeSteps[st.DisplayMode >= 0 && st.DisplayMode <= 3 ? st.DisplayMode : 4];
  if (st.RegionRect.width == 0 && st.RegionRect.height == 0) ++coverage_.emptyRegions;
  if (loose_ || TinyWorkArea(s)) ++coverage_.crampedSteps;
}

bool InvariantChecker::TinyWorkArea(Session& s) const {
  const ViewerState& st = s.Form().State();
  const Rect work = WorkOf(s.Monitors(), st.MonitorIndex);
  return work.Width() < 326 || work.Height() < (st.Aspect == 0 ? 246 : 186);
}

void InvariantChecker::Fail(const std::string& what) {
  failures_ += (failures_.empty() ? "" : "\n") + what;
}

Coverage& Coverage::operator+=(const Coverage& o) {
  starts += o.starts;
  refusedStarts += o.refusedStarts;
  quits += o.quits;
  refusedSaves += o.refusedSaves;
  for (int i = 0; i < 5; ++i) dragSteps[i] += o.dragSteps[i];
  for (int i = 0; i < 5; ++i) modeSteps[i] += o.modeSteps[i];
  emptyRegions += o.emptyRegions;
  crampedSteps += o.crampedSteps;
  dialogs += o.dialogs;
  snappedSteps += o.snappedSteps;
  readoutSteps += o.readoutSteps;
  return *this;
}

std::string Coverage::Describe() const {
  auto n = [](long long v) { return std::to_string(v); };
  return "starts " + n(starts) + " (refused " + n(refusedStarts) + "), quits " + n(quits) +
         ", refused saves " + n(refusedSaves) + ", dialogs " + n(dialogs) + "; drag steps by zone: move " +
         n(dragSteps[0]) + ", left " + n(dragSteps[1]) + ", right " + n(dragSteps[2]) + ", top " +
         n(dragSteps[3]) + ", bottom " + n(dragSteps[4]) + "; steps by mode: 0 " + n(modeSteps[0]) +
         ", 1 " + n(modeSteps[1]) + ", 2 " + n(modeSteps[2]) + ", 3 " + n(modeSteps[3]) + ", other " +
         n(modeSteps[4]) + "; empty regions " + n(emptyRegions) + ", steps on a cramped work area " +
         n(crampedSteps) + "; drag steps with Ctrl held " + n(snappedSteps) +
         ", steps with the readout up " + n(readoutSteps);
}

std::string InvariantChecker::Check(Session& s, const StepRecord& r) {
  failures_.clear();
  Count(s, r);
  if (r.started) {
    quitStarted_ = false;
    armed_ = false;
    loose_ = false;
    checkedPaints_ = -1;  // a new desktop counts its paints from 0
    CheckStart(s);
    if (s.Refused()) return failures_;
  } else {
    CheckDeliveries(s, r);
    CheckEnding(s, r);
    CheckBoxesAndDialog(s, r);
  }
  if (!s.Desk().IsVisible()) {
    Fail("the viewer is not shown");
    return failures_;
  }
  CheckPicture(s);
  CheckPlacement(s, r);
  CheckMenu(s);
  CheckReadout(s);
  return failures_;
}

void InvariantChecker::CheckStart(Session& s) {
  SimDesktop& desk = s.Desk();
  const std::vector<SimMonitor>& m = s.Monitors();
  bool anyUsable = false;
  for (size_t i = 0; i < m.size(); ++i) anyUsable = anyUsable || Usable(m, static_cast<int32_t>(i));
  if (!anyUsable) {
    if (!s.Refused()) Fail("started without a usable monitor");
    if (desk.MessageBoxes().size() != 1 || desk.MessageBoxes()[0].caption != "警告") {
      Fail("no single warning box without a usable monitor");
    }
    if (desk.ProfileFileExists(Session::IniPath()) != s.StartFileExists() ||
        desk.ProfileFileText(Session::IniPath()) != s.StartFileText()) {
      Fail("the settings file changed at a refused start");
    }
    return;
  }
  if (s.Refused() || !s.Running()) Fail("did not start on a desk with a usable monitor");
  if (!desk.MessageBoxes().empty()) Fail("a message box at start: " + desk.MessageBoxes()[0].text);
  if (s.Refused()) return;

  // Without the remembered state the viewer opens on the first usable monitor.
  const ViewerState& st = s.Form().State();
  const int32_t d = FirstUsable(m);
  if (st.DefaultMonitor != d) Fail("DefaultMonitor " + std::to_string(st.DefaultMonitor) + ", not " + std::to_string(d));
  if (st.RememberOnExit) return;
  const int32_t size = st.StartupSize;
  if (size < 15 || size > 17) {
    if (st.MonitorIndex != d) Fail("start not remembered, but on monitor " + std::to_string(st.MonitorIndex) + ", not " + std::to_string(d));
  }
  if (size >= 0 && size <= 2) {
    const int32_t mode = size == 0 ? 1 : size == 1 ? 3 : 2;
    if (st.DisplayMode != mode) Fail("start-up size " + std::to_string(size) + " gave mode " + std::to_string(st.DisplayMode));
  }
  if (size >= 3 && size <= 14) {
    const int32_t widths[] = {320, 640, 800, 1024, 1280, 1440};
    int32_t w = widths[(size - 3) / 2];
    const Rect b = BoundsOf(m, d), work = WorkOf(m, d);
    if (w > LargestWidth(b.Width(), b.Height())) w = LargestWidth(b.Width(), b.Height());
    const int32_t aspect = size % 2 == 1 ? 1 : 0;
    const int64_t winW = w + 6, winH = RegionHeight(w, aspect) + 6;
    int64_t left = (work.right - work.left - winW) / 2 + work.left;
    int64_t top = (work.bottom - work.top - winH) / 2 + work.top;
    if (top < work.top) top = work.top;
    if (left < work.left) left = work.left;
    if (top + winH > work.bottom) top = work.bottom - winH;
    if (left + winW > work.right) left = work.right - winW;
    const Rect want{int32_t(left), int32_t(top), int32_t(left + winW), int32_t(top + winH)};
    if (desk.WindowBounds() != want || st.DisplayMode != 0 || st.Aspect != aspect) {
      Fail("start-up size " + std::to_string(size) + " gave " + Str(desk.WindowBounds()) +
           " mode " + std::to_string(st.DisplayMode) + " aspect " + std::to_string(st.Aspect) +
           ", not " + Str(want) + " windowed, aspect " + std::to_string(aspect));
    }
  }
}

void InvariantChecker::CheckDeliveries(Session& s, const StepRecord& r) {
  SimDesktop& desk = s.Desk();
  const ViewerState& st = s.Form().State();
  const std::vector<SimMonitor>& m = s.Monitors();
  for (const Delivery& d : r.deliveries) {
    if (d.windowAfter != d.windowBefore) {
      const Rect work = WorkOf(m, d.monitor);
      const bool fitted = d.windowBefore.Width() <= work.Width() && d.windowBefore.Height() <= work.Height();
      if (d.kind != Delivery::Kind::Move && d.kind != Delivery::Kind::Control) {
        loose_ = false;  // laid out again
      } else if (!fitted) {
        loose_ = true;
      }
    }
    switch (d.kind) {
      case Delivery::Kind::Press:
        // A press arms a drag when the viewer holds the capture at its report:
        // the window layer takes it first for the left button.
        armed_ = d.button == MouseButton::Left || d.captureBefore;
        dragStart_ = d.windowBefore;
        dragPress_ = d.client;
        if (d.windowAfter != d.windowBefore) Fail("a press moved the window to " + Str(d.windowAfter));
        break;
      case Delivery::Kind::DoubleClick:
        armed_ = true;  // its press records the window as the double-click left it
        dragStart_ = d.windowAfter;
        dragPress_ = d.client;
        break;
      case Delivery::Kind::Release:
      case Delivery::Kind::CaptureLost:
        armed_ = false;
        if (desk.Cursor() != CursorShape::Default && &d == &r.deliveries.back()) {
          Fail("the cursor keeps its drag shape after the drag ended");
        }
        break;
      case Delivery::Kind::Move:
      case Delivery::Kind::Control: {
        // A move, and Ctrl going down or up during a drag, run the drag
        // from where the pointer is, snapped while Ctrl is held.
        Rect want = d.windowBefore;
        // A full-screen mode, or a maximised window in an odd mode, does
        // not move with the mouse.
        if (armed_ && d.mode <= 0 && !d.maximisedBefore) {
          const Rect b = BoundsOf(m, d.monitor);
          const DragInput in{dragStart_, dragPress_, d.windowBefore, d.pointer,
                             WorkOf(m, d.monitor), d.aspect, LargestWidth(b.Width(), b.Height())};
          want = d.ctrl ? ExpectedSnappedDrag(in) : ExpectedDrag(in);
          const Zone z = ZoneOf(dragPress_, dragStart_.Width(), dragStart_.Height());
          ++coverage_.dragSteps[static_cast<int>(z)];
          if (d.ctrl) ++coverage_.snappedSteps;
          if (&d == &r.deliveries.back() && desk.Cursor() != CursorOf(z)) {
            Fail("the cursor does not show the drag's zone");
          }
        }
        if (d.windowAfter != want) {
          Fail("drag pressed at (" + std::to_string(dragPress_.x) + "," + std::to_string(dragPress_.y) +
               ") on " + Str(dragStart_) + ", pointer at (" + std::to_string(d.pointer.x) + "," +
               std::to_string(d.pointer.y) + ")" + (d.ctrl ? " with Ctrl" : "") + ", window was " +
               Str(d.windowBefore) + ": got " + Str(d.windowAfter) + ", the rules give " + Str(want) +
               (armed_ ? "" : " (no drag armed)"));
        }
        break;
      }
      default:
        break;
    }
  }
  if (st.MonitorIndex != r.monitorBefore && !Usable(m, st.MonitorIndex)) {
    Fail("moved from monitor " + std::to_string(r.monitorBefore) + " to unusable monitor " +
         std::to_string(st.MonitorIndex));
  }
}

void InvariantChecker::CheckEnding(Session& s, const StepRecord& r) {
  SimDesktop& desk = s.Desk();
  bool quitDelivered = false, saveDelivered = false;
  for (const Delivery& d : r.deliveries) {
    const bool menuQuit = d.kind == Delivery::Kind::Menu && d.item == MenuItem::Quit;
    const bool notice = d.kind == Delivery::Kind::SettingChange && r.action.code == 47;
    quitDelivered = quitDelivered || menuQuit || notice;
    saveDelivered = saveDelivered || menuQuit || notice ||
                    (d.kind == Delivery::Kind::Menu && d.item == MenuItem::N1);
  }
  if (quitDelivered) quitStarted_ = true;

  // Only a refused save shows a message, with the file's path.
  const std::vector<SimMessageBox>& boxes = desk.MessageBoxes();
  for (size_t i = r.boxesBefore; i < boxes.size(); ++i) {
    const bool writeError = boxes[i].text.find("に書き込めません") != std::string::npos &&
                            boxes[i].text.find(Session::IniPath()) != std::string::npos;
    if (!writeError || !s.ReadOnly() || !saveDelivered || !Saves(r.action)) {
      Fail("unexpected message box: " + boxes[i].text);
    }
  }
  if (s.ReadOnly() && saveDelivered && boxes.size() == r.boxesBefore) Fail("a refused save showed no error");

  const bool ended = desk.QuitRequested();
  if (ended && !(quitDelivered && !s.ReadOnly())) Fail("the program ended without a successful quit");
  if (!ended && quitDelivered && !s.ReadOnly()) Fail("the quit sequence did not end the program");
  if (ended && desk.ElapsedMilliseconds() < 500) Fail("the closing strip was not held for 500 ms");

  const bool exists = desk.ProfileFileExists(Session::IniPath());
  const std::string text = desk.ProfileFileText(Session::IniPath());
  if ((!saveDelivered || s.ReadOnly()) && (exists != r.fileExistedBefore || text != r.fileBefore)) {
    Fail("the settings file changed without a save");
  }
  if (saveDelivered && !s.ReadOnly()) {
    // Every key holds its field in plain decimal.
    const ViewerState& st = s.Form().State();
    auto expect = [&](const char* section, const char* key, int64_t v) {
      const std::string got = desk.ReadProfileString(section, key, "(missing)", Session::IniPath());
      if (got != std::to_string(v)) {
        Fail(std::string("saved ") + section + "." + key + " is " + got + ", not " + std::to_string(v));
      }
    };
    auto record = [&](const char* section, const PresetRecord& p) {
      expect(section, "Full", p.mode);
      expect(section, "Width", p.width);
      expect(section, "Aspect", p.aspect);
      expect(section, "X", p.left);
      expect(section, "Y", p.top);
      expect(section, "ScrIdx", p.monitor);
    };
    expect("SaveParameter", "Size", st.StartupSize);
    expect("SaveParameter", "Current", st.RememberOnExit ? 1 : 0);
    expect("SaveParameter", "Front", st.AlwaysOnTop ? 1 : 0);
    record("SaveParameter", PresetRecord{st.WindowLeft, st.WindowTop, st.RegionWidth, st.Aspect,
                                         st.MonitorIndex, st.DisplayMode});
    record("TempParameter", st.LastWindowed);
    record("Pre1Parameter", st.Presets[0]);
    record("Pre2Parameter", st.Presets[1]);
    record("Pre3Parameter", st.Presets[2]);
  }
}

void InvariantChecker::CheckBoxesAndDialog(Session& s, const StepRecord& r) {
  SimDesktop& desk = s.Desk();
  const ViewerState& st = s.Form().State();
  for (const Delivery& d : r.deliveries) {
    const bool informs = d.kind == Delivery::Kind::Menu &&
                         (d.item == MenuItem::N12 || d.item == MenuItem::VersionInfo ||
                          d.item == MenuItem::HtmlHelp || d.item == MenuItem::N1);
    const bool ignoredNotice = d.kind == Delivery::Kind::SettingChange && r.action.code != 47;
    if ((informs || ignoredNotice) && (d.windowAfter != d.windowBefore || d.mode != d.modeBefore)) {
      Fail("an item or notice that changes nothing changed the window to " + Str(d.windowAfter));
    }
    if (d.kind != Delivery::Kind::Menu) continue;
    if (d.item == MenuItem::HtmlHelp) {
      const auto& help = desk.HelpRequests();
      if (help.size() != r.helpBefore + 1 || help.back() != "C:\\Tools\\MirloViewer\\MirloViewerHelp.chm") {
        Fail("help was not opened once from beside the program");
      }
    }
    if (d.item == MenuItem::N12) {
      // The box shows the numbers of the strip.
      const RegionRecord& g = st.RegionRect;
      const std::string size = std::to_string(g.width) + "×" + std::to_string(g.height);
      const std::string at = "(" + std::to_string(g.x0) + "," + std::to_string(g.y0) + ")-(" +
                             std::to_string(g.x1) + "," + std::to_string(g.y1) + ")";
      if (desk.Forms().size() != r.formsBefore + 1 ||
          desk.Forms().back().controls.at(TInformationForm::LabelSize).text != size ||
          desk.Forms().back().controls.at(TInformationForm::LabelPosition).text != at) {
        Fail("the display-information box does not show the strip's numbers " + Str(g));
      }
    }
    if (d.item == MenuItem::N1) {
      // Every choice goes into the state as it is made.
      int32_t size = r.startupSizeBefore;
      bool remember = r.rememberBefore, onTop = r.alwaysOnTopBefore;
      PresetRecord presets[3] = {r.presetsBefore[0], r.presetsBefore[1], r.presetsBefore[2]};
      const Rect w = d.windowBefore;
      for (int id : r.action.dialog.clicks) {
        if (id >= TPrefForm::RadioButton1 && id < TPrefForm::RadioButton1 + 18) size = id - TPrefForm::RadioButton1;
        if (id == TPrefForm::CheckBox1) remember = !remember;
        if (id == TPrefForm::CheckBox2) onTop = !onTop;
        if (id >= TPrefForm::Pre1SetButton && id <= TPrefForm::Pre3SetButton && d.modeBefore <= 0) {
          presets[id - TPrefForm::Pre1SetButton] =
              PresetRecord{w.left, w.top, w.Width() - 6, d.aspect, d.monitor, d.modeBefore};
        }
      }
      if (st.StartupSize != size || st.RememberOnExit != remember || st.AlwaysOnTop != onTop) {
        Fail("the settings dialog's choices are not in the state");
      }
      for (int i = 0; i < 3; ++i) {
        if (!(st.Presets[i] == presets[i])) Fail("preset " + std::to_string(i + 1) + " is not what was captured");
      }
    }
  }
}

void InvariantChecker::CheckPicture(Session& s) {
  SimDesktop& desk = s.Desk();
  const ViewerState& st = s.Form().State();
  const std::vector<SimMonitor>& m = s.Monitors();
  const Rect win = desk.WindowBounds();
  const Rect b = BoundsOf(m, st.MonitorIndex);
  const Region r = ExpectedRegion(st.DisplayMode, win, b);
  const char lead = quitStarted_ ? 'S' : 'A';

  const RegionRecord want{r.x0, r.x0 + r.w - 1, r.y0, r.y0 + r.h - 1, r.w, r.h};
  if (desk.CanvasWidth() != win.Width() || desk.CanvasHeight() != win.Height()) {
    Fail("canvas " + std::to_string(desk.CanvasWidth()) + "x" + std::to_string(desk.CanvasHeight()) +
         " for a window " + Str(win));
    return;
  }
  if (!(st.RegionRect == want)) {
    Fail("RegionRect " + Str(st.RegionRect) + ", the window " + Str(win) + " in mode " +
         std::to_string(st.DisplayMode) + " on monitor " + std::to_string(st.MonitorIndex) + " gives " + Str(want));
  }
  if (st.WindowLeft != win.left || st.WindowTop != win.top || st.RegionWidth != win.Width() - 6) {
    Fail("the last paint did not record the window: WindowLeft " + std::to_string(st.WindowLeft) +
         " WindowTop " + std::to_string(st.WindowTop) + " RegionWidth " + std::to_string(st.RegionWidth) +
         " for " + Str(win));
  }

  // Without a paint, a move or a change of monitor the pictures are the
  // ones already read.
  if (desk.PaintCount() == checkedPaints_ && win == checkedWindow_ &&
      st.MonitorIndex == checkedMonitor_ && quitStarted_ == checkedLead_) {
    return;
  }
  const size_t failuresBefore = failures_.size();
  ReadPictures(s, r, want, lead);
  if (failures_.size() == failuresBefore) {
    checkedPaints_ = desk.PaintCount();
    checkedWindow_ = win;
    checkedMonitor_ = st.MonitorIndex;
    checkedLead_ = quitStarted_;
  }
}

void InvariantChecker::ReadPictures(Session& s, const Region& r, const RegionRecord& want, char lead) {
  SimDesktop& desk = s.Desk();
  const ViewerState& st = s.Form().State();
  const std::vector<SimMonitor>& m = s.Monitors();
  const Rect win = desk.WindowBounds();
  const Rect b = BoundsOf(m, st.MonitorIndex);
  Fill(canvas_, desk.Canvas(), win.Width(), win.Height());
  const stripread::Image& canvas = canvas_;
  if (r.w <= 0 || r.h <= 0) {
    // An empty region: nothing magenta, nothing for the device to read.
    for (Color c : desk.Canvas()) {
      if (c == 0xFF00FF) {
        Fail("magenta on the window around an empty region");
        break;
      }
    }
    if (!stripread::FindStrips(canvas).empty()) Fail("a strip on the window of an empty region");
    return;
  }
  // On the window the strip stands at the region's corner; the device's
  // scan of the whole picture follows below.
  stripread::Strip atCorner;
  if (!stripread::ReadStripAt(canvas, r.cx, r.cy, atCorner)) {
    Fail("no strip at the region's corner (" + std::to_string(r.cx) + "," + std::to_string(r.cy) +
         ") of the window " + Str(win) + " in mode " + std::to_string(st.DisplayMode) + ", region " + Str(want));
  } else {
    const std::string bad = StripMismatch(canvas, atCorner, lead, r, r.cx, r.cy);
    if (!bad.empty()) Fail("strip on the window:" + bad);
  }

  // The device on the viewer's monitor reads the same strip when the region
  // lies wholly on that monitor.
  const int64_t left = int64_t(win.left) + r.cx, top = int64_t(win.top) + r.cy;
  if (!InTable(m, st.MonitorIndex) || left < b.left || top < b.top || left + r.w > b.right ||
      top + r.h > b.bottom) {
    return;
  }
  desk.MonitorPictureInto(st.MonitorIndex, picture_.pixels);
  picture_.width = b.Width();
  picture_.height = b.Height();
  const stripread::Image& picture = picture_;
  const std::vector<stripread::Strip> seen = stripread::FindStrips(picture);
  if (seen.size() != 1) {
    Fail(std::to_string(seen.size()) + " strips on monitor " + std::to_string(st.MonitorIndex));
  } else {
    const std::string bad = StripMismatch(picture, seen[0], lead, r, r.x0, r.y0);
    if (!bad.empty()) Fail("strip on monitor " + std::to_string(st.MonitorIndex) + ":" + bad);
  }
}

void InvariantChecker::CheckPlacement(Session& s, const StepRecord& r) {
  SimDesktop& desk = s.Desk();
  const ViewerState& st = s.Form().State();
  const std::vector<SimMonitor>& m = s.Monitors();
  const Rect win = desk.WindowBounds();
  const std::string where = " (window " + Str(win) + ", mode " + std::to_string(st.DisplayMode) +
                            ", monitor " + std::to_string(st.MonitorIndex) + ")";
  if (st.DisplayMode > 0) {
    if (desk.GetWindowState() != WindowState::Maximized) Fail("full screen, not maximised" + where);
    if (!desk.IsTopmost()) Fail("full screen, not topmost" + where);
    const Rect b = BoundsOf(m, st.MonitorIndex);
    if (InTable(m, st.MonitorIndex) ? win != b : (win.left != 0 || win.top != 0)) {
      Fail("full screen does not cover the monitor " + Str(b) + where);
    }
    return;
  }
  if (st.DisplayMode < 0) return;  // a damaged mode: the paint alone says what is shown

  if (desk.GetWindowState() != WindowState::Normal) Fail("windowed, not in the normal state" + where);
  if (desk.IsTopmost() != desk.MenuItemAt(Id(MenuItem::N7)).checked) {
    Fail("topmost does not follow the always-on-top mark" + where);
  }
  if (!Usable(m, st.MonitorIndex)) Fail("windowed on an unusable monitor" + where);
  const Rect b = BoundsOf(m, st.MonitorIndex), work = WorkOf(m, st.MonitorIndex);
  const int32_t w = win.Width() - 6, h = win.Height() - 6;
  const int32_t largest = LargestWidth(b.Width(), b.Height());
  if (w < 320 || w > largest) Fail("region width " + std::to_string(w) + " outside 320.." + std::to_string(largest) + where);
  const int32_t fh = RegionHeight(w, st.Aspect);
  if (h != fh && h != fh + 1) Fail("region height " + std::to_string(h) + " does not follow width " + std::to_string(w) + where);

  bool dragged = false;
  for (const Delivery& d : r.deliveries) {
    dragged = dragged || (d.kind == Delivery::Kind::Move && d.windowAfter != d.windowBefore);
  }
  // Inside the work area on each axis where the window fits; flush with the
  // right or bottom edge where it does not (drags may leave it elsewhere).
  auto axis = [&](const char* name, int32_t lo, int32_t hi, int32_t wlo, int32_t whi) {
    if (hi - lo <= whi - wlo) {
      if (lo < wlo || hi > whi) Fail(std::string("outside the work area ") + Str(work) + " " + name + where);
    } else if (!dragged && hi != whi) {
      Fail(std::string("larger than the work area ") + Str(work) + " but not flush " + name + where);
    }
  };
  axis("horizontally", win.left, win.right, work.left, work.right);
  axis("vertically", win.top, win.bottom, work.top, work.bottom);

  const PresetRecord last{win.left, win.top, w, st.Aspect, st.MonitorIndex, 0};
  if (!(st.LastWindowed == last)) Fail("LastWindowed is not the windowed state painted" + where);
}

// Up only while a drag is under way (the sessions press no moving keys), on
// a windowed viewer; clear of its region and off the strip's row, on its
// monitor, naming the numbers the strip carries.
void InvariantChecker::CheckReadout(Session& s) {
  SimDesktop& desk = s.Desk();
  if (!desk.ReadoutShown()) return;
  ++coverage_.readoutSteps;
  const ViewerState& st = s.Form().State();
  if (!armed_) Fail("the readout is up with no drag under way");
  // A drag is judged by the window state, so a normal window in a negative
  // stored mode (a damaged file) drags, with the readout, like a windowed one.
  if (st.DisplayMode > 0 || desk.GetWindowState() == WindowState::Maximized) {
    Fail("the readout is up in full screen");
    return;
  }
  const Rect win = desk.WindowBounds(), b = BoundsOf(s.Monitors(), st.MonitorIndex);
  const Region g = ExpectedRegion(st.DisplayMode, win, b);
  const Rect region{win.left + g.cx, win.top + g.cy, win.left + g.cx + g.w, win.top + g.cy + g.h};
  const Rect r = desk.ReadoutBounds();
  const std::string where = ": readout " + Str(r) + ", region " + Str(region);
  if (r.left < region.right && region.left < r.right && r.top < region.bottom && region.top < r.bottom) {
    Fail("the readout covers the region" + where);
  }
  if (r.top <= region.top && region.top < r.bottom) Fail("the readout lies across the strip's row" + where);
  if (r.left < b.left || r.top < b.top || r.right > b.right || r.bottom > b.bottom) {
    Fail("the readout leaves the viewer's monitor " + Str(b) + where);
  }
  const std::string text = "(" + std::to_string(g.x0) + "," + std::to_string(g.y0) + ")-(" +
                           std::to_string(g.x0 + g.w - 1) + "," + std::to_string(g.y0 + g.h - 1) +
                           ") " + std::to_string(g.w) + "×" + std::to_string(g.h);
  if (desk.ReadoutText() != text) Fail("the readout says " + desk.ReadoutText() + ", the strip " + text);
}

void InvariantChecker::CheckMenu(Session& s) {
  SimDesktop& desk = s.Desk();
  const ViewerState& st = s.Form().State();
  const Rect b = BoundsOf(s.Monitors(), st.MonitorIndex);
  const int32_t largest = LargestWidth(b.Width(), b.Height());
  const std::pair<MenuItem, int32_t> items[] = {{MenuItem::N3201, 320},   {MenuItem::N6401, 640},
                                                {MenuItem::N8001, 800},   {MenuItem::N10241, 1024},
                                                {MenuItem::N12801, 1280}, {MenuItem::N14401, 1440}};
  for (const auto& [item, width] : items) {
    const SimMenuItem& mi = desk.MenuItemAt(Id(item));
    if (mi.enabled != (largest >= width)) {
      Fail("width item " + std::to_string(width) + (mi.enabled ? " enabled" : " disabled") +
           " on a monitor whose limit is " + std::to_string(largest));
    }
    if (st.Aspect == 0 || st.Aspect == 1) {
      const std::string caption = std::to_string(width) + (st.Aspect == 1 ? "（ワイド）" : "（ノーマル）");
      if (mi.caption != caption) Fail("width item " + std::to_string(width) + " does not name aspect " + std::to_string(st.Aspect));
    }
  }
}

}  // namespace mirlo::session
