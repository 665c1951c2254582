#include "timed_desktop.h"

#include "clock.h"

namespace mirlo::bench {

const char* CallName(Call c) {
  static const char* const names[] = {
      "Monitors", "WindowBounds",
      "SetWindowBounds", "SetWindowState", "SetTopmost", "MakeUndecorated",
      "ShowWindow", "Repaint", "FillRect", "DrawLine", "FillNow", "CreatePopupMenu",
      "SetMenuItem",
      "ShowPopupMenuAt", "SetCapture", "ReleaseCapture", "CursorPos", "SetCursorShape",
      "ReadProfileString", "WriteProfileString", "ShowModalForm", "SetControlText",
      "SetControlChecked", "IsControlChecked", "SetControlEnabled", "CloseForm", "ShowHelp",
      "ShowMessageBox", "Sleep", "ModuleFileName", "RequestQuit",
      "ControlText", "SetControlSelection", "ControlSelection", "ClipboardText",
      "SetClipboardText",
      "ReadScreen",

      "ReadoutSize", "SetReadoutBounds", "SetReadoutText", "ShowReadout"};
  static_assert(sizeof(names) / sizeof(names[0]) == size_t(Call::Count));
  return names[size_t(c)];
}

TimedDesktop::Scope::Scope(TimedDesktop& d, Call c) : d_(d), c_(c) {
  if (!d_.profiling_ || d_.costs_.empty()) return;
  nestedBefore_ = d_.nested_;
  d_.nested_ = 0;
  start_ = Now();
}

TimedDesktop::Scope::~Scope() {
  if (!d_.profiling_ || start_ == 0) return;
  const LONGLONG inclusive = Now() - start_;
  CallCost& cost = d_.costs_[size_t(c_)];
  ++cost.calls;
  cost.exclusive += inclusive - d_.nested_;
  d_.nested_ = nestedBefore_ + inclusive;
}

LONGLONG TimedDesktop::TakeSleptTicks() {
  const LONGLONG t = slept_;
  slept_ = 0;
  return t;
}

void TimedDesktop::ClearProfile() {
  costs_.assign(size_t(Call::Count), CallCost{});
  nested_ = 0;
}

std::vector<ProfileWrite> TimedDesktop::TakeWrites() {
  std::vector<ProfileWrite> w;
  w.swap(writes_);
  return w;
}

std::vector<MonitorInfo> TimedDesktop::Monitors() {
  Scope s(*this, Call::Monitors);
  return inner_.Monitors();
}

Rect TimedDesktop::WindowBounds() {
  Scope s(*this, Call::WindowBounds);
  return inner_.WindowBounds();
}

void TimedDesktop::SetWindowBounds(const Rect& bounds) {
  Scope s(*this, Call::SetWindowBounds);
  inner_.SetWindowBounds(bounds);
}

void TimedDesktop::SetWindowState(WindowState state) {
  Scope s(*this, Call::SetWindowState);
  inner_.SetWindowState(state);
}

void TimedDesktop::SetTopmost(bool topmost) {
  Scope s(*this, Call::SetTopmost);
  inner_.SetTopmost(topmost);
}

void TimedDesktop::MakeUndecorated() {
  Scope s(*this, Call::MakeUndecorated);
  inner_.MakeUndecorated();
}

void TimedDesktop::ShowWindow() {
  Scope s(*this, Call::ShowWindow);
  inner_.ShowWindow();
}

void TimedDesktop::Repaint() {
  Scope s(*this, Call::Repaint);
  inner_.Repaint();
}

void TimedDesktop::FillRect(const Rect& r, Color c) {
  Scope s(*this, Call::FillRect);
  inner_.FillRect(r, c);
}

void TimedDesktop::DrawLine(Point from, Point to, Color c) {
  Scope s(*this, Call::DrawLine);
  inner_.DrawLine(from, to, c);
}

void TimedDesktop::FillNow(const Rect& r, Color c) {
  Scope s(*this, Call::FillNow);
  inner_.FillNow(r, c);
}

void TimedDesktop::CreatePopupMenu(const std::vector<MenuEntry>& entries) {
  Scope s(*this, Call::CreatePopupMenu);
  inner_.CreatePopupMenu(entries);
  captions_.clear();
  for (const MenuEntry& e : entries) captions_[e.id] = e.caption;
}

void TimedDesktop::SetMenuItem(int id, const MenuItemState& state) {
  Scope s(*this, Call::SetMenuItem);
  inner_.SetMenuItem(id, state);
  captions_[id] = state.caption;
}

void TimedDesktop::ShowPopupMenuAt(Point screen) {
  Scope s(*this, Call::ShowPopupMenuAt);
  inner_.ShowPopupMenuAt(screen);
}

bool TimedDesktop::SetCapture() {
  Scope s(*this, Call::SetCapture);
  return inner_.SetCapture();
}

void TimedDesktop::ReleaseCapture() {
  Scope s(*this, Call::ReleaseCapture);
  inner_.ReleaseCapture();
}

Point TimedDesktop::CursorPos() {
  Scope s(*this, Call::CursorPos);
  return inner_.CursorPos();
}

void TimedDesktop::SetCursorShape(CursorShape shape) {
  Scope s(*this, Call::SetCursorShape);
  inner_.SetCursorShape(shape);
}

std::string TimedDesktop::ReadProfileString(const std::string& section, const std::string& key,
                                            const std::string& fallback,
                                            const std::string& path) {
  Scope s(*this, Call::ReadProfileString);
  return inner_.ReadProfileString(section, key, fallback, path);
}

bool TimedDesktop::WriteProfileString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& path) {
  Scope s(*this, Call::WriteProfileString);
  if (recordWrites_) writes_.push_back(ProfileWrite{section, key, value, path});
  return inner_.WriteProfileString(section, key, value, path);
}

