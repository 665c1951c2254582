#pragma once
// The colours of the viewer's picture.

#include "platform/desktop_types.h"

namespace mirlo {

constexpr Color kMagenta = RGB24(255, 0, 255);  // the key colour the device replaces
constexpr Color kBlack = RGB24(0, 0, 0);
// The raised frame, from the ring next to the region outwards.
constexpr Color kRingInner = RGB24(200, 208, 212);          // #C8D0D4
constexpr Color kRingMiddleLight = RGB24(255, 255, 255);    // #FFFFFF, top and left
constexpr Color kRingOuterLight = RGB24(226, 239, 241);     // #E2EFF1, top and left
constexpr Color kRingMiddleShadow = RGB24(153, 168, 172);   // #99A8AC, bottom and right
constexpr Color kRingOuterShadow = RGB24(100, 111, 113);    // #646F71, bottom and right

}  // namespace mirlo
