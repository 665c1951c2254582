#pragma once
// The viewer window TForm1: it owns the viewer state and the popup menu, and
// its handlers carry the names of the form's events and components. Their
// bodies live beside the subsystem they belong to (app/, viewer/, settings/,
// dialogs/).

#include <cstdint>
#include <exception>
#include <optional>

#include "platform/desktop.h"
#include "app/error_box.h"
#include "platform/quiet_desktop.h"
#include "viewer/paint_plan.h"
#include "viewer/viewer_state.h"

namespace mirlo {

class TForm1 : public WindowEvents {
 public:
  // Builds the window's popup menu from the form description. A quiet
  // viewer leaves out every window-system call that would change nothing
  // (see QuietDesktop) and every repaint that would draw the same picture;
  // what it shows and records is the same either way.
  explicit TForm1(Desktop& desk, bool quiet = true);

  Desktop& Desk() { return desk_; }
  ViewerState& State() { return state_; }
  const ViewerState& State() const { return state_; }

  // Runs FormCreate the way the window's creation does: errors go to the
  // standard error box.
  void Create();

  // Runs one event handler: an error goes to the standard error box, and the
  // window is left painted as the viewer state says. Forms run their
  // handlers through it too.
  template <typename Handler>
  void Handle(Handler&& handler);

  // Creation and shut-down.
  void FormCreate();
  void ApplyStartupDisplayState();
  void QuitClick();
  void QuitViewer();
  void ApplicationEvents1SettingChange(unsigned action);

  // Painting and placement.
  void FormPaint();
  void DrawPicture(const PaintPicture& picture);
  void Repaint();
  PaintPlan PlanCurrentPaint();
  void RecordPaint(const PaintPlan& plan);
  void UpdateBounds();
  void ApplyWindowState();
  int32_t MaxRegionWidth();
  void UpdateAspectMenu();

  // Size, aspect and mode commands.
  void EnterDisplayMode(int32_t mode);
  void LeaveFullScreen();
  void SetWidthAndAspect(int32_t width, bool wide);
  void SetAspectNormal();
  void SetAspectWide();
  void FormDblClick();
  void N4Click();
  void N5Click();
  void N6Click();
  void N3201Click();
  void N6401Click();
  void N8001Click();
  void N10241Click();
  void N12801Click();
  void N14401Click();
  void N7Click();
  void N8Click();
  void N9Click();
  void N10Click();
  void N11Click();
  void N14Click();
  void N15Click();

  // Mouse move and resize.
  void FormMouseDown(MouseButton button, int x, int y);
  void FormMouseMove();
  void FormMouseUp();
  void FormCaptureLost();

  // Keys: moving and sizing by the pixel, help and the menu. True when the
  // key is one of the viewer's.
  bool FormKeyDown(Key key, KeyModifiers modifiers);

  // Settings, information and help.
  void LoadSettings();
  void SaveSettings();
  void ShowSettingsDialog();
  void N1Click();
  void N12Click();
  void HtmlHelpClick();
  void VersionInfoClick();

  // WindowEvents: each runs one handler under the standard error box.
  void OnPaint() override;
  void OnMouseDown(MouseButton button, int x, int y) override;
  void OnMouseMove(int x, int y) override;
  void OnMouseUp(MouseButton button, int x, int y) override;
  void OnDoubleClick() override;
  bool OnKeyDown(Key key, KeyModifiers modifiers) override;
  void OnCaptureLost() override;
  void OnMenuCommand(int command) override;
  void OnSettingChange(unsigned action) override;
  void OnDisplayChange() override;

 private:
  QuietDesktop quietDesk_;
  const bool quiet_;
  Desktop& desk_;
  ViewerState state_;
  bool ending_ = false;  // the end of the program has been requested
  std::optional<PaintPicture> painted_;  // the picture on the window now
  std::optional<PaintPicture> due_;      // the picture asked for, not yet drawn
};

template <typename Handler>
void TForm1::Handle(Handler&& handler) {
  if (quiet_) quietDesk_.BeginHandler();
  RunGuarded(desk_, handler);
  // Whatever the handler did, the strip on screen names the region as the
  // state now has it (a repaint of the same picture costs nothing).
  RunGuarded(desk_, [this] { Repaint(); });
  if (quiet_) quietDesk_.EndHandler();
}

}  // namespace mirlo
