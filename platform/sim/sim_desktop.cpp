#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "monitors/monitor_table.h"
#include "platform/input.h"
#include "platform/sim/sim_profile.h"
#include "stripcheck/desk.h"

namespace mirlo {

SimMonitor MakeMonitor(int32_t left, int32_t top, int32_t w, int32_t h, int32_t taskbar) {
  return SimMonitor{Rect{left, top, left + w, top + h}, Rect{left, top, left + w, top + h - taskbar}};
}

SimDesktop::SimDesktop(std::vector<SimMonitor> monitors) : monitors_(std::move(monitors)) {}

std::vector<MonitorInfo> SimDesktop::Table() const {
  std::vector<MonitorInfo> table;
  for (const SimMonitor& m : monitors_) table.push_back(MonitorInfo{m.bounds, m.work});
  return table;
}

std::vector<MonitorInfo> SimDesktop::Monitors() {
  monitorReads_ += int(monitors_.size());
  return Table();
}

Rect SimDesktop::WindowBounds() { return window_; }

namespace {

// Far edges of a window placed near the 32-bit limits stop at them.
int32_t FarEdge(int32_t near, int64_t size) {
  const int64_t edge = int64_t(near) + size;
  return int32_t(std::clamp<int64_t>(edge, INT32_MIN, INT32_MAX));
}

}  // namespace

void SimDesktop::SetWindowBounds(const Rect& r) {
  const int64_t width = int64_t(r.right) - r.left, height = int64_t(r.bottom) - r.top;
  window_ = Rect{r.left, r.top, FarEdge(r.left, width), FarEdge(r.top, height)};
  log_.push_back("bounds " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                 std::to_string(width) + " " + std::to_string(height));
  ResizeCanvas(int(std::clamp<int64_t>(width, 0, INT32_MAX)),
               int(std::clamp<int64_t>(height, 0, INT32_MAX)));
}

void SimDesktop::MoveWindowFromOutside(const Rect& bounds) {
  window_ = bounds;
  ResizeCanvas(bounds.Width(), bounds.Height());
}

void SimDesktop::SetWindowState(WindowState state) {
  log_.push_back(state == WindowState::Maximized ? "state max" : "state normal");
  if (state == state_) return;
  if (state == WindowState::Maximized) {
    // Windows maximises a window without caption to the work area of the
    // monitor that holds most of it, and restores the rectangle it had.
    restoreBounds_ = window_;
    const int monitor = std::max(0, MonitorOfRect(Table(), window_));
    window_ = monitors_.empty() ? window_ : monitors_[size_t(monitor)].work;
  } else {
    window_ = restoreBounds_;
  }
  state_ = state;
  ResizeCanvas(window_.Width(), window_.Height());
}

void SimDesktop::SetTopmost(bool topmost) {
  log_.push_back(topmost ? "topmost" : "notopmost");
  topmost_ = topmost;
}

void SimDesktop::MakeUndecorated() {
  log_.push_back("undecorated");
  undecorated_ = true;
}

void SimDesktop::ShowWindow() {
  log_.push_back("show");
  visible_ = true;
  Repaint();  // showing exposes the whole window
}

void SimDesktop::Repaint() {
  if (events_ == nullptr) return;
  log_.push_back("repaint");
  std::fill(canvas_.begin(), canvas_.end(), kButtonFace);
  ++paintCount_;
  events_->OnPaint();
}

void SimDesktop::ResizeCanvas(int width, int height) {
  if (drawNothing_) return;
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == canvasWidth_ && height == canvasHeight_) return;
  // What was drawn stays where the window still covers it.
  std::vector<Color> next(size_t(width) * size_t(height), kButtonFace);
  const int keep = std::min(width, canvasWidth_);
  for (int y = 0; y < std::min(height, canvasHeight_) && keep > 0; ++y) {
    const Color* from = canvas_.data() + size_t(y) * canvasWidth_;
    std::copy(from, from + keep, next.data() + size_t(y) * width);
  }
  canvas_.swap(next);
  canvasWidth_ = width;
  canvasHeight_ = height;
}

