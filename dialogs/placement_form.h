#pragma once
// The placement dialog "位置とサイズを指定...": a monitor, the region's left
// and top relative to it and its width, in the numbers the strip carries,
// and the aspect. A line keeps showing the region that OK will apply, as
// every command would limit it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "monitors/monitor_table.h"
#include "platform/desktop.h"
#include "viewer/windowed_layout.h"

namespace mirlo {

class TForm1;

class TPlacementForm : public FormEvents {
 public:
  // Labels first, then the fields in tab order.
  enum Control {
    LabelMonitor = 101, LabelLeft, LabelTop, LabelWidth, LabelHeight, LabelAspect, LabelRegion,
    HeightValue, LeftMessage, TopMessage, WidthMessage, Preview, LimitNote, PasteMessage,
    MonitorList, LeftEdit, TopEdit, WidthEdit, NormalRadio, WideRadio, OkButton, CancelButton,
  };

  explicit TPlacementForm(TForm1& owner);
  // The region asked for with OK; none when the form was cancelled or closed.
  std::optional<TypedRegion> ShowModal();

  void OkButtonClick();
  void CancelButtonClick();

  void OnShow() override;
  void OnClick(int control) override;
  void OnClose() override {}
  void OnChange(int control) override;
  bool OnPaste() override;

 private:
  // What the fields say; a number is missing where its text is not one.
  struct Fields {
    int32_t monitor;
    std::optional<int64_t> x0, y0, width;
    int32_t aspect;
  };
  Fields Read();
  // One handler for every event: a click or change of a control, or a paste
  // (PasteMessage).
  void Handled(int event);
  // The messages beside the fields, the height and the region OK applies.
  void ShowReading(const Fields& f);
  void Fill(const TypedRegion& r);
  void Paste(const std::string& text);
  // Sets a label's text unless it shows that text already.
  void SetLabel(int id, const std::string& text);

  TForm1& owner_;
  MonitorTable monitors_;        // as the form opened
  Rect viewer_;                   // the viewer's window then
  std::vector<int32_t> choices_;  // the usable monitors, in list order
  TypedRegion start_;
  // The labels that change, HeightValue .. PasteMessage, as last set.
  std::string labels_[PasteMessage - HeightValue + 1];
  std::optional<TypedRegion> chosen_;
  std::string pasted_;  // the clipboard's text at the last Ctrl+V
};

// Where the form opens with: the region on screen, or in full screen the
// window that leaving full screen would restore.
TypedRegion StartingRegion(const ViewerState& state, const MonitorTable& monitors);

}  // namespace mirlo
