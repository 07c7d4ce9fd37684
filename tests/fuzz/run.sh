#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz", clang) and runs each for a bounded
# time on a copy of its seed corpus. Fails on any crash, hang, leak or
# sanitizer report.   bash tests/fuzz/run.sh [seconds-per-target]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
cmake --preset fuzz -S "$root" > /dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in pattern list_read session; do
  echo "== fuzz_$target for ${seconds}s"
  mkdir -p "$work/$target"
  status=0
  "$root/build/fuzz/tests/fuzz/fuzz_$target" "$work/$target" "$root/tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" > "$work/$target.log" 2>&1 || status=$?
  grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)|ERROR|SUMMARY' "$work/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$work/$target.log"
    echo "fuzz_$target failed with status $status; the failing input:"
    for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
      [ -e "$f" ] && od -c "$f" | head -n 20
    done
    exit 1
  fi
done
echo "fuzzing passed"
