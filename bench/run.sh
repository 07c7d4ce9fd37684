#!/usr/bin/env bash
# Benchmarks: whole runs of serigen against the floor program, and the
# formatting micro-benchmarks.   bash bench/run.sh [repetitions]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
reps=${1:-7}
cmake --preset release -S "$root" > /dev/null
cmake --build --preset release > /dev/null
bin="$root/build/release"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Answers: legacy names, "y" everywhere, basin gr10k.
answers() {  # events months
  printf 'na\n%s\n%s\n2010 06 15 00\n1\ny\n1.0\ny\n2.5\ny\ny\ny\ny\ny\ny\ngr10k\n\n\n' "$1" "$2"
}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

whole_run() {  # label events months fresh|rerun
  local label=$1 dir="$work/$1" mode=$4
  mkdir -p "$dir"
  answers "$2" "$3" > "$dir/answers"
  # The reference run that the floor copies from, checked below.
  mkdir -p "$dir/ref/event"
  "$bin/bench/bench_time" "$dir/ref" "$dir/answers" "$dir/ref/stdout" "$bin/serigen" > /dev/null
  local s_times=() f_times=() s_rss=0
  rm -rf "$dir/s" "$dir/f" && mkdir -p "$dir/s/event" "$dir/f/event"
  for ((i = 0; i < reps; i++)); do
    # A re-run replaces the series that the previous repetition left.
    [ "$mode" = rerun ] || { rm -rf "$dir/s" "$dir/f" && mkdir -p "$dir/s/event" "$dir/f/event"; }
    read -r t rss < <("$bin/bench/bench_time" "$dir/s" "$dir/answers" "$dir/s.out" "$bin/serigen")
    s_times+=("$t")
    s_rss=$rss
    read -r t _ < <("$bin/bench/bench_time" "$dir/f" "$dir/answers" "$dir/f.out" "$bin/bench/serigen_floor" "$dir/ref")
    f_times+=("$t")
  done
  # The floor must have written exactly what serigen wrote.
  diff -r "$dir/s" "$dir/f" > /dev/null || { echo "$label: the floor's files differ from serigen's"; exit 1; }
  cmp -s "$dir/s.out" "$dir/f.out" || { echo "$label: the floor's console output differs"; exit 1; }
  local s f
  s=$(printf '%s\n' "${s_times[@]}" | median)
  f=$(printf '%s\n' "${f_times[@]}" | median)
  awk -v l="$label" -v s="$s" -v f="$f" -v r="$s_rss" \
    'BEGIN {printf "%-24s serigen %8.2f ms  floor %8.2f ms  ratio %.2f  serigen peak memory %.1f MB\n", l, s*1000, f*1000, s/f, r/1024}'
}

echo "== whole runs, median of $reps ($(nproc) cores, $(uname -m))"
whole_run "1200 monthly, fresh" 1200 1 fresh
whole_run "1200 monthly, re-run" 1200 1 rerun
whole_run "200 yearly, fresh" 200 12 fresh
whole_run "200 yearly, re-run" 200 12 rerun
echo "== formatting"
"$bin/bench/bench_format" --benchmark_min_time=0.2
