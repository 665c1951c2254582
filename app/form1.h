#pragma once
// The viewer window TForm1: it owns the viewer state and the popup menu, and
// its handlers carry the names of the form's events and components. Their
// bodies live beside the subsystem they belong to (app/, viewer/, settings/,
// dialogs/).

#include <cstdint>
#include <exception>

#include "platform/desktop.h"
#include "viewer/viewer_state.h"

namespace mirlo {

class TForm1 : public WindowEvents {
 public:
  // Builds the window's popup menu from the form description.
  explicit TForm1(Desktop& desk);

  Desktop& Desk() { return desk_; }
  ViewerState& State() { return state_; }
  const ViewerState& State() const { return state_; }

  // Runs FormCreate the way the window's creation does: errors go to the
  // standard error box.
  void Create();

  // Creation and shut-down.
  void FormCreate();
  void ApplyStartupDisplayState();
  void QuitClick();
  void QuitViewer();
  void ApplicationEvents1SettingChange(unsigned action);

  // Painting and placement.
  void FormPaint();
  void Repaint();
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

 private:
  template <typename Handler>
  void Guarded(Handler&& handler);

  Desktop& desk_;
  ViewerState state_;
  bool ending_ = false;  // the end of the program has been requested
  Rect paintedWindow_;   // the window's rectangle at the last paint
};

}  // namespace mirlo
