#include "dialogs/form_placement.h"

namespace mirlo {

std::function<Point(int, int)> CentredOn(Desktop& desk) {
  return [&desk](int outerWidth, int outerHeight) {
    const Rect owner = desk.WindowBounds();
    return Point{owner.left + (owner.Width() - outerWidth) / 2,
                 owner.top + (owner.Height() - outerHeight) / 2};
  };
}

}  // namespace mirlo
