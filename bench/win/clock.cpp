#include "clock.h"

#include <algorithm>
#include <cmath>

namespace mirlo::bench {

double TicksToMicroseconds(LONGLONG ticks) {
  static const double perSecond = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart);
  }();
  return double(ticks) * 1e6 / perSecond;
}

double Samples::Median() const {
  if (us.empty()) return 0;
  std::vector<double> s = us;
  std::sort(s.begin(), s.end());
  const size_t n = s.size();
  return n % 2 == 1 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
}

double Samples::Percentile99() const {
  if (us.empty()) return 0;
  std::vector<double> s = us;
  std::sort(s.begin(), s.end());
  const size_t rank = size_t(std::ceil(0.99 * double(s.size())));
  return s[std::max<size_t>(rank, 1) - 1];
}

}  // namespace mirlo::bench
