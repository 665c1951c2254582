// The readout: where it stands, when it is up, what it says and in what
// order it changes beside the window's own calls.

#include "dialogs/readout_place.h"

#include <gtest/gtest.h>

#include "sim_viewer.h"

namespace mirlo {
namespace {

const Rect kWork{0, 0, 1920, 1160};
const Rect kBounds{0, 0, 1920, 1200};
const Point kSize{200, 20};

// The viewer's window and its region 3 pixels inside.
ReadoutDesk DeskWith(const Rect& window, const Rect& work = kWork, const Rect& bounds = kBounds,
                     Point size = kSize) {
  const Rect region{window.left + 3, window.top + 3, window.right - 3, window.bottom - 3};
  return ReadoutDesk{work, bounds, window, region, size};
}

TEST(ReadoutPlaceTest, TheFirstCornerTheViewerIsNotNear) {
  struct Case {
    const char* what;
    ReadoutDesk desk;
    std::optional<Rect> expected;
  };
  const Rect work1024{0, 0, 1024, 738};
  const Rect bounds1024{0, 0, 1024, 768};
  const Case cases[] = {
      {"in the middle: bottom right", DeskWith({797, 457, 1123, 703}), Rect{1720, 1140, 1920, 1160}},
      {"at the bottom right: bottom left", DeskWith({1594, 914, 1920, 1160}),
       Rect{0, 1140, 200, 1160}},
      // 806 x 606 centred along the bottom of a 1024 x 738 work area reaches
      // within 8 of both bottom corners; the top is 124 away.
      {"along the bottom: top right", DeskWith({109, 132, 915, 738}, work1024, bounds1024),
       Rect{824, 0, 1024, 20}},
      {"along the top: bottom right", DeskWith({109, 0, 915, 606}, work1024, bounds1024),
       Rect{824, 718, 1024, 738}},
      // 500 wide, the readout meets a 1446 x 1086 window in every corner of
      // a work area that ends at 1090; the monitor's bottom corners lie over
      // the task bar.
      {"no corner of the work area: the monitor's, over the task bar",
       DeskWith({0, 0, 1446, 1086}, Rect{0, 0, 1920, 1090}, kBounds, Point{500, 20}),
       Rect{1420, 1180, 1920, 1200}},
      {"no room at all: none",
       DeskWith({0, 0, 1446, 1086}, Rect{0, 0, 1920, 1090}, Rect{0, 0, 1920, 1090}, Point{500, 20}),
       std::nullopt},
      {"a monitor at negative coordinates", DeskWith({-1000, 100, -674, 346}, Rect{-1280, -200, 0, 794},
                                                     Rect{-1280, -200, 0, 824}),
       Rect{-200, 774, 0, 794}},
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceReadout(c.desk, std::nullopt), c.expected) << c.what;
}

TEST(ReadoutPlaceTest, ItStaysWhereItIsUntilTheViewerComesNear) {
  struct Case {
    const char* what;
    ReadoutDesk desk;
    Rect now;
    Rect expected;
  };
  const Rect bottomRight{1720, 1140, 1920, 1160}, bottomLeft{0, 1140, 200, 1160};
  const Case cases[] = {
      {"clear: kept, though another corner comes first", DeskWith({797, 457, 1123, 703}),
       bottomLeft, bottomLeft},
      {"8 from the viewer: kept", DeskWith({1386, 900, 1712, 1146}), bottomRight, bottomRight},
      {"7 from the viewer: moved", DeskWith({1387, 900, 1713, 1146}), bottomRight, bottomLeft},
      {"under the viewer: moved", DeskWith({1594, 914, 1920, 1160}), bottomRight, bottomLeft},
      // Clear of the window, but across the strip's row (row 3).
      {"on the strip's row: moved", DeskWith({0, 0, 326, 246}), Rect{1720, 0, 1920, 20},
       bottomRight},
      {"on another monitor: placed on the viewer's",
       DeskWith({2000, 100, 2326, 346}, Rect{1920, 0, 3200, 1024}, Rect{1920, 0, 3200, 1024}),
       bottomRight, Rect{3000, 1004, 3200, 1024}},
      {"of another size: placed again", DeskWith({797, 457, 1123, 703}), Rect{0, 1140, 210, 1160},
       bottomRight},
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceReadout(c.desk, c.now), c.expected) << c.what;
}

}  // namespace
}  // namespace mirlo
