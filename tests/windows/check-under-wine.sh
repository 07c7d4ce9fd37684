#!/usr/bin/env bash
# Runs the Windows build under wine on a session case (one that starts from
# an event directory, with its arguments and given files) and checks that it
# writes the same files, byte for byte, and the same console text with the
# Windows line ends.   bash tests/windows/check-under-wine.sh build/mingw/serigen.exe [case]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "$1")
case_dir="$root/tests/sessions/cases/${2:-overview_legacy_monthly}"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/run" "$work/run/event"
[ -d "$case_dir/given" ] && cp -a "$case_dir/given/." "$work/run/"
args=()
[ -f "$case_dir/args" ] && mapfile -t args < "$case_dir/args"
answers=/dev/null
[ -f "$case_dir/answers" ] && answers="$case_dir/answers"
export WINEPREFIX="$work/wine" WINEDEBUG=-all
# The first run in a new prefix makes it and says so; keep that out
# of the comparison.
"$wine" "$exe" --version > /dev/null 2>&1
status=0
(cd "$work/run" && "$wine" "$exe" "${args[@]}" < "$answers" > "$work/stdout" 2> "$work/stderr") || status=$?
[ "$status" = "$(cat "$case_dir/status")" ] || { echo "exit status $status, expected $(cat "$case_dir/status")"; exit 1; }
diff -r "$case_dir/expected" "$work/run" -x event  # an empty event directory is not kept in a case
diff -r "$case_dir/expected/event" "$work/run/event"
sed 's/$/\r/' "$case_dir/stdout" | cmp - "$work/stdout"
sed 's/$/\r/' "$case_dir/stderr" | cmp - "$work/stderr"
echo "serigen.exe under wine: the same files and console text as the session case $(basename "$case_dir")"
