#include "stripcheck/run.h"

#include "stripcheck/diagnosis.h"
#include "stripcheck/report.h"

namespace stripcheck {

const char* const kUsage =
    "usage: stripcheck [--watch]\n"
    "Reads every monitor's picture as the device would and prints, per monitor,\n"
    "each code strip (lead letter, rectangle relative to the monitor, checksum,\n"
    "whether the magenta area is exactly that rectangle) or why none is usable.\n"
    "The last line says how many strips the device could use.\n"
    "  --watch   look again every second until Ctrl+C\n"
    "  --help    this text\n"
    "Exit code: 0 exactly one usable strip, 1 none or several, 2 error.\n";

bool ParseOptions(const std::vector<std::string>& args, Options& out, std::string& error) {
  Options o;
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h" || a == "/?") {
      o.help = true;
    } else if (a == "--watch") {
      o.watch = true;
    } else {
      error = "unknown argument " + a;
      return false;
    }
  }
  out = o;
  return true;
}

int Run(const std::vector<std::string>& args, Output& out, Output& err,
        const LookFn& look, const PauseFn& pause) {
  Options o;
  std::string error;
  if (!ParseOptions(args, o, error)) {
    err.Write("stripcheck: " + error + "\n" + kUsage);
    return kExitError;
  }
  if (o.help) {
    out.Write(kUsage);
    return kExitOneStrip;
  }
  for (bool first = true;; first = false) {
    if (!first) out.Write("\n");
    int code;
    Desk desk;
    if (look(desk, error)) {
      const Diagnosis d = Diagnose(desk);
      std::string lines;
      for (const std::string& line : ReportLines(desk, d)) lines += line + "\n";
      out.Write(lines);
      code = d.validStrips == 1 ? kExitOneStrip : kExitNotOne;
    } else {
      // A watch goes on: the screen may be readable again a second later
      // (a mode change, a secure desktop).
      err.Write("stripcheck: " + error + "\n");
      code = kExitError;
    }
    if (!o.watch || !pause()) return code;
  }
}

}  // namespace stripcheck