void SimDesktop::SetPixel(int x, int y, Color c) {
  if (x < 0 || y < 0 || x >= canvasWidth_ || y >= canvasHeight_) return;
  canvas_[size_t(y) * canvasWidth_ + x] = c;
}

Color SimDesktop::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= canvasWidth_ || y >= canvasHeight_) {
    throw std::out_of_range("pixel outside the canvas");
  }
  return canvas_[size_t(y) * canvasWidth_ + x];
}

void SimDesktop::FillRect(const Rect& r, Color c) {
  // Clipped to the canvas, as the window system clips to the client area.
  const int left = std::max(r.left, 0), right = std::min(r.right, canvasWidth_);
  const int top = std::max(r.top, 0), bottom = std::min(r.bottom, canvasHeight_);
  for (int y = top; y < bottom; ++y) {
    const auto row = canvas_.begin() + ptrdiff_t(y) * canvasWidth_;
    if (left < right) std::fill(row + left, row + right, c);
  }
}

void SimDesktop::FillNow(const Rect& r, Color c) {
  if (!visible_) return;
  log_.push_back("fillnow");
  FillRect(r, c);
}

void SimDesktop::DrawLine(Point from, Point to, Color c) {
  // The viewer draws only straight lines, clipped to the canvas first so a
  // line of any length costs no more than the pixels it covers (end point
  // excluded).
  if (from.x != to.x && from.y != to.y) throw std::logic_error("a slanting line");
  const bool across = from.y == to.y;
  const int64_t a = across ? from.x : from.y, b = across ? to.x : to.y;
  const int64_t first = a <= b ? a : b + 1, last = a <= b ? b - 1 : a;  // inclusive
  const int64_t limit = across ? canvasWidth_ : canvasHeight_;
  const int fixed = across ? from.y : from.x;
  for (int64_t i = std::max<int64_t>(first, 0); i <= std::min<int64_t>(last, limit - 1); ++i) {
    SetPixel(across ? int(i) : fixed, across ? fixed : int(i), c);
  }
}

std::vector<Color> SimDesktop::MonitorPicture(int index) const {
  std::vector<Color> picture;
  MonitorPictureInto(index, picture);
  return picture;
}

void SimDesktop::MonitorPictureInto(int index, std::vector<Color>& picture) const {
  const Rect b = monitors_.at(index).bounds;
  picture.assign(size_t(b.Width()) * size_t(b.Height()), 0x3A6EA5);
  // The part of the window on this monitor, row by row (in 64 bits: the
  // window may stand anywhere).
  const int64_t wl = window_.left, wt = window_.top;
  const int64_t x0 = std::max<int64_t>(0, b.left - wl), x1 = std::min<int64_t>(canvasWidth_, b.right - wl);
  const int64_t y0 = std::max<int64_t>(0, b.top - wt), y1 = std::min<int64_t>(canvasHeight_, b.bottom - wt);
  for (int64_t y = y0; y < y1 && x0 < x1 && visible_; ++y) {
    const Color* from = &canvas_[size_t(y) * canvasWidth_ + size_t(x0)];
    Color* to = &picture[size_t(wt + y - b.top) * b.Width() + size_t(wl + x0 - b.left)];
    std::copy(from, from + (x1 - x0), to);
  }
  // The readout stands above the viewer, the windows in front above both.
  if (readoutShown_) {
    const Rect& r = readoutBounds_;
    const int32_t rx0 = std::max(r.left, b.left), rx1 = std::min(r.right, b.right);
    for (int32_t y = std::max(r.top, b.top); y < std::min(r.bottom, b.bottom) && rx0 < rx1; ++y) {
      Color* row = &picture[size_t(y - b.top) * b.Width()];
      std::fill(row + (rx0 - b.left), row + (rx1 - b.left), kButtonFace);
    }
  }
  for (const WindowInFront& w : inFront_) {
    const int left = std::max(w.bounds.left, b.left), right = std::min(w.bounds.right, b.right);
    const int top = std::max(w.bounds.top, b.top), bottom = std::min(w.bounds.bottom, b.bottom);
    for (int y = top; y < bottom && left < right; ++y) {
      const auto row = picture.begin() + ptrdiff_t(y - b.top) * b.Width();
      std::fill(row + (left - b.left), row + (right - b.left), w.colour);
    }
  }
}

