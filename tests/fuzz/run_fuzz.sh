#!/usr/bin/env bash
# Runs the serializer fuzz target for a few seconds on a copy of the seed
# corpus in a private temp folder. Usage: run_fuzz.sh <binary> <seeds> <seconds>
set -euo pipefail
binary="$1"
seeds="$2"
seconds="${3:-20}"
work="$(mktemp -d "${TMPDIR:-/tmp}/corvidale_fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
cp "$seeds"/* "$work/corpus/"
export CORVIDALE_FUZZ_DIR="$work"
status=0
"$binary" -max_total_time="$seconds" -timeout=5 -max_len=4096 -rss_limit_mb=2048 \
  -artifact_prefix="$work/" "$work/corpus" || status=$?
if [ "$status" -ne 0 ]; then
  # Keep whatever input broke the reader beside the test's working folder.
  cp "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$work"/leak-* . 2>/dev/null || true
  echo "Error: serializer fuzzing failed (status $status); inputs copied to $(pwd)" >&2
fi
exit "$status"
