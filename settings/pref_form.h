#pragma once
// The settings dialog: the start-up size, the two start-up options and the
// three presets. Every choice goes into the viewer state the moment it is
// made; closing reads the check boxes back.

#include <string>

#include "monitors/monitor_table.h"
#include "platform/desktop.h"
#include "viewer/viewer_state.h"

namespace mirlo {

class TForm1;

class TPrefForm : public FormEvents {
 public:
  // RadioButton1 .. RadioButton18 are RadioButton1 + n - 1.
  enum Control {
    Label1 = 101, Label2, Label3, Label4,
    Pre1Label, Pre2Label, Pre3Label,
    CheckBox1, CheckBox2,
    Pre1SetButton, Pre2SetButton, Pre3SetButton,
    RadioButton1 = 201,
  };
  static constexpr int kRadioButtons = 18;

  explicit TPrefForm(TForm1& owner);
  void ShowModal();

  // The click handler of radio button n (1 to 18): the start-up size n - 1.
  void RadioButtonClick(int n);
  void Pre1SetButtonClick();
  void Pre2SetButtonClick();
  void Pre3SetButtonClick();

  void OnShow() override;
  void OnClick(int control) override;
  void OnClose() override;

 private:
  void CapturePreset(int index);

  TForm1& owner_;
};

// "幅:640,アスペクト:ノーマル,画面:1"; any aspect but 0 reads as wide.
std::string PresetLabelText(const PresetRecord& preset);

// The dialog's outer top-left: its designed place, or the same offset on the
// viewer's monitor when the designed place lies on another one.
Point PlacePrefForm(const MonitorTable& monitors, const Rect& viewer, int outerWidth,
                    int outerHeight);

}  // namespace mirlo
