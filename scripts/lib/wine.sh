# Shared by the scripts that run Windows programs: which Wine this machine can run, a private
# prefix under build/, one Xvfb display when there is none, and one persistent wineserver, all
# stopped again on exit.
#
# The shipped exe is 32-bit, and it is what runs wherever it can: natively, or through qemu-user
# where the kernel refuses 32-bit programs. Only where neither runs do the same sources built for
# x64 stand in for it under Wine's 64-bit loader. LANTERPICK_WINE_ARCH=win32, win32-qemu or win64
# forces one of them.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/lib/binfmt.sh"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8
export LC_ALL=C.UTF-8

started_xvfb=""
wine_arch=""  # win32 (natively or through qemu) or win64, once choose_wine has decided
wine_line=""  # the one line that says which, and why
wine_cmd=""   # the loader to start Windows programs with
win=""        # the build folder of the programs run under Wine

use_wine_arch() {
  export WINEARCH=$1
  if [ "$1" = win32 ]; then
    wine_cmd=/usr/bin/wine
    win="$root/build/win"
    export WINEPREFIX="$root/build/wineprefix"
    unset WINELOADER
  else
    # /usr/bin/wine would pick the 32-bit loader whenever it is installed, even where it cannot run.
    wine_cmd=/usr/lib/wine/wine64
    win="$root/build/win64"
    export WINEPREFIX="$root/build/wineprefix64"
    export WINELOADER=$wine_cmd
  fi
}

# Why 32-bit Windows code cannot run here, printed; false when it runs. The loader starting is not
# enough: a small 32-bit console program the build makes must run and answer in the prefix.
why_32bit_cannot_run() {
  local why
  if [ ! -e /usr/lib/wine/wine ]; then
    echo "32-bit Wine is not installed"
  elif why=$(loader_failure /usr/lib/wine/wine --version); then
    echo "this machine cannot run 32-bit programs: $why"
  elif ! why=$("$root/scripts/build-exe" win32 2>&1 >/dev/null); then
    echo "the 32-bit build failed: ${why##*$'\n'}"
  else
    use_wine_arch win32
    local answer="Wine could not make a 32-bit prefix"
    if make_prefix >/dev/null 2>&1; then
      answer=$(timeout 60 "$wine_cmd" "$win/lanterpick-check.exe" --help 2>&1)
      wineserver -k 2>/dev/null || true
    fi
    case "$answer" in
      *"usage: lanterpick-check"*) return 1 ;;
      *) echo "32-bit Windows code did not run: ${answer:-no answer}" | head -1 ;;
    esac
  fi
}

# 32-bit Windows code through qemu-user, where install-deps registered it: false, saying why,
# when it cannot run so.
why_qemu_cannot_run() {
  local why
  why=$(qemu_version) || { echo "$why"; return 0; }
  if ! binfmt_has "$i386_entry"; then
    why=$(binfmt_ready) &&
      why="qemu-i386 is not registered in binfmt_misc as $i386_entry (scripts/install-deps does it)"
    echo "$why"
    return 0
  fi
  why_32bit_cannot_run
}

# The forced path: qemu-user even where the kernel runs 32-bit programs. Without install-deps'
# entry it registers qemu for this run, in this shell so that the entry outlives the attempt, and
# removes it on exit. False, with the reason in forced_why, when 32-bit code cannot run so.
forced_why=""
forced_qemu_runs() {
  forced_why=$(qemu_version) || return 1
  if ! binfmt_has "$i386_entry"; then
    register_for_run || { forced_why=$run_why; return 1; }
    on_exit release_run_entry
  fi
  ! forced_why=$(why_32bit_cannot_run)
}

