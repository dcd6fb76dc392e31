#!/usr/bin/env bash
# Runs one fuzzer over a scratch copy of its committed seed corpus, so the run never
# changes the committed files: fixed seed, fixed number of iterations. Flags after the
# third argument go to the fuzzer after its defaults, so they win.
set -euo pipefail
fuzzer=$1 corpus=$2 runs=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$corpus"/. "$scratch"/
exec "$fuzzer" -seed=1 -runs="$runs" -max_len=65536 -timeout=20 "$@" "$scratch"
