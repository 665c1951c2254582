#!/usr/bin/env python3
"""Prints the one table of `make bench` from the raw figures in OUT_DIR.

    bench/report.py OUT_DIR

Reads machine.tsv, win.tsv (mirlo_bench.exe), start.tsv (start-ups, memory,
sizes) and native.json (Google Benchmark). docs/performance.md says how to
read the table.
"""

import json
import statistics
import sys
from pathlib import Path

# The goals: the viewer's median over the baseline's median.
GOALS = {"paint": 1.2, "drag": 1.2, "cmd": 1.3, "start": 1.1,
         # A drag step with the readout over the same step without it.
         "readout": 1.25}

NATIVE_LABELS = {
    "paint.w320": "paint, windowed 320",
    "paint.w1440": "paint, windowed 1440",
    "paint.fs1": "paint, full screen (mode 1)",
    "paint.fs2": "paint, full screen 4:3 (mode 2)",
    "drag.move": "drag step, move",
    "drag.resize": "drag step, resize (right edge)",
    "cycle.width640": "cycle: width 320 -> 640 -> 320",
    "cycle.width800": "cycle: width 320 -> 800 -> 320",
    "cycle.width1024": "cycle: width 320 -> 1024 -> 320",
    "cycle.width1280": "cycle: width 320 -> 1280 -> 320",
    "cycle.width1440": "cycle: width 320 -> 1440 -> 320",
    "cycle.N4": "cycle: full screen (mode 1), width 320",
    "cycle.N5": "cycle: full screen 4:3, width 320",
    "cycle.N6": "cycle: full screen 16:9, width 320",
    "cycle.dblclick": "cycle: double-click twice",
    "cycle.aspect": "cycle: aspect wide, aspect normal",
    "cycle.N7": "cycle: always on top on, off",
    "cycle.presets": "cycle: presets 2, 3, 1",
    "quit": "quit (the hold is simulated)",
    "startup": "start-up (creation to first paint)",
}


def read_tsv(path):
    if not path.exists():
        return []
    return [line.rstrip("\n").split("\t") for line in path.open(encoding="utf-8") if line.strip()]


def fmt(v, digits=0):
    if v is None:
        return "-"
    return f"{v:,.{digits}f}"


def ratio_cell(viewer, base, goal, marks):
    if viewer is None or not base:
        return "-"
    r = viewer / base
    over = goal is not None and r > goal
    if goal is not None:
        marks.append(over)
    return f"{r:.2f}" + (" !" if over else "")


def write_profile(out):
    """Where the handlers' time goes, from mirlo_bench.exe's profile lines:
    OUT_DIR/profile.txt (not printed: the table is the one output)."""
    lines = []
    last = None
    for row in read_tsv(out / "win.tsv"):
        if row[0] != "profile":
            continue
        _, fid, who, part, calls, us = row
        if (fid, who) != last:
            lines.append("")
            lines.append(f"{fid} ({who})")
            last = (fid, who)
        lines.append(f"  {part:<38} {float(calls):6.2f} per op {float(us):12,.1f} us")
    if lines:
        head = ("Median time per operation of each kind of call into the window-system layer "
                "(its own time, without the calls made inside it), and what the operation "
                "spends outside those calls. Baseline rows split its paint into Win32 calls; "
                "'calls' times single Win32 calls on the baseline window.")
        (out / "profile.txt").write_text(head + "\n" + "\n".join(lines) + "\n", encoding="utf-8")


