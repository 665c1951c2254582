#include "app/form1.h"

#include "app/popup_menu.h"
#include "viewer/drag_snap.h"

namespace mirlo {

namespace {

// The window as the window system creates it: hidden, its menu as described.
WindowView CreatedWindow() {
  WindowView v;
  for (const MenuEntry& e : PopupMenu1Entries()) v.menu[e.id] = MenuItemState{false, true, e.caption};
  return v;
}

}  // namespace

TForm1::TForm1(Desktop& desk) : desk_(desk), view_(CreatedWindow()), presenter_(desk, view_) {
  desk_.CreatePopupMenu(PopupMenu1Entries());
}

const MonitorTable& TForm1::Monitors() {
  if (!monitors_) monitors_ = desk_.Monitors();
  return *monitors_;
}

void TForm1::TakeDeskAfresh() {
  monitors_.reset();
  const Rect at = desk_.WindowBounds();
  presenter_.WindowIsAt(at);
  view_.bounds = at;
}

void TForm1::Present() {
  Inside inside(depth_);
  presenter_.Present(view_);
}

void TForm1::FinishHandler() {
  auto report = [this](const UserText& message) { ShowError(message); };
  // Whatever the handler did, the strip names the region as the state now
  // has it. In a full-screen mode this also sets the aspect marks as every
  // full-screen paint does, after "常に最前面" too: the same marks that the
  // window system's own repaint leaves once the menu has closed over the
  // window.
  RunGuarded([this] {
    Repaint();
    UpdateReadout();
  }, report);
  RunGuarded([this] { Present(); }, report);
}

void TForm1::ShowError(const UserText& message) {
  LetWindowSystemRun([&] { ShowErrorBox(desk_, message); });
}

void TForm1::Create() {
  Handle([this] { FormCreate(); });
  // Laid out and painted unseen, the viewer first appears at its final place.
  if (!ending_) {
    view_.visible = true;
    Present();
  }
}

void TForm1::OnMouseDown(MouseButton button, int x, int y) {
  Handle([&] { FormMouseDown(button, x, y); });
}

void TForm1::OnMouseMove(int, int, KeyModifiers held) {
  Handle([&] { FormMouseMove(held); });
}

void TForm1::OnMouseUp(MouseButton, int, int) {
  Handle([this] { FormMouseUp(); });
}

bool TForm1::OnKeyDown(Key key, KeyModifiers modifiers) {
  bool taken = true;  // only the viewer's own keys can fail
  Handle([&] { taken = FormKeyDown(key, modifiers); });
  return taken;
}

void TForm1::OnKeyUp(Key key, KeyModifiers modifiers) {
  // Most key-ups end nothing, and a handler reads the monitors.
  const bool snapping = key == kSnapKey && state_.DragArmed;
  const bool endsStep = state_.ReadoutByKey && key == state_.ReadoutKey;
  if (!snapping && !endsStep) return;
  Handle([&] { FormKeyUp(key, modifiers); });
}

void TForm1::OnFocusLost() {
  // Forms and boxes take the focus all the time; only a key step cares.
  if (!state_.ReadoutByKey) return;
  Handle([this] { FormDeactivate(); });
}

void TForm1::OnCaptureLost() {
  Handle([this] { FormCaptureLost(); });
}

void TForm1::OnContextMenu(std::optional<Point> screen) {
  Handle([&] { FormContextMenu(screen); });
}

void TForm1::OnDoubleClick() {
  Handle([this] { FormDblClick(); });
}

void TForm1::OnMenuCommand(int command) {
  for (const PopupMenuItem& i : PopupMenu1()) {
    if (Id(i.item) == command && i.handler != nullptr) {
      Handle([&] { (this->*i.handler)(); });
      return;
    }
  }
}

void TForm1::OnSettingChange(unsigned action) {
  Handle([&] { ApplicationEvents1SettingChange(action); });
}

void TForm1::OnDisplayChange() {
  // The region's numbers count from its monitor's corner: a handler that
  // does nothing repaints them from the new monitors.
  Handle([] {});
}

}  // namespace mirlo
