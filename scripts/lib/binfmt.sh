# Running 32-bit programs through qemu-user where the kernel refuses them: the kernel's own
# answer, and the project's entries for i386 ELF in binfmt_misc (shared by install-deps and Wine).

binfmt=/proc/sys/fs/binfmt_misc
i386_entry=lanterpick-i386         # install-deps' entry, only where the kernel refuses 32-bit
i386_run_entry=lanterpick-i386-run # a forced run's entry, removed again when the run ends
qemu_i386=/usr/bin/qemu-i386
i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
i386_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

# Why the loader could not start: the last part of what the shell said ("Exec format error").
loader_failure() {
  local said
  said=$("$@" 2>&1 >/dev/null) && return 1
  said=${said%%$'\n'*}
  printf '%s' "${said##*: }"
}

# Why this kernel refuses 32-bit programs, printed; false when it runs them. The attempt starts a
# copy of the 32-bit loader (in the folder DIR, else the temporary folder) with a padding byte of
# its ELF header set: the kernel ignores that byte, but no binfmt_misc entry for i386 matches it,
# so qemu cannot answer. Without 32-bit libraries or a copy it cannot tell, and says nothing:
# the attempt to run 32-bit Wine decides then.
kernel_refuses_32bit() {
  local copy why=""
  [ -e /lib/ld-linux.so.2 ] || return 1
  mkdir -p "$1" 2>/dev/null
  copy=$(mktemp "$1/ld-linux-XXXXXX" 2>/dev/null || mktemp) || return 1
  if cp /lib/ld-linux.so.2 "$copy" && chmod 755 "$copy" &&
    printf '\x01' | dd of="$copy" bs=1 seek=15 conv=notrunc status=none; then
    why=$(loader_failure "$copy" --version) || why=""
  fi
  rm -f "$copy"
  [ -n "$why" ] && echo "$why"
}

# "qemu-i386 10.0" when qemu-user is installed and new enough to run Wine; false, saying why,
# when not. Bookworm's own 7.2 ignores MAP_FIXED_NOREPLACE, so Wine cannot place its shared data.
qemu_version() {
  local version
  [ -x "$qemu_i386" ] || { echo "qemu-i386 is not installed"; return 1; }
  version=$("$qemu_i386" --version | sed -nE '1s/^qemu-i386 version ([0-9]+)\.([0-9]+).*/\1.\2/p')
  case "$version" in
    "") echo "qemu-i386 does not tell its version"; return 1 ;;
    [0-9].*) echo "qemu-i386 $version is too old to run Wine (10.0 does)"; return 1 ;;
  esac
  echo "qemu-i386 $version"
}

# Mounts binfmt_misc where it is not mounted; false, saying why, where it cannot be mounted or
# written (an unprivileged container).
binfmt_ready() {
  local why
  if [ ! -e "$binfmt/register" ] && ! why=$(mount -t binfmt_misc binfmt_misc "$binfmt" 2>&1); then
    why=${why%%$'\n'*}
    echo "binfmt_misc cannot be mounted: ${why##*: }"
    return 1
  fi
  [ -w "$binfmt/register" ] || { echo "binfmt_misc cannot be written by this user"; return 1; }
}

# What binfmt_misc shows for an entry that runs i386 ELF through qemu-i386, fixed at registration.
i386_entry_text() {
  local magic mask
  magic=$(printf %b "$i386_magic" | od -An -tx1 | tr -d ' \n')
  mask=$(printf %b "$i386_mask" | od -An -tx1 | tr -d ' \n')
  printf 'enabled\ninterpreter %s\nflags: F\noffset 0\nmagic %s\nmask %s\n' \
    "$qemu_i386" "$magic" "$mask"
}

binfmt_has() { # NAME: the entry is there, enabled, and is the project's i386 entry
  [ -e "$binfmt/$1" ] && [ "$(cat "$binfmt/$1")" = "$(i386_entry_text)" ]
}

binfmt_remove() { # NAME: removes that entry, and nothing else
  [ ! -e "$binfmt/$1" ] || echo -1 >"$binfmt/$1"
}

# Registers qemu-i386 for i386 ELF as NAME with the F flag: the kernel opens qemu at registration,
# so every 32-bit child Wine starts goes through it too. Idempotent; a different entry of that
# name is replaced.
binfmt_register() {
  binfmt_has "$1" && return 0
  binfmt_remove "$1" || return 1
  printf ':%s:M::%s:%s:%s:F' "$1" "$i386_magic" "$i386_mask" "$qemu_i386" >"$binfmt/register" &&
    binfmt_has "$1"
}

run_lock=/run/lock/lanterpick-i386-run.lock
run_holder="" # the process holding the run lock, shared, while this run uses its entry

# Registers the forced run's entry for as long as this shell runs; false, with the reason in
# run_why, when it cannot. Each run holds a shared lock while it uses the entry (a helper process
# that ends with its shell), so a run that finds the lock free knows an entry there was left by a
# killed run, and only the last run to end removes it.
run_why=""
register_for_run() {
  local held owner=$BASHPID
  run_why=$(binfmt_ready) || return 1
  if ! (flock -n -x 9 || exit 0; binfmt_remove "$i386_run_entry") 9>"$run_lock"; then
    run_why="the stale entry $i386_run_entry in binfmt_misc could not be removed"
    return 1
  fi
  exec {held}< <(
    exec 9>"$run_lock"
    flock -s -w 60 9 && echo held && exec tail --pid="$owner" -f /dev/null </dev/null >/dev/null 2>&1
  )
  run_holder=$!
  if ! read -r -t 60 -u "$held" _; then
    exec {held}<&-
    run_why="$run_lock stayed locked for a minute"
    return 1
  fi
  exec {held}<&-
  binfmt_register "$i386_run_entry" ||
    { run_why="qemu-i386 could not be registered in binfmt_misc as $i386_run_entry"; return 1; }
}

# Ends this run's use of its entry: removed, unless another run still uses it.
release_run_entry() {
  [ -n "$run_holder" ] || return 0
  kill "$run_holder" 2>/dev/null || true
  wait "$run_holder" 2>/dev/null || true
  run_holder=""
  (flock -n -x 9 || exit 0; binfmt_remove "$i386_run_entry") 9>"$run_lock" ||
    echo "the entry $i386_run_entry could not be removed from binfmt_misc" >&2
}