def main():
    out = Path(sys.argv[1])
    write_profile(out)
    machine = dict((row[0], row[1]) for row in read_tsv(out / "machine.tsv") if len(row) > 1)
    rows = []  # (section, label, cells)
    marks = []  # for each ratio with a goal, whether it is above it
    failed_checks = []

    # Windows figures: one row per figure, the viewer and its baseline side by side.
    figures = {}
    order = []
    for row in read_tsv(out / "win.tsv"):
        if row[0] == "time":
            _, fid, label, who, n, p50, p99 = row
            if fid not in figures:
                figures[fid] = {"label": label}
                order.append(fid)
            figures[fid][who] = (int(n), float(p50), float(p99))
        elif row[0] == "check" and row[2] != "ok":
            failed_checks.append(f"{row[1]}: {row[2]}")
    for fid in order:
        f = figures[fid]
        group = fid.split(".")[0]
        goal = GOALS.get(group)
        v, b = f.get("viewer"), f.get("baseline")
        section = {"paint": "Paint", "drag": "Drag", "cmd": "Commands",
                   "readout": "Readout (baseline: the same step without it)"}.get(group, group)
        rows.append((section, f["label"] + " (us)", [
            fmt(v and v[1]), fmt(v and v[2]), fmt(b and b[1]), fmt(b and b[2]),
            str(b[0] if b else "-"), ratio_cell(v and v[1], b and b[1], goal, marks),
            f"{goal}" if goal else "-"]))

    # Start-up, memory and size.
    starts = {"viewer": [], "baseline": []}
    peaks = {"viewer": [], "baseline": []}
    extra = {}
    for row in read_tsv(out / "start.tsv"):
        if row[0] == "start":
            starts[row[1]].append(float(row[2]))
            peaks[row[1]].append(int(row[3]))
        elif row[0] in ("memory", "size"):
            extra[(row[0], row[1])] = int(row[2])
        elif row[0] == "stale":
            fields = dict(f.split("=") for f in row[2].split() if "=" in f)
            extra[("stale", "steps")] = int(row[1])
            extra.update({("stale", k): int(v) for k, v in fields.items()})

    def p99(values):
        s = sorted(values)
        return s[max(0, -(-99 * len(s) // 100) - 1)] if s else None

    v, b = starts["viewer"], starts["baseline"]
    if v and b:
        rows.append(("Start-up", "start of wine to first correct strip (ms)", [
            fmt(statistics.median(v), 1), fmt(p99(v), 1),
            fmt(statistics.median(b), 1), fmt(p99(b), 1), str(len(b)),
            ratio_cell(statistics.median(v), statistics.median(b), GOALS["start"], marks),
            f"{GOALS['start']}"]))
    if ("stale", "grabs") in extra:
        grabs, stale, none = (extra[("stale", k)] for k in ("grabs", "stale", "none"))
        share = 100 * stale / grabs if grabs else 0
        rows.append(("Drag on screen", f"grabs with a stale strip during a drag of "
                     f"{extra[('stale', 'steps')]} steps (%)", [
            f"{share:.1f}" + (" !" if stale else ""), "-", "-", "-", str(grabs),
            f"{stale} stale, {none} without strip", "0"]))
    pv, pb = peaks["viewer"], peaks["baseline"]
    if pv and pb:
        rows.append(("Size", "peak memory after start-up (VmHWM, MiB)", [
            fmt(statistics.median(pv) / 1024, 1), fmt(max(pv) / 1024, 1),
            fmt(statistics.median(pb) / 1024, 1), fmt(max(pb) / 1024, 1), str(len(pb)),
            ratio_cell(statistics.median(pv), statistics.median(pb), None, marks), "-"]))
    if ("memory", "viewer_fullscreen") in extra:
        rows.append(("Size", "peak memory after full screen and back (MiB)", [
            fmt(extra[("memory", "viewer_fullscreen")] / 1024, 1), "-", "-", "-", "1", "-",
            "-"]))
    if ("size", "viewer") in extra:
        sv, sb = extra[("size", "viewer")], extra.get(("size", "baseline"))
        rows.append(("Size", "exe size (KiB)", [
            fmt(sv / 1024, 1), "-", fmt(sb and sb / 1024, 1), "-", "-",
            ratio_cell(sv, sb, None, marks), "-"]))

    # Native figures: CPU time per operation.
    native_path = out / "native.json"
    if native_path.exists():
        data = json.loads(native_path.read_text())
        native = {}
        for bm in data.get("benchmarks", []):
            unit = {"ns": 1, "us": 1e3, "ms": 1e6}[bm.get("time_unit", "ns")]
            native[bm["name"]] = bm["cpu_time"] * unit
        for name, label in NATIVE_LABELS.items():
            if name in native:
                rows.append(("Native (simulated desktop, CPU ns)", label,
                             [fmt(native[name])] + ["-"] * 6))

    header = ["figure", "viewer p50", "p99", "baseline p50", "p99", "n", "ratio", "goal"]
    print(f"MirloViewer benchmarks, {machine.get('date', '?')}")
    print(f"Machine: {machine.get('cpu', '?')}, {machine.get('cores', '?')} cores, "
          f"load {machine.get('load_before', '?')} before, {machine.get('load_after', '?')} after; "
          f"{machine.get('wine', '?')}")
    print("Ratio: the viewer's median over the baseline's; ! marks one above its goal.")
    print()
    print("| " + " | ".join(header) + " |")
    print("|" + "|".join(["---"] + ["---:"] * (len(header) - 1)) + "|")
    section = None
    for sec, label, cells in rows:
        if sec != section:
            print("| **" + sec + "** |" + " |" * (len(header) - 1))
            section = sec
        print("| " + " | ".join([label] + cells) + " |")
    print()
    print(f"Above their goal: {sum(marks)} of {len(marks)} ratios.")
    if failed_checks:
        print()
        print("BASELINE CHECKS FAILED (the baseline did not show what the viewer shows):")
        for c in failed_checks:
            print("  " + c)
    if not figures:
        print("No Windows figures: see win.err.")
    return 1 if failed_checks or not figures else 0


if __name__ == "__main__":
    sys.exit(main())
