#pragma once
// The display-information box: the region's size and position, in exactly
// the numbers the code strip carries.

#include <string>

#include "platform/desktop.h"
#include "viewer/viewer_state.h"

namespace mirlo {

class TForm1;

class TInformationForm : public FormEvents {
 public:
  enum Control { Label1 = 101, Label2, LabelSize, LabelPosition, Button1 };

  explicit TInformationForm(TForm1& owner);
  void ShowModal();
  void Button1Click();

  // Captions filled in before the box is shown.
  std::string sizeText;
  std::string positionText;

  void OnShow() override;
  void OnClick(int control) override;
  void OnClose() override {}

 private:
  TForm1& owner_;
};

// The box's font, which the readout writes in too.
constexpr const char kInformationFontName[] = "ＭＳ Ｐゴシック";
constexpr int kInformationFontHeight = 12;

// "320×240" and "(103,53)-(422,292)".
std::string RegionSizeText(const RegionRecord& r);
std::string RegionPositionText(const RegionRecord& r);

}  // namespace mirlo
