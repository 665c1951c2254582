#include "dialogs/readout.h"

#include "app/form1.h"
#include "dialogs/information_form.h"
#include "dialogs/readout_place.h"

namespace mirlo {

std::string ReadoutText(const RegionRecord& r) {
  return RegionPositionText(r) + " " + RegionSizeText(r);
}

void TForm1::UpdateReadout() {
  ReadoutView& r = view_.readout;
  const bool underWay = state_.ReadoutByDrag || state_.ReadoutByKey;
  r.visible = false;
  if (!underWay || !PlacedByHand() || !view_.visible || !view_.picture) return;
  const LabelFont font{kInformationFontName, kInformationFontHeight};
  // One size for every text, so that the readout never grows or shrinks:
  // room for four digits in every number.
  if (!readoutSize_) {
    const RegionRecord widest{8888, 8888, 8888, 8888, 8888, 8888};
    readoutSize_ = desk_.ReadoutSize(ReadoutText(widest), font);
  }
  const RegionLayout& g = view_.picture->region;
  const Rect& w = view_.bounds;
  const Rect region{w.left + g.cx, w.top + g.cy, w.left + g.cx + g.w, w.top + g.cy + g.h};
  const int m = state_.MonitorIndex;
  std::optional<Rect> now;
  if (r.bounds.Width() > 0) now = r.bounds;
  const std::optional<Rect> at = PlaceReadout(
      ReadoutDesk{MonitorWorkArea(Monitors(), m), MonitorBounds(Monitors(), m), w, region,
                  *readoutSize_},
      now);
  if (!at) return;  // no room clear of the viewer: better none than one over the region
  r.visible = true;
  r.bounds = *at;
  r.text = ReadoutText(state_.RegionRect);
  r.font = font;
}

void TForm1::EndReadout() {
  state_.ReadoutByDrag = false;
  state_.ReadoutByKey = false;
  view_.readout.visible = false;
}

}  // namespace mirlo
