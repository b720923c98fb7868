# File names as Windows compares them: upper-cased, and never as a pattern. For the scripts that
# write into an author's folder (make-disc). Windows upper-cases each character on its own, by
# its table; bash's ${x^^} does the same through the C library's towupper under C.UTF-8 (so
# σ and ς both give Σ, and ß stays ß as on Windows). The caller sets LC_ALL=C.UTF-8.

# find_name FOLDER NAME: prints FOLDER/ENTRY for the entry whose name is NAME but for case; nothing
# when there is none. [1], * and ? in NAME are plain characters.
find_name() {
  local entry name want=${2^^}
  for entry in "$1"/* "$1"/.[!.]* "$1"/..?*; do
    [ -e "$entry" ] || [ -L "$entry" ] || continue # a pattern that matched nothing
    name=${entry##*/}
    if [ "${name^^}" = "$want" ]; then
      printf '%s\n' "$entry"
      return 0
    fi
  done
}

# case_clashes FOLDER LIST: writes to LIST every pair of paths below FOLDER that Windows would
# take as one ("Docs and docs"), each pair ended by a NUL; false when the folder cannot be listed.
case_clashes() {
  local folder=$1 list=$2 path key
  local -A seen=()
  find "$folder" -mindepth 1 -printf '%P\0' >"$list.all" || return 1
  : >"$list"
  while IFS= read -r -d '' path; do
    key=${path^^}
    if [ -n "${seen[$key]+set}" ]; then
      printf '%s and %s\0' "${seen[$key]}" "$path" >>"$list"
    else
      seen[$key]=$path
    fi
  done <"$list.all"
  rm -f "$list.all"
}

# visible_lines: records ended by NULs in, one line each out, in UTF-8: a byte that is no UTF-8
# and a control character are shown as \xHH, as lanterpick-check shows them, so a name with a
# line break or an escape sequence in it stays one line and cannot act on the terminal.
visible_lines() {
  perl -0 -ne 'use Encode;
    chomp;
    my $text = decode("UTF-8", $_, sub { sprintf "\\x%02X", shift });
    $text =~ s/([\x00-\x1F\x7F-\x9F])/sprintf "\\x%02X", ord $1/ge;
    print encode("UTF-8", $text), "\n";'
}
