#!/usr/bin/env bash
# Stops what bench-up.sh started, and nothing else: the Wine processes of
# the bench's own prefix, then its Xvfb.
# Usage: bench-down.sh BENCH_DIR
bench=${1:?bench folder}
[ -f "$bench/env" ] || exit 0
. "$bench/env"
wineserver -k >/dev/null 2>&1 || true
if [ -f "$bench/xvfb.pid" ]; then
  pid=$(cat "$bench/xvfb.pid")
  if kill -0 "$pid" 2>/dev/null && grep -q Xvfb "/proc/$pid/cmdline" 2>/dev/null; then
    kill "$pid"
  fi
  rm -f "$bench/xvfb.pid"
fi
exit 0
