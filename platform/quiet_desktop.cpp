#include "platform/quiet_desktop.h"

namespace mirlo {

void QuietDesktop::BeginHandler() {
  ++handlers_;
  ApplyBounds();
  // The paint run by Repaint below belongs to the handler that asked for it
  // and sees what that handler read.
  if (!insideRepaint_) Forget();
}

void QuietDesktop::Forget() {
  monitorCount_.reset();
  monitors_.clear();
  window_.reset();
}

void QuietDesktop::EndHandler() {
  Show();
  // Between handlers nothing read is kept: the desk may change meanwhile.
  if (--handlers_ == 0) Forget();
}

void QuietDesktop::PaintDue() {
  paintDue_ = true;
  if (handlers_ == 0) Show();
}

void QuietDesktop::Show() {
  if (paintDue_) {
    Repaint();
  } else {
    ApplyBounds();
  }
}

int QuietDesktop::MonitorCount() {
  if (handlers_ == 0) return inner_.MonitorCount();
  if (!monitorCount_) monitorCount_ = inner_.MonitorCount();
  return *monitorCount_;
}

Rect QuietDesktop::MonitorBoundsAt(int index) {
  if (handlers_ == 0) return inner_.MonitorBoundsAt(index);
  std::optional<Rect>& r = monitors_[index].bounds;
  if (!r) r = inner_.MonitorBoundsAt(index);
  return *r;
}

Rect QuietDesktop::MonitorWorkAreaAt(int index) {
  if (handlers_ == 0) return inner_.MonitorWorkAreaAt(index);
  std::optional<Rect>& r = monitors_[index].work;
  if (!r) r = inner_.MonitorWorkAreaAt(index);
  return *r;
}

Rect QuietDesktop::WindowBounds() {
  if (pending_) return *pending_;
  if (handlers_ == 0) return inner_.WindowBounds();
  if (!window_) window_ = inner_.WindowBounds();
  return *window_;
}

void QuietDesktop::SetWindowBounds(int left, int top, int width, int height) {
  pending_ = Rect{left, top, left + width, top + height};
}

void QuietDesktop::ApplyBounds() {
  if (!pending_) return;
  const Rect r = *pending_;
  pending_.reset();
  if (!window_ || handlers_ == 0) window_ = inner_.WindowBounds();
  if (r == *window_) return;
  if (strip_) inner_.HideStrip(strip_->cells, strip_->region);
  strip_.reset();
  inner_.SetWindowBounds(r.left, r.top, r.Width(), r.Height());
  // Read back: the window system may have had its own say.
  window_ = inner_.WindowBounds();
}

WindowState QuietDesktop::GetWindowState() { return inner_.GetWindowState(); }

void QuietDesktop::SetWindowState(WindowState state) {
  ApplyBounds();
  if (inner_.GetWindowState() == state) return;
  inner_.SetWindowState(state);
  window_.reset();  // a change of state may move the window
}

void QuietDesktop::SetTopmost(bool topmost) { inner_.SetTopmost(topmost); }

void QuietDesktop::MakeUndecorated() {
  ApplyBounds();
  inner_.MakeUndecorated();
}

void QuietDesktop::ShowWindow() {
  Show();
  inner_.ShowWindow();
}

void QuietDesktop::Repaint() {
  ApplyBounds();
  paintDue_ = false;
  insideRepaint_ = true;
  inner_.Repaint();
  insideRepaint_ = false;
}

void QuietDesktop::CreatePopupMenu(const std::vector<MenuEntry>& entries) {
  inner_.CreatePopupMenu(entries);
  menu_.clear();
  for (const MenuEntry& e : entries) menu_[e.id] = MenuMarks{false, true, e.caption};
}

void QuietDesktop::SetMenuChecked(int id, bool checked) {
  MenuMarks& m = menu_[id];
  if (m.checked == checked) return;
  inner_.SetMenuChecked(id, checked);
  m.checked = checked;
}

bool QuietDesktop::IsMenuChecked(int id) { return menu_[id].checked; }

void QuietDesktop::SetMenuEnabled(int id, bool enabled) {
  MenuMarks& m = menu_[id];
  if (m.enabled == enabled) return;
  inner_.SetMenuEnabled(id, enabled);
  m.enabled = enabled;
}

bool QuietDesktop::IsMenuEnabled(int id) { return menu_[id].enabled; }

void QuietDesktop::SetMenuCaption(int id, const std::string& caption) {
  MenuMarks& m = menu_[id];
  if (m.caption == caption) return;
  inner_.SetMenuCaption(id, caption);
  m.caption = caption;
}

void QuietDesktop::ShowPopupMenuAt(Point screen) {
  Show();
  inner_.ShowPopupMenuAt(screen);
  Forget();  // the window system ran while the menu was open
}

void QuietDesktop::SetCursorShape(CursorShape shape) {
  if (cursor_ == shape) return;
  inner_.SetCursorShape(shape);
  cursor_ = shape;
}

void QuietDesktop::ShowModalForm(const FormDescription& form, FormEvents& events) {
  Show();
  inner_.ShowModalForm(form, events);
  Forget();  // the window system ran while the form was open
}

void QuietDesktop::ShowHelp(const std::string& path) {
  Show();
  inner_.ShowHelp(path);
}

int QuietDesktop::ShowMessageBox(const UserText& text, const UserText& caption, unsigned flags) {
  Show();
  const int result = inner_.ShowMessageBox(text, caption, flags);
  Forget();
  return result;
}

void QuietDesktop::Sleep(int milliseconds) {
  Show();
  inner_.Sleep(milliseconds);
}

void QuietDesktop::RequestQuit() {
  Show();
  inner_.RequestQuit();
}

}  // namespace mirlo
