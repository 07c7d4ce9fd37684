#!/usr/bin/env bash
# Records what the binary does on a session case, as that case's expected
# results: stdout, stderr, status and the expected/ tree. Review the result
# with `git diff` before committing it.
#   tests/sessions/record.sh build/default/serigen tests/sessions/cases/NAME
set -euo pipefail
binary=$(realpath "$1")
case_dir=$(realpath "$2")
work=$(mktemp -d)
io=$(mktemp -d)
flags=$(cat "$case_dir/setup" 2>/dev/null || true)
grep -qx no-event-dir <<<"$flags" || mkdir "$work/event"
[ -d "$case_dir/given" ] && cp -a "$case_dir/given/." "$work/"
args=()
[ -f "$case_dir/args" ] && mapfile -t args < "$case_dir/args"
answers=/dev/null
[ -f "$case_dir/answers" ] && answers="$case_dir/answers"
out="$case_dir/stdout"
grep -qx stdout-to-dev-full <<<"$flags" && out=/dev/full
grep -qx stdout-closed <<<"$flags" && out=/dev/null  # replaced by >&- below
grep -qx file-size-limit <<<"$flags" && out=/dev/null
limit=""
grep -qx file-size-limit <<<"$flags" && limit="ulimit -f 2 && trap '' XFSZ &&"
lock=()
grep -qx evt-info-locked <<<"$flags" && lock=(flock "$work/evt_info.txt")
set +e
if grep -qx stderr-to-stdout <<<"$flags"; then
  (cd "$work" && "$binary" "${args[@]}" < "$answers" > "$out" 2>&1)
  echo $? > "$case_dir/status"
  : > "$case_dir/stderr"
elif grep -qx stdout-closed <<<"$flags"; then
  (cd "$work" && "$binary" "${args[@]}" < "$answers" >&- 2> "$case_dir/stderr")
  echo $? > "$case_dir/status"
  rm -f "$case_dir/stdout"
else
  (cd "$work" && "${lock[@]}" sh -c "$limit \"\$0\" \"\$@\"" "$binary" "${args[@]}" < "$answers" > "$out" 2> "$case_dir/stderr")
  echo $? > "$case_dir/status"
  [ "$out" = /dev/null ] && rm -f "$case_dir/stdout"
fi
set -e
rm -rf "$case_dir/expected"
mkdir "$case_dir/expected"
cp -a "$work/." "$case_dir/expected/"
find "$case_dir/expected" -type d -empty -delete
rm -rf "$work" "$io"
echo "recorded $(basename "$case_dir"): status $(cat "$case_dir/status")"
