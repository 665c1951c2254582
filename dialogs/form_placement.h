#pragma once

#include "platform/desktop.h"

namespace mirlo {

// Places a form centred on the viewer window.
std::function<Point(int, int)> CentredOn(Desktop& desk);

}  // namespace mirlo
