#include "dialogs/placement_form.h"

#include <algorithm>

#include "app/form1.h"
#include "dialogs/placement_text.h"
#include "settings/pref_form.h"

namespace mirlo {

namespace {

const char kNotANumber[] = "数値を入力してください";
const char kLimited[] = "範囲外の値を調整しました";
const char kUnreadableLine[] = "貼り付けた行を読めません";

struct Layout {
  int id;
  ControlKind kind;
  int16_t left, top, width, height;
  const char* caption;
};

using F = TPlacementForm;
using K = ControlKind;
// Labels first, then the fields in tab order.
constexpr Layout kLayout[] = {
    {F::LabelMonitor, K::Label, 8, 12, 24, 12, "画面"},
    {F::LabelLeft, K::Label, 8, 40, 44, 12, "左 (x0)"},
    {F::LabelTop, K::Label, 8, 66, 44, 12, "上 (y0)"},
    {F::LabelWidth, K::Label, 8, 92, 12, 12, "幅"},
    {F::LabelHeight, K::Label, 8, 118, 24, 12, "高さ"},
    {F::LabelAspect, K::Label, 8, 142, 60, 12, "アスペクト"},
    {F::LabelRegion, K::Label, 8, 166, 84, 12, "適用される領域"},
    {F::HeightValue, K::FixedLabel, 76, 118, 60, 12, ""},
    {F::LeftMessage, K::FixedLabel, 144, 40, 184, 12, ""},
    {F::TopMessage, K::FixedLabel, 144, 66, 184, 12, ""},
    {F::WidthMessage, K::FixedLabel, 144, 92, 184, 12, ""},
    {F::Preview, K::FixedLabel, 16, 184, 312, 12, ""},
    {F::LimitNote, K::FixedLabel, 16, 200, 312, 12, ""},
    {F::PasteMessage, K::FixedLabel, 8, 218, 320, 12, ""},
    {F::MonitorList, K::DropDownList, 72, 8, 256, 20, ""},
    {F::LeftEdit, K::EditField, 72, 36, 64, 20, ""},
    {F::TopEdit, K::EditField, 72, 62, 64, 20, ""},
    {F::WidthEdit, K::EditField, 72, 88, 64, 20, ""},
    {F::NormalRadio, K::RadioButton, 72, 140, 80, 17, "ノーマル"},
    {F::WideRadio, K::RadioButton, 160, 140, 80, 17, "ワイド"},
    {F::OkButton, K::PushButton, 160, 236, 81, 25, "ＯＫ"},
    {F::CancelButton, K::PushButton, 247, 236, 81, 25, "キャンセル"},
};

}  // namespace

TypedRegion StartingRegion(const ViewerState& s, const MonitorTable& monitors) {
  const int32_t aspect = s.Aspect == 0 ? 0 : 1;  // the geometry takes any other as wide
  if (s.DisplayMode == kWindowed) {
    return TypedRegion{s.MonitorIndex, s.RegionRect.x0, s.RegionRect.y0, s.RegionRect.width, aspect};
  }
  const PresetRecord& w = s.LastWindowed;
  const WindowedLayout l =
      LayOutWindowed(monitors, w.monitor, w.left, w.top, w.width, s.Aspect, s.FrameWidth);
  const Rect b = MonitorBounds(monitors, l.monitor);
  return TypedRegion{l.monitor, int64_t(l.placement.left) + s.FrameWidth - b.left,
                     int64_t(l.placement.top) + s.FrameWidth - b.top, l.placement.regionWidth,
                     aspect};
}

TPlacementForm::TPlacementForm(TForm1& owner) : owner_(owner) {}

// The list's choices are added to its entry by its place in the layout.
static_assert(kLayout[TPlacementForm::MonitorList - TPlacementForm::LabelMonitor].id ==
              TPlacementForm::MonitorList);

std::optional<TypedRegion> TPlacementForm::ShowModal() {
  monitors_ = owner_.Monitors();
  viewer_ = owner_.View().bounds;
  start_ = StartingRegion(owner_.State(), monitors_);
  FormDescription form{"VELTA-9 Mirlo viewer 位置とサイズ", 336, 268, true, "ＭＳ Ｐゴシック", 12, {},
                       [this](int w, int h) { return PlacePrefForm(monitors_, viewer_, w, h); },
                       CancelButton, OkButton, LeftEdit};
  for (const Layout& c : kLayout) {
    form.controls.push_back(FormControl{c.id, c.kind, c.left, c.top, c.width, c.height, c.caption});
  }
  for (int32_t i = 0; i < MonitorCount(monitors_); ++i) {
    if (!IsUsableMonitor(monitors_, i)) continue;
    choices_.push_back(i);
    form.controls[MonitorList - LabelMonitor].items.push_back(
        MonitorChoiceText(i, MonitorBounds(monitors_, i)));
  }
  owner_.LetWindowSystemRun([&] { owner_.Desk().ShowModalForm(form, *this); });
  return chosen_;
}

void TPlacementForm::OnShow() {
  Fill(start_);
  ShowReading(Read());
}

void TPlacementForm::OnClick(int control) { Handled(control); }

void TPlacementForm::OnChange(int control) { Handled(control); }

bool TPlacementForm::OnPaste() {
  pasted_ = owner_.Desk().ClipboardText();
  // Any other text is pasted into the focused field as usual.
  if (!IsPlacementLine(pasted_)) return false;
  Handled(PasteMessage);
  return true;
}

void TPlacementForm::Handled(int event) {
  owner_.Handle([this, event] {
    if (event == OkButton) {
      OkButtonClick();
    } else if (event == CancelButton) {
      CancelButtonClick();
    } else if (event == PasteMessage) {
      Paste(pasted_);
    } else {
      SetLabel(PasteMessage, "");  // it spoke of the last paste
      ShowReading(Read());
    }
  });
}

void TPlacementForm::OkButtonClick() {
  const Fields f = Read();
  // Refused while a field holds no number: its message says so.
  if (!f.x0 || !f.y0 || !f.width) return;
  chosen_ = TypedRegion{f.monitor, *f.x0, *f.y0, *f.width, f.aspect};
  owner_.Desk().CloseForm();
}

void TPlacementForm::CancelButtonClick() { owner_.Desk().CloseForm(); }

TPlacementForm::Fields TPlacementForm::Read() {
  Desktop& desk = owner_.Desk();
  const int choice = desk.ControlSelection(MonitorList);
  Fields f;
  f.monitor = choice >= 0 && choice < int(choices_.size()) ? choices_[size_t(choice)]
                                                          : start_.monitor;
  f.x0 = ParseTypedNumber(desk.ControlText(LeftEdit));
  f.y0 = ParseTypedNumber(desk.ControlText(TopEdit));
  f.width = ParseTypedNumber(desk.ControlText(WidthEdit));
  f.aspect = desk.IsControlChecked(WideRadio) ? 1 : 0;
  return f;
}

void TPlacementForm::ShowReading(const Fields& f) {
  SetLabel(LeftMessage, f.x0 ? "" : kNotANumber);
  SetLabel(TopMessage, f.y0 ? "" : kNotANumber);
  SetLabel(WidthMessage, f.width ? "" : kNotANumber);
  if (!f.x0 || !f.y0 || !f.width) {
    // Nothing can be applied as the fields stand.
    for (int id : {HeightValue, Preview, LimitNote}) SetLabel(id, "");
    return;
  }
  const PlacedRegion p = PlaceTypedRegion(
      monitors_, TypedRegion{f.monitor, *f.x0, *f.y0, *f.width, f.aspect}, owner_.State().FrameWidth);
  SetLabel(HeightValue, Printed("%d", p.region.height));
  SetLabel(Preview, RegionPreviewText(p.region));
  SetLabel(LimitNote, p.limited ? kLimited : "");
}

void TPlacementForm::Fill(const TypedRegion& r) {
  Desktop& desk = owner_.Desk();
  const auto at = std::find(choices_.begin(), choices_.end(), r.monitor);
  desk.SetControlSelection(MonitorList, at == choices_.end() ? 0 : int(at - choices_.begin()));
  desk.SetControlText(LeftEdit, Printed("%lld", static_cast<long long>(r.x0)));
  desk.SetControlText(TopEdit, Printed("%lld", static_cast<long long>(r.y0)));
  desk.SetControlText(WidthEdit, Printed("%lld", static_cast<long long>(r.width)));
  desk.SetControlChecked(r.aspect == 0 ? NormalRadio : WideRadio, true);
}

void TPlacementForm::Paste(const std::string& text) {
  const std::optional<PlacementLineValues> line = ParsePlacementLine(text);
  if (!line) {
    SetLabel(PasteMessage, kUnreadableLine);
    return;
  }
  // The monitor the line names: its index, at the resolution it names.
  const int32_t m = line->monitor;
  const Rect b = MonitorBounds(monitors_, m);
  const bool present = m >= 0 && m < MonitorCount(monitors_) &&
                       b.Width() == line->monitorWidth && b.Height() == line->monitorHeight;
  const bool usable = std::find(choices_.begin(), choices_.end(), m) != choices_.end();
  if (!present || !usable) {
    SetLabel(PasteMessage, Printed(present ? "画面%d（%d×%d）はVELTA-9で使用できません"
                                           : "画面%d（%d×%d）はありません",
                                   m, line->monitorWidth, line->monitorHeight));
    return;
  }
  SetLabel(PasteMessage, "");
  const RegionRecord& r = line->region;
  const int32_t current = owner_.Desk().IsControlChecked(WideRadio) ? 1 : 0;
  Fill(TypedRegion{m, r.x0, r.y0, r.width, AspectOfRegion(r.width, r.height, current)});
  ShowReading(Read());
}

void TPlacementForm::SetLabel(int id, const std::string& text) {
  std::string& shown = labels_[id - HeightValue];
  if (shown == text) return;
  owner_.Desk().SetControlText(id, text);
  shown = text;
}

}  // namespace mirlo
