#!/usr/bin/env python3
"""Prints the performance table from the Google Benchmark JSON files of scripts/bench.sh: each
hot path's median beside the median of its floor from the same run, the ratio and the goal."""
import json
import os
import statistics
import sys


def load(folder):
    """Benchmark name -> list of its repetitions (iteration rows only)."""
    runs = {}
    for file in sorted(os.listdir(folder)):
        if not file.endswith(".json"):
            continue
        with open(os.path.join(folder, file)) as f:
            for row in json.load(f)["benchmarks"]:
                if row.get("run_type", "iteration") == "iteration":
                    runs.setdefault(row["run_name"], []).append(row)
    return runs


RUNS = load(sys.argv[1] if len(sys.argv) > 1 else "build/native/bench-results")
UNIT_NS = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}


def median(name, field="cpu_time"):
    rows = RUNS.get(name)
    if not rows:
        return None
    if field in ("cpu_time", "real_time"):
        return statistics.median(r[field] * UNIT_NS[r["time_unit"]] for r in rows)
    return statistics.median(r[field] for r in rows if field in r)


def largest(name, field):
    """The largest value of a counter over the repetitions: memory is taken once, in the
    first, and a later repetition finds it already there."""
    return max(r[field] for r in RUNS[name] if field in r)


def time_text(ns):
    if ns is None:
        return "—"
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def row(path, figure, floor, goal, ratio_goal=None, wanted_below=True):
    ratio = figure / floor if figure and floor else None
    met = ""
    if ratio is not None and ratio_goal is not None:
        met = "yes" if (ratio <= ratio_goal if wanted_below else ratio >= ratio_goal) else "no"
    ratio_text = f"{ratio:.2f}×" if ratio is not None else "—"
    print(f"| {path} | {time_text(figure)} | {time_text(floor)} | {ratio_text} | {goal} | {met} |")


print("| Hot path | Median | Floor (same run) | Ratio | Goal | Met |")
print("|---|---|---|---|---|---|")
for size in (2048, 20480, 204800):
    allocs = median(f"BM_PackageKeyFrame/{size}", "allocs_per_frame")
    row(f"stream packaging, {size // 1024} KB frame ({allocs:g} allocations)" if allocs is not None
        else f"stream packaging, {size // 1024} KB frame",
        median(f"BM_PackageKeyFrame/{size}"), median(f"BM_MemcpyPayload/{size}"),
        "≤ 1.3× memcpy at 20 KB and above; 0 allocations", 1.3 if size >= 20480 else None)
cached, reparse = median("BM_CachedLookup"), median("BM_ReadAndParsePerLookup")
speedup = reparse / cached if cached and reparse else None
print(f"| INI look-up, 300-key file | {time_text(cached)} | {time_text(reparse)} (re-parse) | "
      f"{speedup:.1f}× faster | ≥ 50× faster | {'yes' if speedup and speedup >= 50 else 'no'} |"
      if speedup else "| INI look-up | — | — | — | ≥ 50× faster | |")
row("INI look-up beside one system call", cached, median("BM_OneSystemCall"), "(the kernel's share)")
opening = median("BM_OpenConsoleWithFivePages/real_time", "real_time")
lookups = median("BM_OpenConsoleWithFivePages/real_time", "ini_lookups")
reads = median("BM_OpenConsoleWithFivePages/real_time", "file_opens")
if opening is not None:
    print(f"| console opening, five pages ({lookups:g} INI look-ups, {reads:g} file opens) | "
          f"{time_text(opening)} | — | — | < 50 ms | {'yes' if opening < 50e6 else 'no'} |")
row("login and every record read", median("BM_LoginAndReadEveryRecord/real_time", "real_time"),
    median("BM_LoopbackRoundTrips/real_time", "real_time"), "≤ 2× the round trips", 2.0)
for reader in ("BM_ReadPresetInfo", "BM_ReadPresetPlan"):
    row(reader[7:], median(reader), median("BM_ReadFileFromCache"), "≤ 1.5× the file read", 1.5)
row("Save with no edits", median("BM_SaveWithoutEdits"), median("BM_MemcmpRecordBlocks"),
    "≤ 1.5× memcmp", 1.5)
grid = median("BM_GridOverlayAllMarked")
if grid is not None:
    print(f"| grid overlay 18 × 22 all marked, one frame | {time_text(grid)} | — | — | ≤ 50 µs | "
          f"{'yes' if grid <= 50e3 else 'no'} |")
cycles = "BM_ResidentOverOpenCloseCycles/iterations:1"
if cycles in RUNS:
    growth = largest(cycles, "resident_growth_kb")
    print(f"| one connection and open console: resident {largest(cycles, 'resident_open_kb'):g} KB"
          f", growth over 100 cycles {growth:g} KB | — | — | — | no growth | "
          f"{'yes' if growth <= 0 else 'no'} |")
preview = "BM_FourPreviewsFromDvrsim/iterations:1/real_time"
if preview in RUNS:
    print(f"| four previews: plug-in CPU per frame over {median(preview, 'frames'):g} frames | "
          f"{median(preview, 'plugin_cpu_us_per_frame'):.2f} µs | "
          f"{median(preview, 'floor_cpu_us_per_frame'):.1f} µs (the streams alone) | — | — | |")
