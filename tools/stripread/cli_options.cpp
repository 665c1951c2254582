#include "stripread/cli_options.h"

#include <cctype>
#include <cstddef>
#include <initializer_list>

namespace stripread {
namespace {

constexpr long kMaxValue = 1 << 20;

// Whole string, decimal digits only: a typo must not become a 0.
bool ParseCount(const std::string& s, std::size_t& pos, int& value) {
  const std::size_t start = pos;
  long v = 0;
  while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos]))) {
    v = v * 10 + (s[pos++] - '0');
    if (v > kMaxValue) return false;
  }
  value = static_cast<int>(v);
  return pos > start;
}

bool ParseInt(const std::string& s, int& value) {
  std::size_t pos = 0;
  return ParseCount(s, pos, value) && pos == s.size();
}

bool Expect(const std::string& s, std::size_t& pos, char c) {
  if (pos >= s.size() || s[pos] != c) return false;
  ++pos;
  return true;
}

}  // namespace

const char* const kUsage =
    "usage: stripread [--monitor WxH+X+Y]... FILE\n"
    "       stripread --pixel X Y FILE\n"
    "       stripread --colour-box X Y W H FILE\n"
    "FILE is an xwd dump (ZPixmap, 24/32 bpp) or a binary PPM.\n";

bool ParseGeometry(const std::string& text, Rect& out) {
  std::size_t pos = 0;
  Rect r;
  if (!ParseCount(text, pos, r.w) || !Expect(text, pos, 'x') || !ParseCount(text, pos, r.h) ||
      !Expect(text, pos, '+') || !ParseCount(text, pos, r.x) || !Expect(text, pos, '+') ||
      !ParseCount(text, pos, r.y) || pos != text.size())
    return false;
  if (r.w == 0 || r.h == 0) return false;
  out = r;
  return true;
}

bool ParseOptions(const std::vector<std::string>& args, Options& out, std::string& error) {
  Options o;
  bool modeSet = false;
  auto setMode = [&](Options::Mode m, const std::string& name) {
    if (modeSet || !o.monitors.empty()) {
      error = name + " cannot be combined with other options";
      return false;
    }
    o.mode = m;
    modeSet = true;
    return true;
  };
  auto takeInts = [&](std::size_t& i, std::initializer_list<int*> targets,
                      const std::string& name) {
    for (int* t : targets) {
      if (++i >= args.size() || !ParseInt(args[i], *t)) {
        error = name + " needs " + std::to_string(targets.size()) + " non-negative numbers";
        return false;
      }
    }
    return true;
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--monitor") {
      Rect r;
      if (++i >= args.size() || !ParseGeometry(args[i], r)) {
        error = "--monitor needs WxH+X+Y";
        return false;
      }
      if (modeSet) {
        error = "--monitor only applies to strip reading";
        return false;
      }
      o.monitors.push_back(r);
    } else if (a == "--pixel") {
      if (!setMode(Options::Mode::Pixel, a) || !takeInts(i, {&o.box.x, &o.box.y}, a)) return false;
    } else if (a == "--colour-box") {
      if (!setMode(Options::Mode::ColourBox, a) ||
          !takeInts(i, {&o.box.x, &o.box.y, &o.box.w, &o.box.h}, a))
        return false;
      if (o.box.w == 0 || o.box.h == 0) {
        error = "--colour-box needs a non-empty box";
        return false;
      }
    } else if (a.size() > 1 && a[0] == '-') {
      error = "unknown option " + a;
      return false;
    } else if (!o.file.empty()) {
      error = "only one FILE is read";
      return false;
    } else {
      o.file = a;
    }
  }
  if (o.file.empty()) {
    error = "no FILE given";
    return false;
  }
  out = o;
  return true;
}

}  // namespace stripread
