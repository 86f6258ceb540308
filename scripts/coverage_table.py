"""Reads gcov JSON documents (one a line) from stdin, prints line and branch coverage per
source folder of the repository given as the argument (tests and build trees left out)."""
import json
import os
import sys

root = os.path.realpath(sys.argv[1])
lines = {}     # (file, line) -> executed
branches = {}  # (file, line, index) -> taken
for text in sys.stdin:
    text = text.strip()
    if not text.startswith("{"):
        continue
    document = json.loads(text)
    cwd = document.get("current_working_directory", "")
    for source in document.get("files", []):
        path = os.path.realpath(os.path.join(cwd, source["file"]))
        if not path.startswith(root + os.sep):
            continue
        relative = os.path.relpath(path, root)
        if relative.split(os.sep)[0] in ("tests", "build", "bench", "fuzz"):
            continue
        for line in source.get("lines", []):
            key = (relative, line["line_number"])
            lines[key] = lines.get(key, False) or line["count"] > 0
            for index, branch in enumerate(line.get("branches", [])):
                bkey = key + (index,)
                branches[bkey] = branches.get(bkey, False) or branch["count"] > 0


def folder(relative):
    parts = relative.split(os.sep)
    return os.sep.join(parts[:2]) if parts[0] in ("tools", "pages") and len(parts) > 2 else parts[0]


totals = {}
for (relative, _), executed in lines.items():
    entry = totals.setdefault(folder(relative), [0, 0, 0, 0])
    entry[0] += executed
    entry[1] += 1
for (relative, _, _), taken in branches.items():
    entry = totals.setdefault(folder(relative), [0, 0, 0, 0])
    entry[2] += taken
    entry[3] += 1

print(f"{'folder':<22}{'lines':>16}{'branches':>18}")
for name in sorted(totals):
    hit, count, taken, branch_count = totals[name]
    line_share = 100.0 * hit / count if count else 0.0
    branch_share = 100.0 * taken / branch_count if branch_count else 0.0
    print(f"{name:<22}{line_share:7.1f}% {hit:>5}/{count:<5}{branch_share:7.1f}% {taken:>5}/{branch_count:<5}")
