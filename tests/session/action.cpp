#include "action.h"

#include "settings/pref_form.h"

namespace mirlo::session {

namespace {

PointChoice OnWindow(Rng& rng) {
  PointChoice p;
  p.kind = PointChoice::Kind::OnWindow;
  // Half the time an exact band limit or middle line on an axis.
  p.xCode = rng.Percent(50) ? rng.Below(11) : 11;
  p.yCode = rng.Percent(50) ? rng.Below(11) : 11;
  p.xFraction = static_cast<uint16_t>(rng.Below(65536));
  p.yFraction = static_cast<uint16_t>(rng.Below(65536));
  return p;
}

PointChoice Anywhere(Rng& rng, const std::vector<SimMonitor>& desk) {
  const int roll = rng.Below(100);
  if (roll < 55) return OnWindow(rng);
  PointChoice p;
  if (roll < 70) {
    p.kind = PointChoice::Kind::Recent;
    p.recent = rng.Below(4);
    return p;
  }
  p.kind = PointChoice::Kind::Screen;
  const SimMonitor& m = desk[static_cast<size_t>(rng.Below(static_cast<int>(desk.size())))];
  if (roll < 90) {
    // On a monitor, its edges and the pixels beside them included.
    p.screen = Point{static_cast<int32_t>(rng.Between(m.bounds.left - 2, m.bounds.right + 1)),
                     static_cast<int32_t>(rng.Between(m.bounds.top - 2, m.bounds.bottom + 1))};
  } else {
    p.screen = Point{static_cast<int32_t>(rng.Between(-3000000, 3000000)),
                     static_cast<int32_t>(rng.Between(-3000000, 3000000))};
  }
  return p;
}

MenuItem RandomItem(Rng& rng) {
  static const std::vector<MenuItem> common = {
      MenuItem::N4,    MenuItem::N5,     MenuItem::N6,     MenuItem::N3201, MenuItem::N6401,
      MenuItem::N8001, MenuItem::N10241, MenuItem::N12801, MenuItem::N14401, MenuItem::N7,
      MenuItem::N8,    MenuItem::N9,     MenuItem::N10,    MenuItem::N11,   MenuItem::N14,
      MenuItem::N15,   MenuItem::N12,    MenuItem::N1,     MenuItem::None};
  static const std::vector<MenuItem> rare = {MenuItem::HtmlHelp, MenuItem::VersionInfo, MenuItem::Quit};
  return rng.Percent(94) ? rng.Pick(common) : rng.Pick(rare);
}

DialogPlay RandomDialog(Rng& rng, MenuItem item) {
  DialogPlay d;
  d.close = static_cast<DialogPlay::Close>(rng.Below(3));
  if (item != MenuItem::N1) return d;
  const int clicks = rng.Below(5);
  for (int i = 0; i < clicks; ++i) {
    const int roll = rng.Below(10);
    if (roll < 5) {
      d.clicks.push_back(TPrefForm::RadioButton1 + rng.Below(TPrefForm::kRadioButtons));
    } else if (roll < 7) {
      d.clicks.push_back(rng.Percent(50) ? TPrefForm::CheckBox1 : TPrefForm::CheckBox2);
    } else {
      d.clicks.push_back(TPrefForm::Pre1SetButton + rng.Below(3));
    }
  }
  return d;
}

}  // namespace

const char* MenuItemName(MenuItem item) {
  static const char* const names[] = {
      "N2",     "N3",     "N4 full screen", "N5 full screen normal", "N6 full screen wide",
      "N3201",  "N6401",  "N8001",          "N10241",                "N12801",
      "N14401", "N7 always on top", "N8 preset 1", "N9 preset 2", "N10 preset 3",
      "N11 next monitor", "N12 display information", "N13", "N14 normal", "N15 wide",
      "N16", "HtmlHelp", "VersionInfo", "N1 settings", "Quit"};
  const int i = Id(item) - Id(MenuItem::N2);
  return i >= 0 && i < 25 ? names[i] : "(dismissed)";
}

int32_t OnWindowOffset(int code, uint16_t fraction, int32_t size) {
  const int32_t half = size / 2;
  switch (code) {
    case 0: return 0;
    case 1: return 19;
    case 2: return 20;
    case 3: return 21;
    case 4: return half - 1;
    case 5: return half;
    case 6: return half + 1;
    case 7: return size - 21;
    case 8: return size - 20;
    case 9: return size - 19;
    case 10: return size - 1;
    default: return static_cast<int32_t>(int64_t(size) * fraction / 65536);
  }
}

Action RandomAction(Rng& rng, const std::vector<SimMonitor>& desk) {
  Action a;
  const int roll = rng.Below(1000);
  if (roll < 330) {
    a.kind = Action::Kind::Move;
    a.at = Anywhere(rng, desk);
  } else if (roll < 500) {
    a.kind = Action::Kind::Press;
    const int b = rng.Below(10);
    a.button = b < 7 ? MouseButton::Left : b < 9 ? MouseButton::Right : MouseButton::Middle;
    a.at = rng.Percent(75) ? OnWindow(rng) : Anywhere(rng, desk);
  } else if (roll < 620) {
    a.kind = Action::Kind::Release;
    const int b = rng.Below(10);
    a.button = b < 7 ? MouseButton::Left : b < 9 ? MouseButton::Right : MouseButton::Middle;
  } else if (roll < 880) {
    a.kind = Action::Kind::Menu;
    a.item = RandomItem(rng);
    a.byKeyboard = rng.Percent(20);
    a.at = OnWindow(rng);
    a.dialog = RandomDialog(rng, a.item);
  } else if (roll < 950) {
    a.kind = Action::Kind::DoubleClick;
    a.at = OnWindow(rng);
  } else if (roll < 980) {
    a.kind = Action::Kind::LoseCapture;
  } else {
    a.kind = Action::Kind::SettingChange;
    a.code = rng.Percent(15) ? 47u : rng.Pick(std::vector<unsigned>{0, 20, 46, 48, 0x2A, 0x1004, 0xFFFFFFFFu});
  }
  return a;
}

namespace {

std::string DescribePoint(const PointChoice& p) {
  switch (p.kind) {
    case PointChoice::Kind::Screen:
      return "screen (" + std::to_string(p.screen.x) + "," + std::to_string(p.screen.y) + ")";
    case PointChoice::Kind::Recent:
      return "recent position -" + std::to_string(p.recent);
    default: {
      auto axis = [](int code, uint16_t f) {
        const char* names[] = {"0", "19", "20", "21", "half-1", "half", "half+1",
                               "size-21", "size-20", "size-19", "size-1"};
        return code <= 10 ? std::string(names[code]) : std::to_string(f) + "/65536";
      };
      return "window (" + axis(p.xCode, p.xFraction) + ", " + axis(p.yCode, p.yFraction) + ")";
    }
  }
}

const char* ButtonName(MouseButton b) {
  return b == MouseButton::Left ? "left" : b == MouseButton::Right ? "right" : "middle";
}

}  // namespace

std::string Describe(const Action& a) {
  switch (a.kind) {
    case Action::Kind::Move: return "move to " + DescribePoint(a.at);
    case Action::Kind::Press: return std::string(ButtonName(a.button)) + " press at " + DescribePoint(a.at);
    case Action::Kind::Release: return std::string(ButtonName(a.button)) + " release";
    case Action::Kind::DoubleClick: return "double-click at " + DescribePoint(a.at);
    case Action::Kind::LoseCapture: return "capture lost";
    case Action::Kind::SettingChange: return "setting change " + std::to_string(a.code);
    case Action::Kind::Menu: {
      std::string s = "menu " + std::string(MenuItemName(a.item)) +
                      (a.byKeyboard ? " (menu key)" : " (right click at " + DescribePoint(a.at) + ")");
      if (a.item == MenuItem::N1 || a.item == MenuItem::N12 || a.item == MenuItem::VersionInfo) {
        s += ", dialog clicks [";
        for (size_t i = 0; i < a.dialog.clicks.size(); ++i) s += (i ? " " : "") + std::to_string(a.dialog.clicks[i]);
        const char* close[] = {"close box", "Escape", "OK button"};
        s += "], closed by " + std::string(close[static_cast<int>(a.dialog.close)]);
      }
      return s;
    }
  }
  return "?";
}

}  // namespace mirlo::session
