#!/usr/bin/env bash
# Brings up the test bench for one ctest run: a private Xvfb display on a
# free display number, a fresh 32-bit Wine prefix under the build folder,
# and Wine's virtual desktop "shell" (1024x768, with taskbar and Start
# button) on which every test program then runs.
# Usage: bench-up.sh BENCH_DIR ARCH   (ARCH: i686 or x86_64, as built)
set -euo pipefail
bench=${1:?bench folder}
arch=${2:?target arch}
here=$(cd "$(dirname "$0")" && pwd)

"$here/bench-down.sh" "$bench" >/dev/null 2>&1 || true
rm -rf "$bench"
mkdir -p "$bench"

# Xvfb picks a display number nobody uses and tells us through a pipe.
exec 3>"$bench/display.fd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$bench/xvfb.log" 2>&1 </dev/null &
echo $! >"$bench/xvfb.pid"
for _ in $(seq 100); do [ -s "$bench/display.fd" ] && break; sleep 0.1; done
exec 3>&-
num=$(tr -dc 0-9 <"$bench/display.fd")
[ -n "$num" ] || { echo "Xvfb did not start: $(cat "$bench/xvfb.log")" >&2; exit 1; }

cat >"$bench/env" <<ENV
export DISPLAY=:$num
export WINEPREFIX=$bench/prefix
export WINEARCH=$([ "$arch" = x86_64 ] && echo win64 || echo win32)
export KORV_WINE=/usr/lib/wine/$([ "$arch" = x86_64 ] && echo wine64 || echo wine)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
ENV
. "$bench/env"

echo "bench: display $DISPLAY, prefix $WINEPREFIX"
start=$(date +%s)
"$KORV_WINE" wineboot -i >"$bench/wineboot.log" 2>&1 </dev/null
wineserver -w
echo "bench: prefix made in $(( $(date +%s) - start ))s"

# Every program of this prefix runs on the virtual desktop "shell", which
# has a taskbar.
cat >"$bench/desktop.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1024x768"
REG
"$KORV_WINE" regedit /S "$bench/desktop.reg" >>"$bench/wineboot.log" 2>&1 </dev/null
wineserver -w

# Keep the server up between tests, and bring the desktop up once. Nothing
# left running may hold our output open, or ctest would wait for it.
wineserver -p >>"$bench/wineboot.log" 2>&1 </dev/null
"$KORV_WINE" explorer /desktop=shell,1024x768 >"$bench/desktop.log" 2>&1 </dev/null &
echo $! >"$bench/desktop.pid"
for _ in $(seq 100); do
  xdotool search --name "Wine desktop" >/dev/null 2>&1 && break
  sleep 0.2
done
xdotool search --name "Wine desktop" >/dev/null 2>&1 || { echo "the Wine desktop did not come up" >&2; exit 1; }
echo "bench: desktop up after $(( $(date +%s) - start ))s"
