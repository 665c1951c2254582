#include "settings/pref_form.h"

#include "app/form1.h"
#include "monitors/monitor_table.h"

namespace mirlo {

namespace {

const char* const kSizeCaptions[TPrefForm::kRadioButtons] = {
    "全画面",         "全画面（ワイド）", "全画面（ノーマル）", "320（ワイド）",
    "320（ノーマル）", "640（ワイド）",    "640（ノーマル）",    "800（ワイド）",
    "800（ノーマル）", "1024（ワイド）",   "1024（ノーマル）",   "1280（ワイド）",
    "1280（ノーマル）", "1440（ワイド）",  "1440（ノーマル）",   "プリセット１",
    "プリセット２",    "プリセット３",
};

const Point kDesignedPosition{205, 130};

}  // namespace

std::string PresetLabelText(const PresetRecord& p) {
  return "幅:" + std::to_string(p.width) +
         (p.aspect == 0 ? ",アスペクト:ノーマル,画面:" : ",アスペクト:ワイド,画面:") +
         std::to_string(p.monitor);
}

Point PlacePrefForm(const MonitorTable& monitors, const Rect& viewer, int outerWidth,
                    int outerHeight) {
  const int viewerMonitor = MonitorOfRect(monitors, viewer);
  if (viewerMonitor < 0 || MonitorOfPoint(monitors, kDesignedPosition) == viewerMonitor) {
    return kDesignedPosition;
  }
  const Rect b = MonitorBounds(monitors, viewerMonitor);
  Point p{b.left + kDesignedPosition.x, b.top + kDesignedPosition.y};
  if (p.x + outerWidth > b.right) p.x = b.right - outerWidth;
  if (p.y + outerHeight > b.bottom) p.y = b.bottom - outerHeight;
  return p;
}

TPrefForm::TPrefForm(TForm1& owner) : owner_(owner) {}

void TPrefForm::ShowModal() {
  Desktop& desk = owner_.Desk();
  FormDescription form{"VELTA-9 Mirlo viewer 設定", 351, 329, true, "ＭＳ Ｐゴシック", 12, {},
                       [monitors = owner_.Monitors(), viewer = owner_.View().bounds](int w, int h) {
                         return PlacePrefForm(monitors, viewer, w, h);
                       }};
  auto add = [&](int id, ControlKind kind, int left, int top, int width, int height,
                 const char* caption) {
    form.controls.push_back(FormControl{id, kind, left, top, width, height, caption});
  };
  add(Label1, ControlKind::Label, 8, 8, 34, 12, "サイズ");
  add(Label2, ControlKind::Label, 144, 96, 56, 12, "プリセット１");
  add(Pre1Label, ControlKind::FixedLabel, 152, 112, 193, 12, "幅:320,アスペクト:ノーマル");
  add(Label3, ControlKind::Label, 144, 176, 56, 12, "プリセット２");
  add(Pre2Label, ControlKind::FixedLabel, 152, 192, 193, 12, "幅:320,アスペクト:ノーマル");
  add(Label4, ControlKind::Label, 144, 256, 56, 12, "プリセット３");
  add(Pre3Label, ControlKind::FixedLabel, 152, 272, 193, 12, "幅:320,アスペクト:ノーマル");
  // In tab order.
  for (int n = 1; n <= kRadioButtons; ++n) {
    add(RadioButton1 + n - 1, ControlKind::RadioButton, 16, 24 + 16 * (n - 1), 113, 17,
        kSizeCaptions[n - 1]);
  }
  add(CheckBox1, ControlKind::CheckBox, 144, 24, 185, 17, "終了時のサイズ・位置を記憶");
  add(Pre1SetButton, ControlKind::PushButton, 160, 128, 153, 25, "表示状態を設定");
  add(Pre2SetButton, ControlKind::PushButton, 160, 208, 153, 25, "表示状態を設定");
  add(Pre3SetButton, ControlKind::PushButton, 160, 288, 153, 25, "表示状態を設定");
  add(CheckBox2, ControlKind::CheckBox, 144, 56, 185, 17, "常に最前面に表示");
  owner_.LetWindowSystemRun([&] { desk.ShowModalForm(form, *this); });
}

void TPrefForm::OnShow() {
  Desktop& desk = owner_.Desk();
  const ViewerState& s = owner_.State();
  if (s.StartupSize >= 0 && s.StartupSize < kRadioButtons) {
    const int n = s.StartupSize + 1;
    desk.SetControlChecked(RadioButton1 + n - 1, true);
    RadioButtonClick(n);  // checking a radio button runs its click handler
  }
  desk.SetControlChecked(CheckBox1, s.RememberOnExit);
  desk.SetControlChecked(CheckBox2, s.AlwaysOnTop);
  desk.SetControlText(Pre1Label, PresetLabelText(s.Presets[0]));
  desk.SetControlText(Pre2Label, PresetLabelText(s.Presets[1]));
  desk.SetControlText(Pre3Label, PresetLabelText(s.Presets[2]));
  // A preset captured here always holds a windowed state.
  const bool windowed = s.DisplayMode <= 0;
  for (int id : {Pre1SetButton, Pre2SetButton, Pre3SetButton}) desk.SetControlEnabled(id, windowed);
}

void TPrefForm::OnClick(int control) {
  owner_.Handle([&] {
    if (control >= RadioButton1 && control < RadioButton1 + kRadioButtons) {
      RadioButtonClick(control - RadioButton1 + 1);
    } else if (control == Pre1SetButton) {
      Pre1SetButtonClick();
    } else if (control == Pre2SetButton) {
      Pre2SetButtonClick();
    } else if (control == Pre3SetButton) {
      Pre3SetButtonClick();
    }
  });
}

void TPrefForm::OnClose() {
  Desktop& desk = owner_.Desk();
  owner_.State().RememberOnExit = desk.IsControlChecked(CheckBox1);
  owner_.State().AlwaysOnTop = desk.IsControlChecked(CheckBox2);
}

void TPrefForm::RadioButtonClick(int n) { owner_.State().StartupSize = n - 1; }

void TPrefForm::Pre1SetButtonClick() { CapturePreset(0); }
void TPrefForm::Pre2SetButtonClick() { CapturePreset(1); }
void TPrefForm::Pre3SetButtonClick() { CapturePreset(2); }

void TPrefForm::CapturePreset(int index) {
  Desktop& desk = owner_.Desk();
  ViewerState& s = owner_.State();
  const Rect win = owner_.View().bounds;
  PresetRecord& p = s.Presets[index];
  p.left = win.left;
  p.top = win.top;
  p.monitor = s.MonitorIndex;
  p.aspect = s.Aspect;
  p.width = win.Width() - 2 * s.FrameWidth;
  p.mode = s.DisplayMode;
  desk.SetControlText(Pre1Label + index, PresetLabelText(p));
}

}  // namespace mirlo
