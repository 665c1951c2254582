#pragma once
// The performance counter and what the benchmarks report from it.

#include <windows.h>

#include <string>
#include <vector>

namespace mirlo::bench {

inline LONGLONG Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double TicksToMicroseconds(LONGLONG ticks);

// Times of one figure for one subject, in microseconds.
struct Samples {
  std::vector<double> us;
  void Add(double v) { us.push_back(v); }
  double Median() const;
  double Percentile99() const;  // nearest rank
};

}  // namespace mirlo::bench
