#include <algorithm>
#include <cstdint>

#include "app/form1.h"
#include "app/popup_menu.h"
#include "monitors/monitor_table.h"
#include "viewer/window_geometry.h"

namespace mirlo {

void TForm1::EnterDisplayMode(int32_t mode) {
  if (state_.DisplayMode == kWindowed) {
    state_.LastWindowed.left = state_.WindowLeft;
    state_.LastWindowed.top = state_.WindowTop;
    state_.LastWindowed.width = state_.RegionWidth;
    state_.LastWindowed.monitor = state_.MonitorIndex;
    state_.DisplayMode = mode;
  }
  ApplyWindowState();
}

void TForm1::LeaveFullScreen() {
  // Any mode but the windowed one is left, also a negative one from a
  // hand-edited file, which shows the window maximised as full screen does;
  // otherwise a preset or a width would be laid out outside the windowed mode.
  if (state_.DisplayMode != kWindowed) {
    // The aspect is not restored: the viewer comes back with the one it has now.
    state_.WindowLeft = state_.LastWindowed.left;
    state_.WindowTop = state_.LastWindowed.top;
    state_.RegionWidth = state_.LastWindowed.width;
    state_.MonitorIndex = state_.LastWindowed.monitor;
    state_.DisplayMode = kWindowed;
  }
  ApplyWindowState();
}

void TForm1::SetWidthAndAspect(int32_t width, bool wide) {
  if (width < kMinRegionWidth) width = kMinRegionWidth;
  const int32_t largest = MaxRegionWidth();
  if (width > largest) width = largest;
  Rect& win = view_.bounds;
  win.right = win.left + width + 2 * state_.FrameWidth;
  state_.RegionWidth = width;
  if (wide) {
    SetAspectWide();
  } else {
    SetAspectNormal();
  }
}

namespace {

void SetAspect(TForm1& form, int32_t aspect, int32_t fullScreenMode) {
  ViewerState& s = form.State();
  s.Aspect = aspect;
  if (s.DisplayMode != kWindowed) {
    s.DisplayMode = fullScreenMode;
    form.ApplyWindowState();
  } else {
    form.UpdateBounds();
  }
  form.UpdateAspectMenu();
  form.Repaint();
}

}  // namespace

void TForm1::SetAspectNormal() { SetAspect(*this, 0, kFullScreenNormal); }
void TForm1::SetAspectWide() { SetAspect(*this, 1, kFullScreenWide); }

void TForm1::N14Click() { SetAspectNormal(); }
void TForm1::N15Click() { SetAspectWide(); }

void TForm1::N4Click() {
  EnterDisplayMode(kFullScreen);
  Repaint();
}

void TForm1::N5Click() {
  state_.Aspect = 0;
  UpdateAspectMenu();
  EnterDisplayMode(kFullScreenNormal);
  Repaint();
}

void TForm1::N6Click() {
  state_.Aspect = 1;
  UpdateAspectMenu();
  EnterDisplayMode(kFullScreenWide);
  Repaint();
}

namespace {

void ChooseWidth(TForm1& form, int32_t width) {
  form.LeaveFullScreen();
  form.SetWidthAndAspect(width, form.State().Aspect == 1);  // a wide viewer stays wide
  form.UpdateBounds();
  form.Repaint();
}

void ApplyPreset(TForm1& form, int index) {
  ViewerState& s = form.State();
  form.LeaveFullScreen();
  const PresetRecord p = s.Presets[index];
  s.MonitorIndex = p.monitor;  // before the width, which is limited on this monitor
  form.SetWidthAndAspect(p.width, p.aspect == 1);
  s.DisplayMode = p.mode;
  s.WindowLeft = p.left;
  s.WindowTop = p.top;
  form.UpdateBounds();
  form.ApplyWindowState();
  form.Repaint();
}

}  // namespace

void TForm1::N3201Click() { ChooseWidth(*this, 320); }
void TForm1::N6401Click() { ChooseWidth(*this, 640); }
void TForm1::N8001Click() { ChooseWidth(*this, 800); }
void TForm1::N10241Click() { ChooseWidth(*this, 1024); }
void TForm1::N12801Click() { ChooseWidth(*this, 1280); }
void TForm1::N14401Click() { ChooseWidth(*this, 1440); }

void TForm1::N8Click() { ApplyPreset(*this, 0); }
void TForm1::N9Click() { ApplyPreset(*this, 1); }
void TForm1::N10Click() { ApplyPreset(*this, 2); }

void TForm1::N7Click() {
  bool& checked = view_.menu[Id(MenuItem::N7)].checked;
  checked = !checked;
  UpdateBounds();
  ApplyWindowState();
}

void TForm1::N11Click() {
  state_.MonitorIndex = NextUsableMonitor(Monitors(), state_.MonitorIndex);
  UpdateBounds();
  ApplyWindowState();
  Repaint();
}

void TForm1::FormDblClick() {
  if (view_.state != WindowState::Normal) {
    LeaveFullScreen();
  } else {
    // Normal (0) gives 2, wide (1) gives 3; an odd stored aspect gives some
    // odd mode, never an overflow.
    EnterDisplayMode(static_cast<int32_t>(std::min<int64_t>(int64_t(state_.Aspect) + 2, INT32_MAX)));
  }
  UpdateBounds();
  Repaint();
}

}  // namespace mirlo
