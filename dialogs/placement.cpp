#include "app/form1.h"
#include "dialogs/placement_form.h"
#include "dialogs/placement_text.h"
#include "monitors/monitor_table.h"

namespace mirlo {

void TForm1::PositionAndSizeClick() {
  TPlacementForm dialog(*this);
  if (const std::optional<TypedRegion> asked = dialog.ShowModal()) ApplyTypedRegion(*asked);
}

void TForm1::ApplyTypedRegion(const TypedRegion& asked) {
  LeaveFullScreen();
  const PlacedRegion placed = PlaceTypedRegion(Monitors(), asked, state_.FrameWidth);
  state_.MonitorIndex = asked.monitor;
  state_.Aspect = asked.aspect;
  state_.RegionWidth = placed.region.width;
  state_.WindowLeft = placed.window.left;
  state_.WindowTop = placed.window.top;
  // Laid out by the same rules once more, so it lands where the form said.
  UpdateBounds();
  Repaint();
}

void TForm1::CopyPlacementLine() {
  const Rect bounds = MonitorBounds(Monitors(), state_.MonitorIndex);
  desk_.SetClipboardText(PlacementLine(state_.MonitorIndex, bounds, state_.RegionRect));
}

}  // namespace mirlo
