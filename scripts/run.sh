#!/usr/bin/env bash
# Installs what is missing, builds Korvane and runs it on a Wine virtual
# desktop with a taskbar (1024x768). With DISPLAY set the desktop opens on
# your display; without one it runs headless on a private Xvfb display.
# Stop it with Ctrl+C.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
say() { echo "korvane: $*" >&2; }
fail() { say "error: $*"; exit 1; }

say "checking and installing packages"
arch=$("$root/scripts/setup.sh" | tail -n 1) || fail "could not install the packages (see above)"
build=${KORV_BUILD_DIR:-$root/build/$arch}
mkdir -p "$(dirname "$build")"

say "building for $arch in $build"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
      -DKORV_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release >"$build.configure.log" 2>&1 \
  || { cat "$build.configure.log" >&2; fail "the build could not be configured"; }
cmake --build "$build" -j"$(nproc)" --target Korvane walkthrough >"$build.build.log" 2>&1 \
  || { tail -n 40 "$build.build.log" >&2; fail "the build broke"; }
exe="$build/bin/Korvane.exe"
[ -f "$exe" ] || fail "no $exe after the build"

xvfb_pid=
headless=
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

if [ -z "${DISPLAY:-}" ]; then
  say "no DISPLAY: starting a private headless Xvfb display"
  fdfile=$(mktemp)
  exec 3>"$fdfile"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  exec 3>&-
  num=$(tr -dc 0-9 <"$fdfile"); rm -f "$fdfile"
  [ -n "$num" ] || fail "Xvfb did not start"
  export DISPLAY=:$num
  headless=1
fi
xdpyinfo >/dev/null 2>&1 || xdotool getmouselocation >/dev/null 2>&1 || fail "cannot open display $DISPLAY"

export WINEPREFIX=$build/run-prefix
export WINEARCH=$([ "$arch" = x86_64 ] && echo win64 || echo win32)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/$([ "$arch" = x86_64 ] && echo wine64 || echo wine)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  say "creating the Wine prefix $WINEPREFIX (once; about a minute)"
  "$wine" wineboot -i >/dev/null 2>&1 </dev/null || fail "wineboot failed"
  wineserver -w
fi

winpath() { local p=${1//\//\\}; echo "Z:$p"; }
if [ -z "$headless" ]; then
  say "starting the Wine desktop with Korvane on display $DISPLAY"
  say "move the mouse over the Start button's left half and click it; Ctrl+C stops"
  "$wine" explorer /desktop=shell,1024x768 "$(winpath "$exe")"
  exit 0
fi

# No display to look at: walk the main gestures on the private display and
# keep a screenshot of each step.
shots=$build/screenshots/$(date +%Y%m%d-%H%M%S)
mkdir -p "$shots"
say "starting the Wine desktop with Korvane on the headless display $DISPLAY"
"$wine" explorer /desktop=shell,1024x768 "$(winpath "$exe")" >/dev/null 2>&1 </dev/null &
say "walking the main gestures with the mouse, a screenshot per step:"
"$wine" explorer /desktop=shell,1024x768 "$(winpath "$build/bin/walkthrough.exe")" "$shots" </dev/null >/dev/null 2>&1 &
for _ in $(seq 180); do [ -f "$shots/done" ] && break; sleep 1; done
[ -f "$shots/done" ] || fail "the walk did not finish within 3 minutes; screenshots so far are in $shots"
failures=$(cat "$shots/done"); rm -f "$shots/done"
[ "$failures" = 0 ] || fail "$failures step(s) of the walk failed; screenshots are in $shots"
sed "s/^/  /" "$shots/walk.log" >&2
say "done: the screenshots are in $shots"
