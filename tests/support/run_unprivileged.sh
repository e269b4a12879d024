#!/usr/bin/env bash
# Runs a test program as the unprivileged user nobody, for the tests of what file
# permissions refuse (root is refused nothing). Linux only.
# Usage: run_unprivileged.sh PROGRAM [ARGUMENTS...]; exits 77 (skipped) where privileges
# cannot be dropped: not root, no setpriv, or no user nobody.
set -euo pipefail

program=$1
shift
if [[ $(id -u) -ne 0 ]] || ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
  echo "skipped: dropping to the user nobody needs root, setpriv and that user" >&2
  exit 77
fi

# The build folder may be closed to other users: run a copy from a folder nobody can read,
# with a temporary folder of nobody's own.
copy=$(mktemp -d)
scratch=$(mktemp -d)
trap 'rm -rf "$copy" "$scratch"' EXIT
cp "$program" "$copy/"
chmod 755 "$copy" "$copy/$(basename "$program")"
chown nobody:nogroup "$scratch"

cd "$scratch"
TMPDIR=$scratch HOME=$scratch setpriv --reuid=nobody --regid=nogroup --clear-groups \
  "$copy/$(basename "$program")" "$@"
