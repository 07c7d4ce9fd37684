#!/usr/bin/env bash
# Builds serigen and runs it on a shipped example in a fresh working
# directory with an empty event directory, then shows what it wrote.
#   bash examples/run-example.sh [examples/gr10k_monthly.answers | examples/gr10k_monthly.toml]
# Positional answers go to standard input; an answer file (.toml) is given
# with --config and --yes. The working directory is kept and named at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
example=$(realpath "${1:-$root/examples/gr10k_monthly.answers}")
cmake --preset default -S "$root" > /dev/null
cmake --build --preset default --target serigen > /dev/null
work=$(mktemp -d "${TMPDIR:-/tmp}/serigen-example.XXXXXX")
mkdir "$work/event"
echo "== running serigen in $work"
status=0
if [[ "$example" == *.toml ]]; then
  (cd "$work" && "$root/build/default/serigen" --config "$example" --yes < /dev/null) || status=$?
else
  (cd "$work" && "$root/build/default/serigen" < "$example") || status=$?
fi
echo "== exit status $status; the working directory now holds:"
(cd "$work" && find . -type f | sort | xargs -r ls -l)
if [ -f "$work/event/events_to_follow.txt" ]; then
  echo "== event/events_to_follow.txt:"
  cat "$work/event/events_to_follow.txt"
fi
echo "== the working directory is kept: $work (remove it with: rm -rf $work)"
exit "$status"
