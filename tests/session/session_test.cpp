// Random sessions with fixed seeds, and the sessions that once failed.

#include <gtest/gtest.h>

#include "soak.h"

namespace mirlo::session {
namespace {

class FixedSeedTest : public ::testing::TestWithParam<uint64_t> {};

TEST_P(FixedSeedTest, KeepsEveryInvariant) {
  SessionOptions quick;
  quick.smallDesks = true;
  KnownFaults known;
  known.dragOnCrampedWorkArea = true;
  const SoakResult r = RunSession(GetParam(), 400, quick, known);
  EXPECT_TRUE(r.ok) << r.report;
  EXPECT_EQ(r.steps, 400);
}

INSTANTIATE_TEST_SUITE_P(Seeds, FixedSeedTest, ::testing::Values(1, 2, 3, 4, 5, 6));

}  // namespace
}  // namespace mirlo::session
