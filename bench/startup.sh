#!/bin/bash
# Start-up and page-switch times of the reader under Xvfb. Starts the reader
# RUNS times (default 5) on the bundled anthology; each run shows poems 1 to
# POEMS (default 50) one after the other, as the finding aids do, and quits.
# Prints the median and spread of: window shown, tree built, home page
# loaded (ms since process start), and poem selection -> page loaded (ms),
# plus the reader's peak memory (resident set, its own process).
# Usage: bench/startup.sh [RUNS] [POEMS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${VERSILO_BUILD_DIR:-$ROOT/build}
RUNS=${1:-5}
POEMS=${2:-50}
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
export XDG_CONFIG_HOME=$OUT/config XDG_CACHE_HOME=$OUT/cache
cd "$BUILD/anthology"
for run in $(seq "$RUNS"); do
  VERSILO_TRACE=1 VERSILO_SCRIPT="poems 1-$POEMS;quit" \
    xvfb-run -a -s "-screen 0 1280x800x24" /usr/bin/time -f "maxrss %M" "$BUILD/versilo" \
    2> "$OUT/run$run.log" >/dev/null || true
done
python3 - "$OUT" "$RUNS" <<'PY'
import glob, re, statistics, sys
out, runs = sys.argv[1], int(sys.argv[2])
marks = {"window shown": [], "tree built": [], "home page loaded": []}
switch, rss = [], []
for log in sorted(glob.glob(out + "/run*.log")):
    selected = None
    for line in open(log, encoding="utf-8", errors="replace"):
        m = re.match(r"versilo-trace: ([\d.]+) (.*)", line)
        if m:
            t, what = float(m.group(1)), m.group(2).strip()
            if what in marks: marks[what].append(t)
            if what.startswith("poem selected"): selected = t
            if what.startswith("page loaded") and what.endswith("poem.htm") and selected is not None:
                switch.append(t - selected); selected = None
        m = re.match(r"maxrss (\d+)", line)
        if m: rss.append(int(m.group(1)) / 1024)
def show(name, values, unit="ms"):
    if not values: print(f"{name:28s} no data"); return
    q = statistics.quantiles(values, n=10, method="inclusive") if len(values) > 1 else values * 9
    print(f"{name:28s} median {statistics.median(values):7.1f} {unit}  min {min(values):7.1f}  "
          f"p90 {q[-1]:7.1f}  max {max(values):7.1f}  (n={len(values)})")
print(f"{runs} runs")
for k, v in marks.items(): show(k, v)
show("poem selection -> loaded", switch)
show("peak memory (reader only)", rss, "MB")
PY