void SimDesktop::CreatePopupMenu(const std::vector<MenuEntry>& entries) {
  menu_.clear();
  menuOrder_.clear();
  for (const MenuEntry& e : entries) {
    menu_[e.id] = SimMenuItem{e.parent, e.caption, false, true};
    menuOrder_.push_back(e.id);
  }
}

void SimDesktop::SetMenuItem(int id, const MenuItemState& state) {
  log_.push_back("menu " + std::to_string(id));
  SimMenuItem& item = menu_.at(id);
  item.checked = state.checked;
  item.enabled = state.enabled;
  item.caption = state.caption;
}

void SimDesktop::ShowPopupMenuAt(Point screen) {
  log_.push_back("popup " + std::to_string(screen.x) + " " + std::to_string(screen.y));
  popupMenus_.push_back(screen);
}

bool SimDesktop::SetCapture() {
  const bool held = captured_;
  captured_ = true;
  return held;
}

void SimDesktop::ReleaseCapture() {
  // Windows tells the window that gives the capture back that it lost it
  // (WM_CAPTURECHANGED) before the call returns.
  const bool held = captured_;
  captured_ = false;
  if (held && events_ != nullptr) events_->OnCaptureLost();
}
Point SimDesktop::CursorPos() { return cursorPos_; }

void SimDesktop::SetCursorShape(CursorShape shape) { cursor_ = shape; }

std::string SimDesktop::ReadProfileString(const std::string& section, const std::string& key,
                                          const std::string& fallback, const std::string& path) {
  const auto it = files_.find(path);
  if (it == files_.end()) return fallback;
  std::string value;
  if (!ProfileRead(it->second, section, key, value)) return fallback;
  return value;
}

bool SimDesktop::WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& path) {
  if (readOnly_[path]) return false;
  files_[path] = ProfileWrite(files_[path], section, key, value);
  return true;
}

void SimDesktop::SetReadOnly(const std::string& path, bool readOnly) { readOnly_[path] = readOnly; }

std::string SimDesktop::ProfileFileText(const std::string& path) const {
  const auto it = files_.find(path);
  return it == files_.end() ? std::string() : it->second;
}

void SimDesktop::SetProfileFileText(const std::string& path, const std::string& text) {
  files_[path] = text;
}

bool SimDesktop::ProfileFileExists(const std::string& path) const { return files_.count(path) != 0; }

void SimDesktop::ShowModalForm(const FormDescription& form, FormEvents& events) {
  SimForm f;
  f.description = form;
  const int dpi = form.scaleWithDpi ? formDpi_ : 96;
  f.position = form.place(form.clientWidth * dpi / 96 + 2 * kFormBorder,
                          form.clientHeight * dpi / 96 + kFormCaption + 2 * kFormBorder);
  for (const FormControl& c : form.controls) {
    SimControl& control = f.controls[c.id] = SimControl{c.kind, c.caption};
    control.items = c.items;
  }
  forms_.push_back(f);
  FormEvents* outer = formEvents_;
  formEvents_ = &events;
  events.OnShow();
  if (whileFormOpen) whileFormOpen();
  if (forms_.back().open) CloseForm();
  formEvents_ = outer;
}

SimControl& SimDesktop::Control(int id) {
  if (forms_.empty() || !forms_.back().open) throw std::logic_error("no form is open");
  return forms_.back().controls.at(id);
}