# Adds COMMAND to what this shell runs on exit, after what is there already.
on_exit() {
  local now
  now=$(trap -p EXIT)
  now=${now#"trap -- '"}
  now=${now%"' EXIT"}
  # shellcheck disable=SC2064 # what runs now is spelled out now
  trap "${now:+$now; }$1" EXIT
}

use_stand_in() { # REASON
  wine_arch=win64
  wine_line="Wine: 64-bit stand-in ($1)"
}

refuse() { # WHY: the asked-for Wine cannot run
  wine_line="Wine: $1"
  echo "$wine_line" >&2
  return 1
}

# Decides by real attempts which Wine runs here, in this order: 32-bit natively; 32-bit through
# qemu-user where the kernel refuses 32-bit programs; the x64 stand-in where neither runs, saying
# why. False, with the reason on stderr, when the asked-for Wine cannot run. Sets wine_arch,
# wine_line, wine_cmd, win and the Wine variables.
choose_wine() {
  local forced=${LANTERPICK_WINE_ARCH:-} refused="" why=""
  case "$forced" in
    "" | win32 | win32-qemu | win64) ;;
    *)
      echo "LANTERPICK_WINE_ARCH must be win32, win32-qemu or win64, not \"$forced\"" >&2
      return 1
      ;;
  esac
  wine_arch=win32
  if [ "$forced" = win64 ]; then
    use_stand_in "asked for by LANTERPICK_WINE_ARCH=win64"
  elif [ "$forced" = win32-qemu ]; then
    forced_qemu_runs || { refuse "32-bit through qemu-user was asked for, but $forced_why"; return 1; }
    wine_line="Wine: 32-bit through $(qemu_version) (asked for by LANTERPICK_WINE_ARCH=win32-qemu)"
  elif ! refused=$(kernel_refuses_32bit "$root/build"); then
    if why=$(why_32bit_cannot_run); then
      [ "$forced" != win32 ] || refuse "32-bit was asked for, but $why" || return 1
      use_stand_in "$why"
    else
      wine_line="Wine: 32-bit (this kernel runs 32-bit programs)"
      # another run forced through qemu sends every 32-bit program through it while it lasts
      ! binfmt_has "$i386_run_entry" ||
        wine_line+=", for now through qemu-i386: a run forced through it registered $i386_run_entry"
    fi
  elif why=$(why_qemu_cannot_run); then
    why="this kernel refuses 32-bit programs ($refused), and through qemu-user: $why"
    [ "$forced" != win32 ] || refuse "32-bit was asked for, but $why" || return 1
    use_stand_in "$why"
  else
    wine_line="Wine: 32-bit through $(qemu_version) (this kernel refuses 32-bit programs)"
  fi

  use_wine_arch "$wine_arch"
  if [ "$wine_arch" = win64 ] && why=$(loader_failure "$wine_cmd" --version); then
    refuse "none (the 64-bit loader does not start either: $why)"
    return 1
  fi
}

run_wine() {
  "$wine_cmd" "$@"
}

# Builds the programs that run under the chosen Wine, and the shipped 32-bit exe in any case.
build_for_wine() {
  "$root/scripts/build-exe" win32
  [ "$wine_arch" = win32 ] || "$root/scripts/build-exe" "$wine_arch"
}

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
  echo "Xvfb did not start on display :$n" >&2
  return 1
}

# Makes the private prefix once; false, with the end of wineboot's log, when Wine cannot.
# Debian's Wine computes its data folder as /usr/lib/wine/../../share/wine and does not find its
# own fonts there, so dialogs fall back to a Unix font and caption buttons, drawn with Marlett,
# come out as the letters "0 1 r". Fonts in the prefix's C:\windows\Fonts are found: Tahoma for
# "MS Shell Dlg", as on Windows.
make_prefix() {
  [ -f "$WINEPREFIX/.lanterpick-ready-2" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  local log="$root/build/wineboot-$WINEARCH.log"
  if ! run_wine wineboot -i >"$log" 2>&1 || ! wineserver -w; then
    echo "Wine could not make its prefix $WINEPREFIX; the end of $log:" >&2
    tail -15 "$log" >&2
    return 1
  fi
  # No crash dialog, and windows not managed, so a process ends as its last window closes. The
  # prefix is marked ready only when every step did its part (the callers may run without -e).
  if ! run_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$log" 2>&1 ||
    ! run_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$log" 2>&1 ||
    ! cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" >>"$log" 2>&1 ||
    ! wineserver -w; then
    echo "Wine made its prefix $WINEPREFIX, but setting it up failed; the end of $log:" >&2
    tail -15 "$log" >&2
    return 1
  fi
  touch "$WINEPREFIX/.lanterpick-ready-2"
}

prepare_prefix() {
  make_prefix || { echo "$wine_line" >&2; return 1; }
  wineserver -p
}

stop_wine() {
  [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
  if [ -n "$started_xvfb" ]; then
    kill "$started_xvfb" 2>/dev/null || true
    wait "$started_xvfb" 2>/dev/null || true
  fi
  release_run_entry
  return 0
}
