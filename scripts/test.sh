#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test under
# Wine on a private headless desktop. Ends with ctest's summary line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
echo "== setting up the machine" >&2
arch=$("$root/scripts/setup.sh" | tail -n 1)
build=${KORV_BUILD_DIR:-$root/build/$arch}
echo "== building for $arch in $build" >&2
mkdir -p "$(dirname "$build")"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
      -DKORV_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release >"$build.configure.log" 2>&1 \
  || { cat "$build.configure.log" >&2; echo "configure failed" >&2; exit 1; }
cmake --build "$build" -j"$(nproc)"
echo "== running the tests" >&2
cd "$build"
ctest --output-on-failure "$@"