void SimDesktop::SetControlText(int id, const std::string& text) { Control(id).text = text; }

void SimDesktop::SetControlChecked(int id, bool checked) {
  SimControl& c = Control(id);
  if (checked) {
    for (int other : RadioGroupOthers(forms_.back().description, id)) Control(other).checked = false;
  }
  c.checked = checked;
}

bool SimDesktop::IsControlChecked(int id) { return Control(id).checked; }

void SimDesktop::SetControlEnabled(int id, bool enabled) { Control(id).enabled = enabled; }

void SimDesktop::CloseForm() {
  if (forms_.empty() || !forms_.back().open) return;
  formEvents_->OnClose();
  forms_.back().open = false;
}

void SimDesktop::PressEscape() {
  const int cancel = forms_.at(forms_.size() - 1).description.cancelControl;
  if (cancel != 0) ClickControl(cancel);
}

void SimDesktop::DestroyViewerFromOutside() {
  if (!forms_.empty() && forms_.back().open) {
    formEvents_->OnClose();  // the form's controls still exist at this point
    forms_.back().open = false;
  }
  visible_ = false;
  RequestQuit();
}

void SimDesktop::ClickControl(int id) {
  SimControl& c = Control(id);
  if (!c.enabled) return;
  if (c.kind == ControlKind::RadioButton) SetControlChecked(id, true);
  if (c.kind == ControlKind::CheckBox) c.checked = !c.checked;
  formEvents_->OnClick(id);
}

void SimDesktop::TypeText(int id, const std::string& text) {
  SimControl& c = Control(id);
  if (!c.enabled || c.kind != ControlKind::EditField) return;
  c.text = text;
  formEvents_->OnChange(id);
}

void SimDesktop::ChooseItem(int id, int index) {
  SimControl& c = Control(id);
  if (!c.enabled || c.kind != ControlKind::DropDownList) return;
  if (index < 0 || index >= int(c.items.size())) throw std::out_of_range("no such choice");
  c.selection = index;
  formEvents_->OnChange(id);
}

void SimDesktop::PressReturn(int focusedPushButton) {
  const int pressed = ReturnPresses(forms_.at(forms_.size() - 1).description, focusedPushButton);
  if (pressed != 0) ClickControl(pressed);
}

void SimDesktop::PressFormKey(Key key, KeyModifiers modifiers) {
  if (forms_.empty() || !forms_.back().open) throw std::logic_error("no form is open");
  // A key the form leaves to its focused control goes no further here.
  FormKeyDown(*formEvents_, key, modifiers);
}

std::string SimDesktop::ControlText(int id) { return Control(id).text; }

void SimDesktop::SetControlSelection(int id, int index) { Control(id).selection = index; }

int SimDesktop::ControlSelection(int id) { return Control(id).selection; }

std::string SimDesktop::ClipboardText() { return clipboard_; }

void SimDesktop::SetClipboardText(const std::string& text) { clipboard_ = text; }

void SimDesktop::ShowHelp(const std::string& path) { helpRequests_.push_back(path); }

int SimDesktop::ShowMessageBox(const UserText& text, const UserText& caption, unsigned flags) {
  boxes_.push_back(SimMessageBox{text.Bytes(), caption.Bytes(), flags, text});
  log_.push_back("messagebox");
  return 1;  // IDOK
}

void SimDesktop::Sleep(int milliseconds) {
  if (!sleepFailure_.empty()) throw std::runtime_error(sleepFailure_);
  log_.push_back("sleep " + std::to_string(milliseconds));
  clockMs_ += milliseconds;
}

std::string SimDesktop::ModuleFileName() { return modulePath_; }

void SimDesktop::RequestQuit() {
  log_.push_back("quit");
  quitRequested_ = true;
}

bool SimDesktop::OtherInstanceRunning(const std::string&) { return otherInstance_; }
bool SimDesktop::CreateInstanceGuard(const std::string&) {
  if (guardTakenMeanwhile_) return false;
  guardHeld_ = true;
  return true;
}
void SimDesktop::ReleaseInstanceGuard() { guardHeld_ = false; }
void SimDesktop::SetTitle(const std::string& title) { title_ = title; }

