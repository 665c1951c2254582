#include "app/form1.h"

namespace mirlo {

namespace {
constexpr unsigned kWorkAreaChanged = 47;  // SPI_SETWORKAREA
constexpr int kClosingStripMilliseconds = 500;
}  // namespace

void TForm1::QuitClick() { QuitViewer(); }

void TForm1::QuitViewer() {
  state_.Closing = true;
  Repaint();
  // Holds the strip with the closing letter on screen for the device.
  Present();
  desk_.Sleep(kClosingStripMilliseconds);
  SaveSettings();
  desk_.RequestQuit();
}

void TForm1::ApplicationEvents1SettingChange(unsigned action) {
  if (action == kWorkAreaChanged) QuitViewer();
}

}  // namespace mirlo
