#!/usr/bin/env bash
# Builds serigen and runs it on the shipped example answers in a fresh
# working directory with an empty event directory, then shows what it wrote.
#   bash examples/run-example.sh [answer-file]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
answers=$(realpath "${1:-$root/examples/gr10k_monthly.answers}")
cmake --preset default -S "$root" > /dev/null
cmake --build --preset default --target serigen > /dev/null
work=$(mktemp -d)
mkdir "$work/event"
echo "== running serigen in $work"
(cd "$work" && "$root/build/default/serigen" < "$answers")
echo "== exit status $?; the working directory now holds:"
(cd "$work" && find . -type f | sort | xargs ls -l)
echo "== event/events_to_follow.txt:"
cat "$work/event/events_to_follow.txt"