void SimDesktop::CreateMainWindow(WindowEvents& events) { events_ = &events; }

void SimDesktop::RunMessageLoop() {
  if (!quitRequested_ && whileRunning) whileRunning();
  events_ = nullptr;  // the window goes with the end of the loop
}

void SimDesktop::Press(MouseButton button, int x, int y) {
  ButtonDown(*this, *events_, button, Point{x, y}, false);
}

namespace {

// The point of the rectangle (right and bottom exclusive) nearest to p.
Point NearestIn(const Rect& r, Point p) {
  return Point{std::clamp(p.x, r.left, std::max(r.left, r.right - 1)),
               std::clamp(p.y, r.top, std::max(r.top, r.bottom - 1))};
}

int64_t DistanceSquared(Point a, Point b) {
  const int64_t dx = int64_t(a.x) - b.x, dy = int64_t(a.y) - b.y;
  return dx * dx + dy * dy;
}

}  // namespace

bool SimDesktop::PointerOverViewer() const {
  return visible_ && cursorPos_.x >= window_.left && cursorPos_.x < window_.right &&
         cursorPos_.y >= window_.top && cursorPos_.y < window_.bottom;
}

bool SimDesktop::MoveMouseTo(Point screen) {
  // Windows keeps the pointer on the monitors: a point beside them ends on
  // the nearest monitor's edge. Moves reach the window under the pointer, or
  // the one holding the capture.
  Point best = screen;
  int64_t bestDistance = -1;
  for (const SimMonitor& m : monitors_) {
    const Point p = NearestIn(m.bounds, screen);
    const int64_t d = DistanceSquared(p, screen);
    if (bestDistance < 0 || d < bestDistance) {
      best = p;
      bestDistance = d;
    }
  }
  cursorPos_ = best;
  if (events_ == nullptr || !(captured_ || PointerOverViewer())) return false;
  events_->OnMouseMove(cursorPos_.x - window_.left, cursorPos_.y - window_.top, held_);
  return true;
}

bool SimDesktop::PressAtPointer(MouseButton button) {
  if (events_ == nullptr || !(captured_ || PointerOverViewer())) return false;
  Press(button, cursorPos_.x - window_.left, cursorPos_.y - window_.top);
  return true;
}

bool SimDesktop::ReleaseAtPointer(MouseButton button) {
  if (events_ == nullptr || !(captured_ || PointerOverViewer())) return false;
  Release(button);
  return true;
}

void SimDesktop::Release(MouseButton button) {
  events_->OnMouseUp(button, cursorPos_.x - window_.left, cursorPos_.y - window_.top);
  // Windows' default handling of a right release asks for the context menu
  // at the pointer.
  if (button == MouseButton::Right && events_ != nullptr) events_->OnContextMenu(cursorPos_);
}

void SimDesktop::DoubleClickLeft(int x, int y) {
  ButtonDown(*this, *events_, MouseButton::Left, Point{x, y}, true);
}

void SimDesktop::LoseCapture() {
  captured_ = false;
  events_->OnCaptureLost();
}

void SimDesktop::ChooseMenu(int id) {
  if (!menu_.at(id).enabled) return;
  events_->OnMenuCommand(id);
}

void SimDesktop::PressKey(Key key, KeyModifiers modifiers, int repeats) {
  KeyDown(key, modifiers, repeats);
  KeyUp(key);
}

namespace {

KeyModifiers Both(KeyModifiers a, KeyModifiers b) {
  return KeyModifiers{a.shift || b.shift, a.ctrl || b.ctrl, a.alt || b.alt};
}

}  // namespace

