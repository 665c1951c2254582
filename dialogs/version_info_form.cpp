#include "dialogs/version_info_form.h"

#include "app/form1.h"
#include "dialogs/form_placement.h"

namespace mirlo {

TVersionInfoForm::TVersionInfoForm(TForm1& owner) : owner_(owner) {}

void TVersionInfoForm::ShowModal() {
  FormDescription form{"VELTA-9 Mirlo Viewer",
                       224,
                       127,
                       false,  // never scaled
                       "ＭＳ Ｐゴシック",
                       12,
                       {
                           {Button1, ControlKind::PushButton, 72, 88, 81, 25, "OK"},
                           {Label1, ControlKind::Label, 51, 16, 122, 12, "VELTA-9 Mirlo Viewer"},
                           {Label2, ControlKind::Label, 87, 40, 46, 12, "Ver. 2.0.1"},
                           {Label3, ControlKind::CentredLabel, 40, 64, 145, 12,
                            "(C) 2026 Mirlo Works"},
                       },
                       CentredOn(owner_.View().bounds, owner_.Monitors()),
                       Button1};  // Escape closes the box as its button does
  owner_.LetWindowSystemRun([&] { owner_.Desk().ShowModalForm(form, *this); });
}

void TVersionInfoForm::OnClick(int control) {
  owner_.Handle([&] {
    if (control == Button1) Button1Click();
  });
}

void TVersionInfoForm::Button1Click() { owner_.Desk().CloseForm(); }

}  // namespace mirlo