void TimedDesktop::ShowModalForm(const FormDescription& form, FormEvents& events) {
  Scope s(*this, Call::ShowModalForm);
  inner_.ShowModalForm(form, events);
}

void TimedDesktop::SetControlText(int id, const std::string& text) {
  Scope s(*this, Call::SetControlText);
  inner_.SetControlText(id, text);
}

void TimedDesktop::SetControlChecked(int id, bool checked) {
  Scope s(*this, Call::SetControlChecked);
  inner_.SetControlChecked(id, checked);
}

bool TimedDesktop::IsControlChecked(int id) {
  Scope s(*this, Call::IsControlChecked);
  return inner_.IsControlChecked(id);
}

void TimedDesktop::SetControlEnabled(int id, bool enabled) {
  Scope s(*this, Call::SetControlEnabled);
  inner_.SetControlEnabled(id, enabled);
}

void TimedDesktop::CloseForm() {
  Scope s(*this, Call::CloseForm);
  inner_.CloseForm();
}

void TimedDesktop::ShowHelp(const std::string& path) {
  Scope s(*this, Call::ShowHelp);
  inner_.ShowHelp(path);
}

int TimedDesktop::ShowMessageBox(const UserText& text, const UserText& caption,
                                 unsigned flags) {
  Scope s(*this, Call::ShowMessageBox);
  return inner_.ShowMessageBox(text, caption, flags);
}

void TimedDesktop::Sleep(int milliseconds) {
  Scope s(*this, Call::Sleep);
  const LONGLONG start = Now();
  inner_.Sleep(milliseconds);
  slept_ += Now() - start;
}

std::string TimedDesktop::ModuleFileName() {
  Scope s(*this, Call::ModuleFileName);
  return inner_.ModuleFileName();
}

void TimedDesktop::RequestQuit() {
  Scope s(*this, Call::RequestQuit);
  inner_.RequestQuit();
}

// ---- Typed placement.

std::string TimedDesktop::ControlText(int id) {
  Scope s(*this, Call::ControlText);
  return inner_.ControlText(id);
}

void TimedDesktop::SetControlSelection(int id, int index) {
  Scope s(*this, Call::SetControlSelection);
  inner_.SetControlSelection(id, index);
}

int TimedDesktop::ControlSelection(int id) {
  Scope s(*this, Call::ControlSelection);
  return inner_.ControlSelection(id);
}

std::string TimedDesktop::ClipboardText() {
  Scope s(*this, Call::ClipboardText);
  return inner_.ClipboardText();
}

void TimedDesktop::SetClipboardText(const std::string& text) {
  Scope s(*this, Call::SetClipboardText);
  inner_.SetClipboardText(text);
}

}  // namespace mirlo::bench

namespace mirlo::bench {

// ---- The display check

bool TimedDesktop::ReadScreen(stripcheck::Desk& out) {
  Scope s(*this, Call::ReadScreen);
  return inner_.ReadScreen(out);
}


Point TimedDesktop::ReadoutSize(const std::string& text, const LabelFont& font) {
  Scope s(*this, Call::ReadoutSize);
  return inner_.ReadoutSize(text, font);
}

void TimedDesktop::SetReadoutBounds(const Rect& bounds) {
  if (!passReadout_) return;
  Scope s(*this, Call::SetReadoutBounds);
  inner_.SetReadoutBounds(bounds);
}

void TimedDesktop::SetReadoutText(const std::string& text, const LabelFont& font) {
  if (!passReadout_) return;
  Scope s(*this, Call::SetReadoutText);
  inner_.SetReadoutText(text, font);
}

void TimedDesktop::ShowReadout(bool shown) {
  if (!passReadout_) return;
  Scope s(*this, Call::ShowReadout);
  inner_.ShowReadout(shown);
}

}  // namespace mirlo::bench
