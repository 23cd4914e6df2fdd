#!/usr/bin/env bash
# Installs everything Korvane's build, tests and run need on a Debian 12
# machine, and works out which Windows target this machine can run.
# Idempotent: quick when everything is already there.
# Prints the chosen target (i686 or x86_64) on its last line.
set -euo pipefail

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Can this kernel run 32-bit x86 programs? Some hosts run 64-bit user code
# only; there 32-bit Wine cannot start and we build for x86_64 instead.
can_run_i386() {
  local probe
  probe=$(mktemp)
  # A 93-byte ELF32 program: exit(0) through int 0x80.
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\000\061\333\315\200' >"$probe"
  chmod +x "$probe"
  local ok=1
  "$probe" 2>/dev/null && ok=0
  rm -f "$probe"
  return $ok
}

arch=${KORV_ARCH:-}
if [ -z "$arch" ]; then
  if can_run_i386; then arch=i686; else arch=x86_64; fi
fi

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have make || need+=(make)
have python3 || need+=(python3)
have Xvfb || need+=(xvfb)
have xdotool || need+=(xdotool)
have convert || need+=(imagemagick)
have zip || need+=(zip)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
have ${arch}-w64-mingw32-g++-posix || need+=(g++-mingw-w64-${arch//_/-}-posix)
have ${arch}-w64-mingw32-windres || need+=(binutils-mingw-w64-${arch//_/-})
if [ "$arch" = i686 ]; then
  [ -x /usr/lib/wine/wine ] || need+=(wine wine32:i386)
else
  [ -x /usr/lib/wine/wine64 ] || need+=(wine wine64)
fi

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}" >&2
  if [ "$arch" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -qq >&2
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >&2
fi
echo "$arch"
