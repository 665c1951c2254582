#include "stripcheck/report.h"

#include "stripread/strip_format.h"

namespace stripcheck {
namespace {

using stripread::RegionFault;
using std::to_string;

std::string Signed(int v) { return v < 0 ? to_string(v) : "+" + to_string(v); }

std::string Point(int x, int y) { return to_string(x) + "," + to_string(y); }

constexpr std::size_t kMaxName = 60;

// A window's name as any console prints it: one '?' for each character
// other than printable ASCII and for the quote that encloses it.
std::string Printable(const std::string& utf8) {
  std::string out;
  for (unsigned char c : utf8) {
    if (out.size() >= kMaxName) break;
    if ((c & 0xC0) == 0x80) continue;  // the rest of a character already written
    out += (c >= 0x20 && c < 0x7F && c != '"') ? static_cast<char>(c) : '?';
  }
  return out;
}

// A window as the device's coordinates place it: relative to the monitor.
std::string WindowText(const WindowAbove& w, const Rect& monitor) {
  return "\"" + Printable(w.name) + "\" " + to_string(w.rect.Width()) + "x" + to_string(w.rect.Height()) +
         " at " + Point(w.rect.left - monitor.left, w.rect.top - monitor.top);
}

std::string RegionText(const Desk& desk, const Finding& f) {
  const Rect& m = desk.monitors[f.monitor].bounds;
  const stripread::Strip& s = f.strip;
  const stripread::RegionCheck& r = f.region;
  std::string text;
  switch (r.fault) {
    case RegionFault::Misplaced:
      return "the strip lies at " + Point(s.atX, s.atY) + " but announces its region at " +
             Point(s.x0, s.y0);
    case RegionFault::TooSmall:
      return "the announced rectangle is too small to hold the strip";
    case RegionFault::OffImage:
      return "the announced rectangle runs past the monitor's edge";
    case RegionFault::NotMagenta:
      text = "pixel " + Point(r.x, r.y) + " inside the announced rectangle is " +
             stripread::FormatColour(desk.monitors[f.monitor].image.at(r.x, r.y)) +
             ", not magenta";
      break;
    case RegionFault::MagentaOutside:
      text = "pixel " + Point(r.x, r.y) + " just outside the announced rectangle is magenta too";
      break;
    case RegionFault::None:
      return "the area under the strip is not exactly its rectangle";
  }
  if (f.window >= 0) text += ", under " + WindowText(desk.viewer.above[f.window], m);
  return text;
}

std::string Explanation(const Desk& desk, const Diagnosis& d, const Finding& f) {
  const MonitorShot& m = desk.monitors[f.monitor];
  const ViewerFacts& v = desk.viewer;
  switch (f.problem) {
    case Problem::None:
      return "";
    case Problem::UnusableMonitor:
      return "the device cannot use this monitor's resolution " + to_string(m.bounds.Width()) +
             "x" + to_string(m.bounds.Height()) +
             " (it reads 640x480, 800x600, 1024x768, 1280x768, 1360x768, 1280x1024, 1600x1200,"
             " 1440x900, 1680x1050 and 1920x1200)";
    case Problem::BadChecksum:
      return "the strip's checksum is " + to_string(f.strip.checksum) +
             " where its coordinates give " +
             to_string(stripread::StripChecksum(f.strip.x0, f.strip.y0, f.strip.x1, f.strip.y1));
    case Problem::Covered:
      return std::string(f.hasStrip ? "another window lies over the strip's row: "
                                    : "another window lies over the viewer's strip row: ") +
             WindowText(v.above[f.window], m.bounds);
    case Problem::NotMagenta:
      return RegionText(desk, f);
    case Problem::Scaled:
      return "display scaling stretches the viewer to " + to_string(f.scalePercent) + " % (" +
             (f.cellWidth > 0
                  ? "its strip's cells are " + to_string(f.cellWidth) + " pixels wide"
                  : "it draws for " + to_string(v.windowDpi) + " dpi on a " +
                        to_string(v.monitorDpi) + " dpi monitor") +
             "); the device reads unscaled strips only";
    case Problem::NoStrip:
      if (!v.found) return "no strip here, and no viewer window is open";
      if (d.viewerMonitor < 0) return "no strip here; the viewer's window lies on no monitor";
      if (d.viewerMonitor != f.monitor)
        return "no strip here; the viewer is on monitor " + to_string(d.viewerMonitor);
      return "the viewer's window " + to_string(v.rect.Width()) + "x" +
             to_string(v.rect.Height()) + " at " +
             Point(v.rect.left - m.bounds.left, v.rect.top - m.bounds.top) +
             " is here, but no strip can be read in it";
  }
  return "";
}

std::string Verdict(const Diagnosis& d) {
  const std::string count = "valid=" + to_string(d.validStrips) + " ";
  if (d.validStrips == 0) return count + "the device finds no strip it can use";
  if (d.validStrips > 1) return count + "the device needs exactly one strip";
  for (const Finding& f : d.findings) {
    if (f.hasStrip && f.problem == Problem::None)
      return count + "the device can read the strip on monitor " + to_string(f.monitor);
  }
  return count;
}

}  // namespace

std::string MonitorGeometry(const Rect& b) {
  return to_string(b.Width()) + "x" + to_string(b.Height()) + Signed(b.left) + Signed(b.top);
}

const char* ProblemWord(Problem p) {
  switch (p) {
    case Problem::None:
      return "none";
    case Problem::UnusableMonitor:
      return "unusable-monitor";
    case Problem::BadChecksum:
      return "bad-checksum";
    case Problem::Covered:
      return "covered";
    case Problem::NotMagenta:
      return "not-magenta";
    case Problem::Scaled:
      return "scaled";
    case Problem::NoStrip:
      return "no-strip";
  }
  return "";
}

std::vector<std::string> ReportLines(const Desk& desk, const Diagnosis& d) {
  std::vector<std::string> lines;
  for (const Finding& f : d.findings) {
    std::string line = "monitor=" + to_string(f.monitor) + " " +
                       MonitorGeometry(desk.monitors[f.monitor].bounds);
    if (f.hasStrip) line += " " + stripread::FormatStripFields(f.strip);
    if (f.problem != Problem::None)
      line += std::string(" problem=") + ProblemWord(f.problem) + " " + Explanation(desk, d, f);
    lines.push_back(line);
  }
  lines.push_back(Verdict(d));
  return lines;
}

}  // namespace stripcheck
