// The quiet viewer leaves out window-system calls and repaints that would
// change nothing. Proof that they change nothing: the same random sessions,
// run by a quiet and by a plain viewer side by side, leave the same picture,
// window, menu, state, file and boxes after every step, and again after the
// window system asks for a paint.

#include <gtest/gtest.h>

#include <sstream>

#include "session.h"

namespace mirlo::session {
namespace {

std::string Str(const Rect& r) {
  std::ostringstream os;
  os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
  return os.str();
}

std::string Str(const PresetRecord& p) {
  std::ostringstream os;
  os << "{" << p.left << "," << p.top << " w" << p.width << " a" << p.aspect << " m" << p.monitor
     << " f" << p.mode << "}";
  return os.str();
}

// Everything a user, the device or the next start could tell apart, as text:
// a difference shows as the first differing line.
std::string Observable(Session& s) {
  SimDesktop& desk = s.Desk();
  const ViewerState& st = s.Form().State();
  std::ostringstream os;
  os << "window " << Str(desk.WindowBounds()) << " state "
     << (desk.GetWindowState() == WindowState::Normal ? "normal" : "maximised")
     << (desk.IsTopmost() ? " topmost" : "") << (desk.IsVisible() ? " shown" : " hidden")
     << (desk.QuitRequested() ? " quitting" : "") << "\n";
  os << "cursor " << int(desk.Cursor()) << (desk.HasCapture() ? " captured" : "") << "\n";
  os << "state size " << st.StartupSize << " remember " << st.RememberOnExit << " front "
     << st.AlwaysOnTop << " at " << st.WindowLeft << "," << st.WindowTop << " width "
     << st.RegionWidth << " aspect " << st.Aspect << " monitor " << st.MonitorIndex << " mode "
     << st.DisplayMode << " default " << st.DefaultMonitor << " closing " << st.Closing << "\n";
  os << "last " << Str(st.LastWindowed) << " presets " << Str(st.Presets[0]) << Str(st.Presets[1])
     << Str(st.Presets[2]) << "\n";
  const RegionRecord& r = st.RegionRect;
  os << "region " << r.x0 << " " << r.x1 << " " << r.y0 << " " << r.y1 << " " << r.width << " "
     << r.height << "\n";
  os << "drag " << st.DragArmed << " " << Str(st.DragStartRect) << " " << st.DragPressPoint.x
     << "," << st.DragPressPoint.y << "\n";
  for (int id : desk.MenuOrder()) {
    const SimMenuItem& m = desk.MenuItemState(id);
    os << "menu " << id << " " << m.checked << m.enabled << " " << m.caption << "\n";
  }
  os << "file " << desk.ProfileFileExists(Session::IniPath()) << "\n"
     << desk.ProfileFileText(Session::IniPath()) << "\n";
  os << "boxes " << desk.MessageBoxes().size() << " forms " << desk.Forms().size() << " help "
     << desk.HelpRequests().size() << "\n";
  for (const SimMessageBox& b : desk.MessageBoxes()) os << "box " << b.text << "\n";
  return os.str();
}

// The first pixel where two canvases differ, or an empty text.
std::string PictureDifference(const SimDesktop& a, const SimDesktop& b) {
  if (a.CanvasWidth() != b.CanvasWidth() || a.CanvasHeight() != b.CanvasHeight()) {
    return "canvas sizes differ";
  }
  const std::vector<Color>& pa = a.Canvas();
  const std::vector<Color>& pb = b.Canvas();
  for (size_t i = 0; i < pa.size(); ++i) {
    if (pa[i] != pb[i]) {
      std::ostringstream os;
      os << "pixel " << i % size_t(a.CanvasWidth()) << "," << i / size_t(a.CanvasWidth())
         << ": " << std::hex << pa[i] << " quiet, " << pb[i] << " plain";
      return os.str();
    }
  }
  return "";
}

class EquivalenceTest : public ::testing::TestWithParam<uint64_t> {};

TEST_P(EquivalenceTest, QuietAndPlainViewersLeaveTheSameAfterEveryStep) {
  SessionOptions quiet, plain;
  quiet.smallDesks = plain.smallDesks = true;
  plain.quiet = false;
  Session a(GetParam(), quiet), b(GetParam(), plain);
  for (int step = 1; step <= 500; ++step) {
    a.Step();
    b.Step();
    const std::string where = "seed " + std::to_string(GetParam()) + " step " +
                              std::to_string(step) + " after " + a.History().back();
    ASSERT_EQ(Observable(a), Observable(b)) << where;
    ASSERT_EQ(PictureDifference(a.Desk(), b.Desk()), "") << where;
    // The window system asks for a paint (the window uncovered): the quiet
    // viewer draws what it knows is there, the plain one works it out.
    if (step % 3 == 0 && !a.Desk().QuitRequested()) {
      a.Desk().Repaint();
      b.Desk().Repaint();
      ASSERT_EQ(Observable(a), Observable(b)) << where << ", then uncovered";
      ASSERT_EQ(PictureDifference(a.Desk(), b.Desk()), "") << where << ", then uncovered";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, EquivalenceTest, ::testing::Values(11, 12, 13, 14));

}  // namespace
}  // namespace mirlo::session
