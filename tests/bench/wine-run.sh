#!/usr/bin/env bash
# Runs one Windows program on the test bench (see bench-up.sh). ctest calls
# this for every test executable, with KORV_BENCH naming the bench folder.
bench=${KORV_BENCH:-}
if [ -z "$bench" ] || [ ! -f "$bench/env" ]; then
  echo "wine-run.sh: no test bench (KORV_BENCH=$bench); run the tests through ctest" >&2
  exit 2
fi
. "$bench/env"
exec "$KORV_WINE" "$@"
