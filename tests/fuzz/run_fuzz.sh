#!/usr/bin/env bash
# Runs one fuzz target on a copy of its seeds in a private temp folder; the
# run is repeatable (fixed seed), so a slower machine runs a prefix of it.
# CORVIDALE_FUZZ_SECONDS replaces the given seconds, for longer runs.
# Usage: run_fuzz.sh <binary> <seconds> <max input bytes> <source root> <seed file or glob>...
set -euo pipefail
binary="$1"
seconds="${CORVIDALE_FUZZ_SECONDS:-$2}"
max_len="$3"
cd "$4"
shift 4
work="$(mktemp -d "${TMPDIR:-/tmp}/corvidale_fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
for seeds in $*; do
  for seed in $seeds $seeds/*; do [ -f "$seed" ] && cp "$seed" "$work/corpus/$(echo "$seed" | tr / _)"; done
done
export CORVIDALE_FUZZ_DIR="$work"
status=0
# One input's time limit catches a reader that hangs; it is generous, so a
# machine busy with other work does not pass for a slow reader.
"$binary" -seed=1 -max_total_time="$seconds" -timeout=30 -max_len="$max_len" -rss_limit_mb=2048 \
  -artifact_prefix="$work/" "$work/corpus" || status=$?
if [ "$status" -ne 0 ]; then
  # Keep whatever input broke the reader beside the test's working folder.
  cp "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$work"/leak-* "$OLDPWD" 2>/dev/null || true
  echo "Error: fuzzing $(basename "$binary") failed (status $status); inputs copied to $OLDPWD" >&2
fi
exit "$status"
