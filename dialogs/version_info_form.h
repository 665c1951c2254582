#pragma once
// The version box: the product's name and version.

#include "platform/desktop.h"

namespace mirlo {

class TForm1;

class TVersionInfoForm : public FormEvents {
 public:
  enum Control { Label1 = 101, Label2, Label3, Button1 };

  explicit TVersionInfoForm(TForm1& owner);
  void ShowModal();
  void Button1Click();

  void OnShow() override {}
  void OnClick(int control) override;
  void OnClose() override {}

 private:
  TForm1& owner_;
};

}  // namespace mirlo
