#include <gtest/gtest.h>

#include "canvas.h"
#include "stripcheck/run.h"
#include "test_desk.h"

namespace {

using stripcheck::Desk;
using stripcheck::Run;
using namespace testutil;

// Runs the program on desks handed out one per look; pause allows `rounds`
// looks in all.
struct Session {
  std::vector<Desk> desks;
  int rounds = 1;
  int looks = 0;
  stripcheck::StringOutput out, err;

  int operator()(const std::vector<std::string>& args) {
    const auto look = [this](Desk& d, std::string& error) {
      if (looks >= static_cast<int>(desks.size())) {
        error = "the screen cannot be read";
        ++looks;
        return false;
      }
      d = desks[looks++];
      return true;
    };
    const auto pause = [this] { return looks < rounds; };
    return Run(args, out, err, look, pause);
  }
};

Desk WithViewer() {
  TestDesk t;
  t.Monitor(0, 0, 1920, 1200).Viewer(0, 800, 460, 320, 240);
  return t.desk();
}

Desk Empty() {
  TestDesk t;
  t.Monitor(0, 0, 1920, 1200);
  return t.desk();
}

TEST(Run, ExitCodeSaysWhetherExactlyOneStripIsUsable) {
  struct Row { const char* what; Desk desk; int code; };
  Desk two = WithViewer();
  DrawRegion(two.monitors[0].image, 'A', 100, 100, 419, 339);
  for (const Row& r : {Row{"one", WithViewer(), 0}, Row{"none", Empty(), 1}, Row{"two", two, 1}}) {
    Session s;
    s.desks = {r.desk};
    EXPECT_EQ(s({}), r.code) << r.what;
    EXPECT_EQ(s.looks, 1) << r.what;
    EXPECT_EQ(s.err.text, "") << r.what;
  }
}

TEST(Run, HelpAndBadArguments) {
  Session help;
  EXPECT_EQ(help({"--help"}), 0);
  EXPECT_EQ(help.looks, 0);
  EXPECT_EQ(help.out.text.rfind("usage: stripcheck [--watch]\n", 0), 0u);

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--wach"}, std::vector<std::string>{"--watch", "extra"}}) {
    Session bad;
    EXPECT_EQ(bad(args), 2) << args.back();
    EXPECT_EQ(bad.looks, 0);
    EXPECT_EQ(bad.out.text, "");
    EXPECT_EQ(bad.err.text.rfind("stripcheck: unknown argument " + args.back() + "\nusage:", 0),
              0u);
  }
}

TEST(Run, UnreadableScreen) {
  Session s;
  EXPECT_EQ(s({}), 2);
  EXPECT_EQ(s.err.text, "stripcheck: the screen cannot be read\n");
}

TEST(Run, WatchLooksAgainUntilStoppedAndEndsWithTheLastVerdict) {
  Session s;
  s.desks = {Empty(), WithViewer(), Empty()};
  s.rounds = 3;
  EXPECT_EQ(s({"--watch"}), 1);
  EXPECT_EQ(s.looks, 3);
  EXPECT_EQ(s.out.text,
            "monitor=0 1920x1200+0+0 problem=no-strip no strip here, and no viewer window is open\n"
            "valid=0 the device finds no strip it can use\n"
            "\n"
            "monitor=0 1920x1200+0+0 lead=A x0=800 y0=460 x1=1119 y1=699 checksum=ok at=800,460 "
            "region=exact\n"
            "valid=1 the device can read the strip on monitor 0\n"
            "\n"
            "monitor=0 1920x1200+0+0 problem=no-strip no strip here, and no viewer window is open\n"
            "valid=0 the device finds no strip it can use\n");
}

TEST(Run, WatchGoesOnWhenTheScreenCannotBeRead) {
  Session s;
  s.desks = {WithViewer()};  // the second look fails
  s.rounds = 2;
  EXPECT_EQ(s({"--watch"}), 2);
  EXPECT_EQ(s.looks, 2);
  EXPECT_EQ(s.err.text, "stripcheck: the screen cannot be read\n");

  Session again;
  again.desks = {Empty()};
  again.rounds = 3;  // fails twice more, then stops
  EXPECT_EQ(again({"--watch"}), 2);
  EXPECT_EQ(again.looks, 3);
}

}  // namespace
