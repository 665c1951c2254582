#include "stripread/cli.h"

#include <algorithm>
#include <map>
#include <utility>

#include "stripread/loaders.h"

namespace stripread {
namespace {

bool Inside(const Image& img, const Rect& r) {
  return r.x + r.w <= img.width && r.y + r.h <= img.height;
}

std::string Describe(const Rect& r) {
  return std::to_string(r.w) + "x" + std::to_string(r.h) + "+" + std::to_string(r.x) + "+" +
         std::to_string(r.y);
}

std::string ImageSize(const Image& img) {
  return std::to_string(img.width) + "x" + std::to_string(img.height);
}

int ReadStrips(const Options& o, const Image& img, std::ostream& out, std::ostream& err) {
  std::vector<Rect> monitors = o.monitors;
  if (monitors.empty()) monitors.push_back({0, 0, img.width, img.height});
  for (const Rect& m : monitors) {
    if (!Inside(img, m)) {
      err << "stripread: monitor " << Describe(m) << " lies outside the " << ImageSize(img)
          << " image\n";
      return kExitError;
    }
  }
  int found = 0;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const Rect& m = monitors[i];
    // Each device only sees its own output, with positions from its corner.
    for (const Strip& s : FindStrips(Crop(img, m.x, m.y, m.w, m.h))) {
      out << FormatStrip(static_cast<int>(i), s) << '\n';
      ++found;
    }
  }
  if (found == 0) {
    out << "no strip\n";
    return kExitNone;
  }
  return kExitFound;
}

int PrintPixel(const Options& o, const Image& img, std::ostream& out, std::ostream& err) {
  if (!img.contains(o.box.x, o.box.y)) {
    err << "stripread: pixel " << o.box.x << "," << o.box.y << " lies outside the "
        << ImageSize(img) << " image\n";
    return kExitError;
  }
  out << FormatColour(img.at(o.box.x, o.box.y)) << '\n';
  return kExitFound;
}

int PrintColourBox(const Options& o, const Image& img, std::ostream& out, std::ostream& err) {
  if (!Inside(img, o.box)) {
    err << "stripread: box " << Describe(o.box) << " lies outside the " << ImageSize(img)
        << " image\n";
    return kExitError;
  }
  std::map<uint32_t, long> counts;
  for (int y = o.box.y; y < o.box.y + o.box.h; ++y)
    for (int x = o.box.x; x < o.box.x + o.box.w; ++x) ++counts[img.at(x, y)];
  std::vector<std::pair<uint32_t, long>> sorted(counts.begin(), counts.end());
  // Stable on the colour-ordered map, so equal counts stay in colour order.
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [colour, n] : sorted) out << FormatColour(colour) << ' ' << n << '\n';
  return kExitFound;
}

}  // namespace

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  std::string error;
  if (!ParseOptions(args, o, error)) {
    err << "stripread: " << error << '\n' << kUsage;
    return kExitError;
  }
  Image img;
  if (!LoadImage(o.file, img, error)) {
    err << "stripread: " << error << '\n';
    return kExitError;
  }
  switch (o.mode) {
    case Options::Mode::Pixel:
      return PrintPixel(o, img, out, err);
    case Options::Mode::ColourBox:
      return PrintColourBox(o, img, out, err);
    case Options::Mode::Strips:
      break;
  }
  return ReadStrips(o, img, out, err);
}

}  // namespace stripread