void SimDesktop::KeyDown(Key key, KeyModifiers modifiers, int repeats) {
  // Windows' default handling of a key the window leaves to it asks for the
  // context menu on Shift+F10 at once, and on the menu key at its release.
  keyHeld_ = modifiers;
  const KeyModifiers m = Both(held_, modifiers);
  for (int i = 0; i < repeats; ++i) {
    const KeyModifiers outer = held_;
    held_ = m;
    const bool taken = events_->OnKeyDown(key, m);
    held_ = outer;
    if (taken) continue;
    ++keysPassedOn_;
    if (key == Key::F10 && m.shift && !m.alt) events_->OnContextMenu(std::nullopt);
  }
}

void SimDesktop::KeyUp(Key key) {
  const KeyModifiers m = Both(held_, keyHeld_);
  const KeyModifiers outer = held_;
  held_ = m;
  events_->OnKeyUp(key, m);
  held_ = outer;
  keyHeld_ = KeyModifiers{};
  if (key == Key::Apps) events_->OnContextMenu(std::nullopt);
}

void SimDesktop::HoldControl(bool down) {
  // Windows' key state has a key down from its own key-down message on, and
  // up from its own key-up.
  held_.ctrl = down;
  if (!down) {
    events_->OnKeyUp(Key::Control, held_);
  } else if (!events_->OnKeyDown(Key::Control, held_)) {
    ++keysPassedOn_;
  }
}

void SimDesktop::LoseFocus() { events_->OnFocusLost(); }

Point SimDesktop::ReadoutSize(const std::string& text, const LabelFont& font) {
  ++readoutMeasures_;
  return Point{int32_t(6 * text.size() + 12), font.height + 6};
}

void SimDesktop::SetReadoutBounds(const Rect& r) {
  log_.push_back("readout at " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                 std::to_string(r.Width()) + " " + std::to_string(r.Height()));
  readoutBounds_ = r;
}

void SimDesktop::SetReadoutText(const std::string& text, const LabelFont& font) {
  log_.push_back("readout text " + text);
  readoutText_ = text;
  readoutFont_ = font;
}

void SimDesktop::ShowReadout(bool shown) {
  log_.push_back(shown ? "readout shown" : "readout hidden");
  readoutShown_ = shown;
}

void SimDesktop::BroadcastSettingChange(unsigned action) { events_->OnSettingChange(action); }

void SimDesktop::PlaceWindowInFront(const Rect& bounds, const std::string& name, Color colour) {
  inFront_.push_back(WindowInFront{bounds, name, colour});
}

bool SimDesktop::ReadScreen(stripcheck::Desk& out) {
  log_.push_back("readscreen");
  if (screenReadsFail_) return false;
  stripcheck::Desk desk;
  for (size_t i = 0; i < monitors_.size(); ++i) {
    stripcheck::MonitorShot shot;
    shot.bounds = monitors_[i].bounds;
    shot.image.width = shot.bounds.Width();
    shot.image.height = shot.bounds.Height();
    MonitorPictureInto(int(i), shot.image.pixels);
    desk.monitors.push_back(std::move(shot));
  }
  stripcheck::ViewerFacts& v = desk.viewer;
  v.found = visible_;
  v.rect = window_;
  // Drawn for the pixels of its monitor, as a per-monitor aware program.
  v.windowDpi = 96;
  v.monitorDpi = 96;
  // Nearest the top first, only those that overlap the viewer, as the window
  // system lists them.
  for (auto w = inFront_.rbegin(); w != inFront_.rend(); ++w) {
    const bool overlaps = w->bounds.left < window_.right && window_.left < w->bounds.right &&
                          w->bounds.top < window_.bottom && window_.top < w->bounds.bottom;
    if (overlaps) v.above.push_back(stripcheck::WindowAbove{w->bounds, w->name});
  }
  out = std::move(desk);
  return true;
}

void SimDesktop::ChangeMonitors(std::vector<SimMonitor> monitors) {
  monitors_ = std::move(monitors);
  events_->OnDisplayChange();
}

}  // namespace mirlo
