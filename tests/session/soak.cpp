#include "soak.h"

#include "invariants.h"
#include "session.h"

namespace mirlo::session {

SoakResult RunSession(uint64_t seed, int64_t steps, SessionOptions options,
                      const std::function<void(int64_t)>& beforeStep, std::FILE* trace) {
  SoakResult result;
  Session session(seed, options);
  InvariantChecker checker;
  for (int64_t i = 1; i <= steps; ++i) {
    if (beforeStep) beforeStep(i);
    const StepRecord r = session.Step();
    result.steps = i;
    if (trace != nullptr) {
      std::fprintf(trace, "step %lld: %s\n%s%s\n", static_cast<long long>(i), session.History().back().c_str(),
                   DescribeDeliveries(r).c_str(), DescribeViewer(session).c_str());
    }
    const std::string failure = checker.Check(session, r);
    result.covered = checker.Covered();
    if (failure.empty()) continue;
    result.ok = false;
    result.report = "seed " + std::to_string(seed) + " step " + std::to_string(i) + ":\n" + failure +
                    "\n" + DescribeViewer(session) +
                    "\nwhat reached the viewer in that step:\n" + DescribeDeliveries(r) +
                    "last actions, oldest first:\n";
    for (const std::string& h : session.History()) result.report += "  " + h + "\n";
    result.report += "the program last started on this:\n" + session.DescribeStart();
    break;
  }
  return result;
}

}  // namespace mirlo::session
