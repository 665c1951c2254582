#include "dialogs/information_form.h"

#include "app/form1.h"
#include "dialogs/form_placement.h"

namespace mirlo {

std::string RegionSizeText(const RegionRecord& r) {
  return std::to_string(r.width) + "×" + std::to_string(r.height);
}

std::string RegionPositionText(const RegionRecord& r) {
  return "(" + std::to_string(r.x0) + "," + std::to_string(r.y0) + ")-(" + std::to_string(r.x1) +
         "," + std::to_string(r.y1) + ")";
}

TInformationForm::TInformationForm(TForm1& owner) : owner_(owner) {}

void TInformationForm::ShowModal() {
  FormDescription form{"VELTA-9 Mirlo Viewer",
                       274,
                       95,
                       true,
                       kInformationFontName,
                       kInformationFontHeight,
                       {
                           {Button1, ControlKind::PushButton, 104, 64, 81, 25, "ＯＫ"},
                           {Label1, ControlKind::Label, 16, 16, 100, 12, "描画領域のサイズ："},
                           {Label2, ControlKind::Label, 16, 40, 90, 12, "描画領域の位置："},
                           {LabelSize, ControlKind::CentredLabel, 119, 15, 130, 17, "800×600"},
                           {LabelPosition, ControlKind::CentredLabel, 120, 39, 136, 17,
                            "(1000,100)-(1000,100)"},
                       },
                       CentredOn(owner_.View().bounds, owner_.Monitors()),
                       Button1};  // Escape closes the box as its button does
  owner_.LetWindowSystemRun([&] { owner_.Desk().ShowModalForm(form, *this); });
}

void TInformationForm::OnShow() {
  owner_.Desk().SetControlText(LabelSize, sizeText);
  owner_.Desk().SetControlText(LabelPosition, positionText);
}

void TInformationForm::OnClick(int control) {
  owner_.Handle([&] {
    if (control == Button1) Button1Click();
  });
}

void TInformationForm::Button1Click() { owner_.Desk().CloseForm(); }

}  // namespace mirlo
