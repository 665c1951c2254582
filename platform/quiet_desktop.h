#pragma once
// The desktop as the viewer's handlers see it: every window-system call that
// would change nothing is left out, and what is read is read once.
//
// - Each monitor's bounds and work area are read from the window system at
//   most once per handler; the next handler reads them afresh, so a changed
//   desk is seen then.
// - A move or resize, and a paint the viewer asks for, are held back until
//   the handler ends or lets the window system run (a form, a box, the
//   menu, help, a pause, the quit), so the user and the device see only
//   where a handler leaves the window, never a place or picture it passes
//   on the way; a move to where it stands is dropped. Before it moves, its
//   strip is taken off the screen, so that between the move and the paint
//   that follows no strip names the old place.
// - A window state, cursor shape or menu mark, caption or enabled state that
//   is already as asked is not set again.
// Only the viewer changes its window and its menu, so what was last set is
// what is there.

#include <map>
#include <optional>

#include "platform/desktop.h"

namespace mirlo {

class QuietDesktop : public Desktop {
 public:
  explicit QuietDesktop(Desktop& inner) : inner_(inner) {}

  // Around every handler: the first drops what was read for the last one
  // (not for the paint that a held-back paint runs), the second moves and
  // paints the window as the handler left it.
  void BeginHandler();
  void EndHandler();
  // The viewer's picture has changed: the window is painted at the next
  // point where it is shown (at once when no handler runs).
  void PaintDue();

  int MonitorCount() override;
  Rect MonitorBoundsAt(int index) override;
  Rect MonitorWorkAreaAt(int index) override;
  Rect WindowBounds() override;
  void SetWindowBounds(int left, int top, int width, int height) override;
  WindowState GetWindowState() override;
  void SetWindowState(WindowState state) override;
  void SetTopmost(bool topmost) override;
  void MakeUndecorated() override;
  void ShowWindow() override;
  void Repaint() override;
  void FillRect(const Rect& r, Color c) override { inner_.FillRect(r, c); }
  void DrawLine(Point from, Point to, Color c) override { inner_.DrawLine(from, to, c); }
  void HideStrip(const Rect& r, Color c) override { inner_.HideStrip(r, c); }
  // Where the last paint drew the strip, and the region's colour under it:
  // taken off the screen before the window next moves.
  void StripShownAt(const Rect& cells, Color region) { strip_ = StripArea{cells, region}; }
  void CreatePopupMenu(const std::vector<MenuEntry>& entries) override;
  void SetMenuChecked(int id, bool checked) override;
  bool IsMenuChecked(int id) override;
  void SetMenuEnabled(int id, bool enabled) override;
  bool IsMenuEnabled(int id) override;
  void SetMenuCaption(int id, const std::string& caption) override;
  void ShowPopupMenuAt(Point screen) override;
  bool SetCapture() override { return inner_.SetCapture(); }
  void ReleaseCapture() override { inner_.ReleaseCapture(); }
  Point CursorPos() override { return inner_.CursorPos(); }
  void SetCursorShape(CursorShape shape) override;
  std::string ReadProfileString(const std::string& section, const std::string& key,
                                const std::string& fallback, const std::string& path) override {
    return inner_.ReadProfileString(section, key, fallback, path);
  }
  bool WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& path) override {
    return inner_.WriteProfileString(section, key, value, path);
  }
  void ShowModalForm(const FormDescription& form, FormEvents& events) override;
  void SetControlText(int id, const std::string& text) override { inner_.SetControlText(id, text); }
  void SetControlChecked(int id, bool checked) override { inner_.SetControlChecked(id, checked); }
  bool IsControlChecked(int id) override { return inner_.IsControlChecked(id); }
  void SetControlEnabled(int id, bool enabled) override { inner_.SetControlEnabled(id, enabled); }
  void CloseForm() override { inner_.CloseForm(); }
  void ShowHelp(const std::string& path) override;
  int ShowMessageBox(const UserText& text, const UserText& caption, unsigned flags) override;
  void Sleep(int milliseconds) override;
  std::string ModuleFileName() override { return inner_.ModuleFileName(); }
  void RequestQuit() override;

 private:
  struct MenuMarks {
    bool checked = false;
    bool enabled = true;
    std::string caption;
  };
  struct Monitor {
    std::optional<Rect> bounds, work;
  };
  struct StripArea {
    Rect cells;
    Color region;
  };

  // Moves the window to where the viewer has put it, if it is not there yet.
  void ApplyBounds();
  // Moves the window and paints it if a paint is due: what the window system
  // shows next is where the viewer stands now.
  void Show();
  // Drops what was read: the window system may have changed it since.
  void Forget();

  Desktop& inner_;
  std::optional<int> monitorCount_;
  std::map<int, Monitor> monitors_;
  std::optional<Rect> window_;   // where the window stands, read this handler
  std::optional<Rect> pending_;  // where the viewer wants it
  std::map<int, MenuMarks> menu_;
  std::optional<CursorShape> cursor_;
  std::optional<StripArea> strip_;
  int handlers_ = 0;  // handlers running, nested ones included
  bool paintDue_ = false;
  bool insideRepaint_ = false;  // the paint now running is the one asked for here
};

}  // namespace mirlo
