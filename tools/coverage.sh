#!/bin/sh
# Line coverage of the portable product code by the native tests.
# Builds native_tests with gcov instrumentation (-O0) in build/coverage, runs
# them, and prints one summary line plus a breakdown per folder. Counts only
# the product folders' sources and headers the native build compiles, never
# the tests, the sample picture or GoogleTest. A file compiled but not linked
# into the tests counts with all its lines unexecuted. The lines left
# unexecuted are listed in build/coverage/uncovered.txt.
# Usage: tools/coverage.sh [extra arguments for native_tests, e.g. --gtest_filter=...]
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
build="$repo/build/coverage"
product="text framework picdec imagelib controls picture system app uninstaller demo"

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS="--coverage -O0" -DCMAKE_CXX_FLAGS="--coverage -O0" \
    -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build "$build" --target native_tests -j "${LUMO_JOBS:-2}" >/dev/null

find "$build" -name '*.gcda' -delete
status=0
(cd "$build/tests" && ./native_tests --gtest_brief=1 "$@") || status=$?

# gcov writes one JSON document per note file; the collector merges the
# lines of a header seen by several translation units.
find "$build" -name '*.gcno' ! -path '*/googletest/*' -print0 |
    (cd "$build" && xargs -0 gcov --json-format --stdout 2>/dev/null) |
    python3 -c '
import json, os, sys
repo, folders = sys.argv[1], sys.argv[2].split()
lines = {}
for doc in sys.stdin:
    doc = doc.strip()
    if not doc.startswith("{"):
        continue
    data = json.loads(doc)
    cwd = data.get("current_working_directory", "")
    for f in data["files"]:
        path = os.path.realpath(os.path.join(cwd, f["file"]))
        rel = os.path.relpath(path, repo)
        if rel.startswith("..") or rel.split(os.sep)[0] not in folders:
            continue
        seen = lines.setdefault(rel, {})
        for line in f["lines"]:
            n = line["line_number"]
            seen[n] = seen.get(n, 0) + line["count"]
with open(sys.argv[3], "w") as out:
    for rel in sorted(lines):
        out.writelines("%s:%d\n" % (rel, n) for n, c in sorted(lines[rel].items()) if c == 0)
per_folder = {}
for rel, seen in lines.items():
    total, hit = per_folder.get(os.path.dirname(rel), (0, 0))
    per_folder[os.path.dirname(rel)] = (total + len(seen), hit + sum(1 for c in seen.values() if c > 0))
def share(hit, total):
    return 100.0 * hit / total if total else 0.0
total = sum(t for t, _ in per_folder.values())
hit = sum(h for _, h in per_folder.values())
for folder in sorted(per_folder):
    t, h = per_folder[folder]
    print("  %-16s %5.1f%% (%d of %d lines)" % (folder, share(h, t), h, t))
print("portable code line coverage: %.1f%% (%d of %d lines)" % (share(hit, total), hit, total))
' "$repo" "$product" "$build/uncovered.txt"
exit $status
