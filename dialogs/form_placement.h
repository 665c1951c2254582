#pragma once

#include <functional>

#include "monitors/monitor_table.h"

namespace mirlo {

// Places a form centred on the viewer window `owner`.
std::function<Point(int, int)> CentredOn(const Rect& owner, const MonitorTable& monitors);

}  // namespace mirlo
