#!/usr/bin/env bash
# The repository tracks no file that its own .gitignore ignores: such a file
# is a build product or a cache that slipped in with a commit (an
# interpreter's byte-code, say), and it goes stale or shows as changed in a
# clean checkout. Only the .gitignore files count, not a developer's global
# excludes, so the verdict is the same on every machine.
# Usage: tracked_files.sh <source root>
# Exits 77, which CTest reports as a skip, where the source root is not a git
# checkout of its own (an unpacked archive) or git is missing.
set -euo pipefail
SKIP=77
[ "$#" -eq 1 ] || { echo "usage: $0 <source root>" >&2; exit 2; }

skip() {
  echo "SKIP: $*"
  exit "$SKIP"
}

command -v git >/dev/null || skip "git is missing"
ROOT="$(cd "$1" && pwd -P)"
# Read-only queries, so a checkout owned by another user is read as it is.
repo_git() { git -c safe.directory='*' -C "$ROOT" "$@"; }
TOP="$(repo_git rev-parse --show-toplevel 2>/dev/null)" || skip "$ROOT is not a git checkout"
[ "$(cd "$TOP" && pwd -P)" = "$ROOT" ] || skip "$ROOT is not a git checkout of its own (it lies in $TOP)"

IGNORED="$(repo_git ls-files --cached --ignored --exclude-per-directory=.gitignore)" ||
  { echo "FAIL: git could not list the tracked files of $ROOT"; exit 1; }
if [ -n "$IGNORED" ]; then
  echo "FAIL: the repository tracks files that its .gitignore ignores: $(echo "$IGNORED" | paste -sd ' ')"
  exit 1
fi
echo "PASS: no tracked file of $ROOT is ignored by its .gitignore"
