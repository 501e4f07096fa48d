# Shared by scripts/test, scripts/run and the other scripts: packages, the Wine
# prefix, a private X server and a persistent wineserver. Source it; it defines
# functions only. Everything started here is stopped by ombrel_stop_all.

OMBREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
OMBREL_BUILD=${OMBREL_BUILD:-$OMBREL_ROOT/build}
export WINEPREFIX=${WINEPREFIX_OVERRIDE:-$OMBREL_BUILD/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
OMBREL_PIDS=()

ombrel_log() { printf '== %s\n' "$*" >&2; }

# Debian packages the build and the tests need, by the command or file that shows
# each is there.
ombrel_install_packages() {
  local want=() check
  declare -A need=(
    [x86_64-w64-mingw32-g++-posix]="g++-mingw-w64-x86-64-posix mingw-w64"
    [wine]="wine64 wine"
    [Xvfb]="xvfb xauth"
    [cmake]="cmake"
    [g++]="g++"
    [python3]="python3"
    [clang-format]="clang-format"
    [clang++]="clang"
    [convert]="imagemagick"
    [zip]="zip unzip"
    [makensis]="nsis"
    [iconv]="libc-bin"
    [xdpyinfo]="x11-utils"
    [xsetroot]="x11-xserver-utils"
  )
  for check in "${!need[@]}"; do
    command -v "$check" >/dev/null 2>&1 || want+=(${need[$check]})
  done
  # imagemagick's real convert, not a stand-in elsewhere on PATH
  [ -x /usr/bin/convert ] || want+=(imagemagick)
  [ -d /usr/src/googletest ] || want+=(googletest)
  [ -f /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf ] || want+=(fonts-ipafont-gothic)
  [ -d /usr/share/fonts/truetype/liberation ] || want+=(fonts-liberation)
  ls /usr/lib/llvm-14/lib/clang/14*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || want+=(libclang-rt-14-dev)
  if [ ${#want[@]} -gt 0 ]; then
    ombrel_log "installing: ${want[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >&2
    apt-get install -y -qq "${want[@]}" >&2
  fi
}

# A private prefix inside the build tree: Japanese font stand-ins, 96 dpi, and
# unmanaged windows (without a window manager, closing a managed dialog takes 2 s).
ombrel_prefix() {
  # Bump the stamp when the settings below change: existing prefixes then get them.
  local stamp="$WINEPREFIX/.ombrel-ready-2"
  if [ -f "$stamp" ]; then return 0; fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    ombrel_log "making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
  fi
  local f
  # Japanese Windows fonts, and the ones behind GDI+'s generic sans-serif family.
  for f in Meiryo メイリオ "MS UI Gothic" "MS Gothic" "ＭＳ ゴシック" "MS PGothic"; do
    ombrel_reg_font "$f" IPAGothic
  done
  ombrel_reg_font "Times New Roman" "Liberation Serif"
  ombrel_reg_font "Lucida Console" "Liberation Mono"
  ombrel_reg_font "Microsoft Sans Serif" "Liberation Sans"
  ombrel_reg_font "Arial" "Liberation Sans"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}

ombrel_reg_font() { # name replacement
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
}

ombrel_free_display() {
  local n=${1:-90}
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}

# A headless X server of our own, 1920 x 1080, on a free display number, with a
# desktop colour that no window of the program uses. Its PID is in OMBREL_XVFB_PID.
ombrel_start_xvfb() {
  local n
  n=$(ombrel_free_display "${1:-90}")
  Xvfb ":$n" -screen 0 1920x1080x24 -noreset -nolisten tcp >/dev/null 2>&1 </dev/null &
  OMBREL_XVFB_PID=$!
  OMBREL_PIDS+=($!)
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    if [ -e "/tmp/.X11-unix/X$n" ] && xdpyinfo >/dev/null 2>&1; then
      xsetroot -solid '#3a6ea5'
      return 0
    fi
    sleep 0.05
  done
  ombrel_log "Xvfb did not start on :$n"
  return 1
}

# Stops the X server that ombrel_start_xvfb started last, before the others.
ombrel_stop_xvfb() {
  kill "$OMBREL_XVFB_PID" 2>/dev/null || true
  wait "$OMBREL_XVFB_PID" 2>/dev/null || true
  local pid keep=()
  for pid in "${OMBREL_PIDS[@]}"; do
    [ "$pid" = "$OMBREL_XVFB_PID" ] || keep+=("$pid")
  done
  OMBREL_PIDS=("${keep[@]}")
}

# A persistent wineserver, so that each Wine process starts in a tenth of a second.
# Its streams go to /dev/null: otherwise it keeps CTest's output pipe open.
ombrel_start_wineserver() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
  wineserver -p >/dev/null 2>&1 </dev/null
  setarch x86_64 -R wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

ombrel_stop_all() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
  local pid
  for pid in "${OMBREL_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  OMBREL_PIDS=()
}

ombrel_configure_build() { # preset
  local preset=$1
  cd "$OMBREL_ROOT"
  if [ ! -f "$OMBREL_BUILD/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" -B "$OMBREL_BUILD/$preset" >&2
  fi
  cmake --build "$OMBREL_BUILD/$preset" -j2 >&2
}
