# Whether a file is a whole 32-bit Windows GUI program, read from its PE header. For make-disc,
# which keeps an author's own NAME.exe only when it is one.

# le FILE OFFSET BYTES: the little-endian number of 1, 2 or 4 bytes at OFFSET; empty past the end.
le() {
  od -An -t "u$3" -j "$2" -N "$3" --endian=little "$1" 2>/dev/null | tr -d ' \n'
}

# exe_problem FILE: prints why FILE is no whole 32-bit Windows GUI program ("empty", "a folder",
# "not a Windows program", "a DLL, not a program", ...); prints nothing when it is one.
exe_problem() {
  local file=$1 size pe machine flags sections optional magic subsystem table i end cert_at cert_size
  if [ -d "$file" ]; then echo "a folder"; return; fi
  if [ ! -f "$file" ]; then echo "not a file"; return; fi
  if [ ! -r "$file" ]; then echo "unreadable"; return; fi
  size=$(stat -L -c %s "$file")
  if [ "$size" -eq 0 ]; then echo "empty"; return; fi
  pe=$(le "$file" 60 4)
  if [ "$(head -c 2 "$file")" != MZ ] || [ -z "$pe" ] || [ $((pe + 24)) -gt "$size" ] ||
    [ "$(od -An -c -j "$pe" -N 4 "$file" | tr -d ' ')" != 'PE\0\0' ]; then
    echo "not a Windows program"
    return
  fi
  machine=$(le "$file" $((pe + 4)) 2)
  sections=$(le "$file" $((pe + 6)) 2)
  flags=$(le "$file" $((pe + 22)) 2)
  optional=$(le "$file" $((pe + 20)) 2)
  magic=$(le "$file" $((pe + 24)) 2)
  subsystem=$(le "$file" $((pe + 24 + 68)) 2)
  if [ "$machine" != 332 ] || [ "$magic" != 267 ]; then
    printf 'not a 32-bit Windows program (machine 0x%x)\n' "$machine"
    return
  fi
  # Windows starts only an image marked executable, and never a DLL (IMAGE_FILE_DLL, 0x2000).
  if (((flags & 0x2000) != 0)); then
    echo "a DLL, not a program"
    return
  fi
  if (((flags & 0x0002) == 0)); then
    echo "not a program: its header lacks the executable-image mark (IMAGE_FILE_EXECUTABLE_IMAGE)"
    return
  fi
  if [ "$subsystem" != 2 ]; then
    echo "not a Windows GUI program (subsystem ${subsystem:-missing}; 2 is the GUI)"
    return
  fi
  # The sections and an appended signature must all be in the file: a copy cut short is not.
  end=$((pe + 24 + optional + 40 * sections))
  table=$((pe + 24 + optional))
  for ((i = 0; i < sections; i++)); do
    local raw_size raw_at
    raw_size=$(le "$file" $((table + 40 * i + 16)) 4)
    raw_at=$(le "$file" $((table + 40 * i + 20)) 4)
    [ -n "$raw_size" ] && [ -n "$raw_at" ] || { end=$((size + 1)); break; }
    [ $((raw_at + raw_size)) -le "$end" ] || end=$((raw_at + raw_size))
  done
  cert_at=$(le "$file" $((pe + 24 + 128)) 4)
  cert_size=$(le "$file" $((pe + 24 + 132)) 4)
  if [ "${cert_size:-0}" -gt 0 ] && [ $((cert_at + cert_size)) -gt "$end" ]; then
    end=$((cert_at + cert_size))
  fi
  [ "$end" -le "$size" ] || echo "cut short: its header calls for $end bytes, it has $size"
}
