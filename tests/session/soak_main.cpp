// Long random sessions: soak --seed N --steps N [--seeds K] [--small] [--trace]
// Runs sessions N .. N + K - 1 of the given length, prints the first failing
// seed and step with what broke and the actions before it, and exits 1.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "soak.h"

namespace {

// Where the watchdog finds the step that hangs.
volatile std::sig_atomic_t gSeed = 0;
volatile std::sig_atomic_t gStep = 0;

void OnHang(int) {
  char text[128];
  const int n = std::snprintf(text, sizeof text, "seed %ld step %ld: no answer within 30 s\n",
                              static_cast<long>(gSeed), static_cast<long>(gStep));
  if (n > 0) (void)!write(2, text, static_cast<size_t>(n));
  _exit(3);
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t seed = 1;
  long long steps = 10000, seeds = 1;
  std::FILE* trace = nullptr;
  mirlo::session::SessionOptions options;
  for (int i = 1; i < argc; i += 2) {
    if (!std::strcmp(argv[i], "--trace")) {
      trace = stdout;
      --i;
      continue;
    }
    if (!std::strcmp(argv[i], "--small")) {
      options.smallDesks = true;
      --i;
      continue;
    }
    if (!std::strcmp(argv[i], "--snap")) {
      options.snapping = true;
      --i;
      continue;
    }
    if (i + 1 >= argc) break;
    if (!std::strcmp(argv[i], "--seed")) seed = std::strtoull(argv[i + 1], nullptr, 10);
    else if (!std::strcmp(argv[i], "--steps")) steps = std::strtoll(argv[i + 1], nullptr, 10);
    else if (!std::strcmp(argv[i], "--seeds")) seeds = std::strtoll(argv[i + 1], nullptr, 10);
    else {
      std::fprintf(stderr, "usage: soak --seed N --steps N [--seeds K] [--small] [--snap] [--trace]\n");
      return 2;
    }
  }
  std::signal(SIGALRM, OnHang);
  long long total = 0;
  mirlo::session::Coverage covered;
  for (long long k = 0; k < seeds; ++k) {
    const uint64_t s = seed + static_cast<uint64_t>(k);
    gSeed = static_cast<std::sig_atomic_t>(s);
    const mirlo::session::SoakResult r = mirlo::session::RunSession(s, steps, options, [](int64_t step) {
      gStep = static_cast<std::sig_atomic_t>(step);
      alarm(30);
    }, trace);
    alarm(0);
    total += r.steps;
    covered += r.covered;
    if (!r.ok) {
      std::printf("FAILED %s\n", r.report.c_str());
      std::printf("%lld steps run\n", total);
      return 1;
    }
  }
  std::printf("%lld sessions, %lld steps, no invariant broken\n", seeds, total);
  std::printf("covered: %s\n", covered.Describe().c_str());
  return 0;
}
