#pragma once
// The viewer window TForm1: it owns the viewer state and the popup menu, and
// its handlers carry the names of the form's events and components. Their
// bodies live beside the subsystem they belong to (app/, viewer/, settings/,
// dialogs/).
//
// A handler changes the viewer state and the view (the window the state
// calls for: its rectangle, state, z-order, menu marks, cursor and picture);
// a repaint works out its picture and makes its write-backs at once. The
// present step then shows the view, at the end of the handler and before
// anything that lets the window system run, so the screen gets at most one
// move and one paint per handler.

#include <cstdint>
#include <optional>

#include "app/error_box.h"
#include "monitors/monitor_table.h"
#include "platform/desktop.h"
#include "viewer/paint_plan.h"
#include "viewer/present.h"
#include "viewer/viewer_state.h"
#include "viewer/window_view.h"
#include "viewer/windowed_layout.h"

namespace mirlo {

class TForm1 : public WindowEvents {
 public:
  // Builds the window's popup menu from the form description.
  explicit TForm1(Desktop& desk);

  Desktop& Desk() { return desk_; }
  ViewerState& State() { return state_; }
  const ViewerState& State() const { return state_; }
  WindowView& View() { return view_; }
  // The monitors as this handler found them: read once, at first use.
  const MonitorTable& Monitors();

  // Runs FormCreate the way the window's creation does, then shows the
  // window where creation left it.
  void Create();

  // Runs one event handler: an error goes to the standard error box, and the
  // window is left showing what the state calls for. Forms run their
  // handlers through it too.
  template <typename Handler>
  void Handle(Handler&& handler);

  // Shows the view, then lets the window system run `call` (a form, a box,
  // the menu, help). Handlers run meanwhile stand on their own, and the desk
  // is taken afresh afterwards.
  template <typename Call>
  void LetWindowSystemRun(Call&& call);

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
  void FormMouseMove(KeyModifiers held);
  void FormMouseUp();
  void FormCaptureLost();
  // Whether the mouse and the keys may move and size the window: not in
  // full screen and not while the position is locked.
  bool PlacedByHand() const;

  // Keys: moving and sizing by the pixel and help. True when the key is one
  // of the viewer's.
  bool FormKeyDown(Key key, KeyModifiers modifiers);
  // A key went up: the end of a key step, or of the snapping key's hold.
  void FormKeyUp(Key key, KeyModifiers modifiers);
  // The focus went elsewhere: the key held now will not be seen going up.
  void FormDeactivate();
  // The popup menu, at a desktop point, or at the viewer when asked for from
  // the keyboard.
  void FormContextMenu(std::optional<Point> screen);

  // Settings, information and help.
  void LoadSettings();
  void SaveSettings();
  void ShowSettingsDialog();
  void N1Click();
  void N12Click();
  void HtmlHelpClick();
  void VersionInfoClick();
  // "表示の確認": what the device reads from the screen now, in a box.
  void DisplayCheckClick();

  // Typed placement, copying the placement and the lock.
  void PositionAndSizeClick();
  void LockPositionClick();
  // Ctrl+C: the placement line of the region on screen to the clipboard.
  void CopyPlacementLine();
  // The region asked for, limited as every command limits, in one step:
  // from full screen the viewer is windowed first, as the width items do.
  void ApplyTypedRegion(const TypedRegion& asked);
  // The readout: shown, placed and filled in while a drag or a key step is
  // under way, as the state and the window now call for; run at the end of
  // every handler, after its repaint.
  void UpdateReadout();
  // Ends what keeps the readout up: the window system is about to run.
  void EndReadout();

  // WindowEvents: each runs one handler under the standard error box.
  void OnPaint() override;
  void OnMouseDown(MouseButton button, int x, int y) override;
  void OnMouseMove(int x, int y, KeyModifiers held) override;
  void OnMouseUp(MouseButton button, int x, int y) override;
  void OnDoubleClick() override;
  bool OnKeyDown(Key key, KeyModifiers modifiers) override;
  void OnCaptureLost() override;
  void OnContextMenu(std::optional<Point> screen) override;
  void OnMenuCommand(int command) override;
  void OnSettingChange(unsigned action) override;
  void OnDisplayChange() override;
  void OnKeyUp(Key key, KeyModifiers modifiers) override;
  void OnFocusLost() override;

 private:
  // Forgets what was read of the desk: the window system may have changed
  // the monitors and moved the window since.
  void TakeDeskAfresh();
  // A paint that showing asks for runs inside it, as part of the handler.
  void Present();
  // The end of an outermost handler: the repaint and the readout it calls
  // for, then the present step. Written once for every handler.
  void FinishHandler();
  void ShowError(const UserText& message);

  Desktop& desk_;
  ViewerState state_;
  WindowView view_;
  Presenter presenter_;
  std::optional<MonitorTable> monitors_;
  // Handlers running inside one another's window-system calls (a capture
  // lost while releasing it, a paint asked for by the present step): the
  // outermost one takes the desk afresh and shows the view.
  int depth_ = 0;
  // One more handler inside the running one, for as long as it lives.
  struct Inside {
    explicit Inside(int& depth) : depth(depth) { ++depth; }
    ~Inside() { --depth; }
    int& depth;
  };
  bool ending_ = false;  // the end of the program has been requested
  std::optional<Point> readoutSize_;  // measured once, at the first use
};

template <typename Handler>
void TForm1::Handle(Handler&& handler) {
  const bool outermost = depth_ == 0;
  if (outermost) TakeDeskAfresh();
  Inside inside(depth_);
  RunGuarded(handler, [this](const UserText& message) { ShowError(message); });
  if (outermost) FinishHandler();
}

template <typename Call>
void TForm1::LetWindowSystemRun(Call&& call) {
  // A form, a box, the menu or help ends a step under way: the key held now
  // goes up where the viewer does not see it.
  EndReadout();
  Present();
  struct Outside {
    TForm1& form;
    int depth;
    ~Outside() {
      form.depth_ = depth;
      form.TakeDeskAfresh();
    }
  } outside{*this, depth_};
  depth_ = 0;
  call();
}

}  // namespace mirlo
