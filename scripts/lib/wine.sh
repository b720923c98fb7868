# Shared by the scripts that run Windows programs: a private Wine prefix under build/, one Xvfb
# display when there is none, and one persistent wineserver, all stopped again on exit.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX="$root/build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8
export LC_ALL=C.UTF-8

started_xvfb=""

wine_path() { # a Unix path as Windows sees it on drive Z:
  local path
  path=$(readlink -f "$1")
  printf 'Z:%s' "${path//\//\\}"
}

display_answers() { # a local display whose socket is there
  local n=${DISPLAY:-}
  n=${n#*:}
  n=${n%%.*}
  [ -n "$n" ] && [ -e "/tmp/.X11-unix/X$n" ]
}

start_display() {
  display_answers && return 0
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  started_xvfb=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}

prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.lanterpick-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # No crash dialog, and windows not managed, so a process ends as its last window closes.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.lanterpick-ready"
  fi
  wineserver -p
}

stop_wine() {
  wineserver -k 2>/dev/null || true
  if [ -n "$started_xvfb" ]; then
    kill "$started_xvfb" 2>/dev/null || true
    wait "$started_xvfb" 2>/dev/null || true
  fi
}
