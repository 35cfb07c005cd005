#!/bin/sh
# Time from launch to the first painted chart of Hygrodex, beside the same time for a minimal Qt
# Widgets program showing one window of the main window's size (bench/start_time). Hygrodex runs
# as bench/hygrodex_start_probe, its very start with the probe built in. Both run in turn in one
# Xvfb session; the medians of the wall time and of the processor time used up to the paint are
# printed, with their ratios. On a busy machine the processor time is the steadier.
# Usage: bench/measure_start.sh [build directory, default build] [runs of each, default 21]
set -eu
build=${1:-build}
runs=${2:-21}
if [ -z "${MEASURE_START_IN_XVFB:-}" ]; then
    MEASURE_START_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

minimal="$build/bench/start_time"
program="$build/bench/hygrodex_start_probe"
times=$(mktemp -d)
trap 'rm -rf "$times"' EXIT

# One run: the launch moment goes in, the milliseconds to the first paint come out.
start_once() {
    HYGRODEX_START_PROBE=$(date +%s%N) "$1"
}

# Each program once before measuring, so that both find the libraries and fonts in the cache.
start_once "$minimal" >/dev/null
start_once "$program" >/dev/null
i=0
while [ "$i" -lt "$runs" ]; do
    start_once "$minimal" >>"$times/minimal"
    start_once "$program" >>"$times/program"
    i=$((i + 1))
done

# The median of column $2 of file $1.
median() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
report() {
    m=$(median "$times/minimal" "$2")
    p=$(median "$times/program" "$2")
    awk -v what="$1" -v p="$p" -v m="$m" -v n="$runs" \
        'BEGIN { printf "%-10s minimal window %6.1f ms, Hygrodex chart %6.1f ms, ratio %.2f (medians of %d)\n", what, m, p, p / m, n }'
}
report wall 1
report processor 2
