#!/usr/bin/env bash
# lanterpick-check from outside: its exit status, messages and findings for good and bad folders.
# Usage: cli_test.sh PATH-TO-lanterpick-check
set -uo pipefail
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS PATTERN -- ARGS...: the status and a line of stdout+stderr matching PATTERN
expect() {
  local status=$1 pattern=$2
  shift 3
  local out code
  out=$("$check" "$@" 2>&1)
  code=$?
  if [ "$code" -ne "$status" ] || ! grep -qE -- "$pattern" <<<"$out"; then
    echo "FAILED: lanterpick-check $* -> $code (wanted $status and /$pattern/)"
    sed 's/^/    /' <<<"$out"
    failures=$((failures + 1))
  fi
}

# expect_no_warnings FOLDER: exit 0 and no warning at all
expect_no_warnings() {
  local out code
  out=$("$check" "$1" 2>&1)
  code=$?
  if [ "$code" -ne 0 ] || grep -q 'Warnings' <<<"$out"; then
    echo "FAILED: lanterpick-check $1 -> $code, wanted 0 and no warnings"
    sed 's/^/    /' <<<"$out"
    failures=$((failures + 1))
  fi
}

# ini NAME: writes stdin as NAME/setup.ini beside a Readme.txt
ini() {
  mkdir -p "$work/$1"
  cat >"$work/$1/setup.ini"
  touch "$work/$1/Readme.txt"
}

mkdir -p "$work/good" "$work/bad" "$work/sizes" "$work/small" "$work/start/Docs" "$work/two" "$work/long" "$work/folder/sub" "$work/binary" "$work/pipe"
printf '[SystemSettings]\r\nWindowTitle=Good Disc\r\n[Files]\r\n"Readme.txt" "About"\r\n"Gone.pdf"\r\n' \
  >"$work/good/SETUP.INI"
echo x >"$work/good/readme.TXT"
printf '[SystemSettings]\nWindowTitle=\nOkButtonSize=99\n[Files]\n"a.txt"\nb.txt\n"c.txt" "d" "Maybe"\n' \
  >"$work/bad/setup.ini"
# An empty OkButtonSize keeps 24, so the sum is 94; with OK at 0 only Cancel's 4 counts.
printf '[SystemSettings]\nOkButtonSize=\nCancelButtonSize=70\n[Files]\n"a.txt"\n' >"$work/sizes/setup.ini"
printf '[SystemSettings]\nOkButtonSize=0\nCancelButtonSize=4\n' >"$work/small/setup.ini"
# The INI names the program; Windows opens Docs/Report.pdf, so only Gone.txt is missing.
printf '[Files]\r\n"Docs/Report.pdf"\r\n"Gone.txt"\r\n' >"$work/start/Start.ini"
touch "$work/start/Docs/Report.pdf" "$work/two/a.ini" "$work/two/B.INI"
printf '[SystemSettings]\nWindowTitle=%052d\n[Files]\n"a.txt"\n' 0 >"$work/long/setup.ini"
touch "$work/folder/b.txt" "$work/folder/A.txt" "$work/folder/.hidden" "$work/folder/old.log"
head -c 3000 /dev/urandom | tr -d '[' >"$work/binary/setup.ini"
mkfifo "$work/pipe/setup.ini"
touch "$work/pipe/a.txt"

expect 2 'which folder' --
expect 2 'unknown option --colour' -- --colour "$work/good"
expect 2 '--width takes a number' -- "$work/good" --width wide
expect 2 '--program needs a value' -- "$work/good" --program
expect 2 'without a folder' -- "$work/good" --program 'sub\Setup.exe'
expect 2 'one folder at a time' -- "$work/good" "$work/bad"
expect 2 'no such folder' -- "$work/missing"
expect 0 'usage: lanterpick-check' -- --help

expect 0 'Mode: +configuration \(setup.ini\)' -- "$work/good"
expect 0 'the dialog opens, titled "Good Disc"' -- "$work/good"
expect 0 '^  Readme.txt  -- About$' -- "$work/good"
expect 0 '\{"line": 5, "kind": "file-not-in-folder", "concerns": \["windows", "wine"\]' -- "$work/good" --json
expect 0 'Rows at 12 characters:' -- "$work/good" --width 12
expect 0 '"opens": true' -- "$work/good" --json
expect 0 '"text": "Readme.txt", "description": "About"' -- "$work/good" --json

expect 1 'line 2: \[Configuration Error\] WindowTitle has been left blank.' -- "$work/bad"
expect 1 'line 3: \[Configuration Error\] OkButtonSize is outside the permitted range' -- "$work/bad"
expect 1 'line 6: \[Syntax Error\] .*syntax error:\\nb.txt$' -- "$work/bad"
expect 1 'line 7: \[Syntax Error\]' -- "$work/bad"
expect 1 'Problems \(4\)' -- "$work/bad"
expect 1 '"message": \{"line": 2, "caption": "Configuration Error"' -- "$work/bad" --json

expect 1 'lines 2 and 3: \[Configuration Error\] The combined value' -- "$work/sizes"
expect 1 '"line": 2, "otherLine": 3, "caption"' -- "$work/sizes" --json
expect 1 '^  line 3: \[Configuration Error\] The combined value' -- "$work/small"
expect 1 '\{"line": null, "caption": "[^"]*", "text": "There are no files' -- "$work/small" --json

expect 0 '^Program: Start.exe \(the name Start.ini calls for' -- "$work/start"
expect 0 'Warnings \(2\)' -- "$work/start"
expect 0 '\{"line": 2, "kind": "slash-in-path", "concerns": \["windows", "wine"\]' -- "$work/start" --json
expect 1 'Strict: the warnings fail this check' -- "$work/start" --strict
expect 2 'several INI files \((a.ini, B.INI|B.INI, a.ini)\); say which with --program' -- "$work/two"
expect 0 '^Program: Setup.exe$' -- "$work/folder"
expect 1 'WindowTitle is longer than the maximum permitted length of 40. \(52 bytes; 12 over\)' -- "$work/long"

expect 0 'Mode: +folder' -- "$work/folder" --program Start.exe
expect 0 '^  A.txt$' -- "$work/folder" --program Start.exe
expect 0 '"rowsOpenFrom": "D:\\\\"' -- "$work/folder" --program Start.exe --json
expect 0 '^  .hidden: hidden$' -- "$work/folder" --program Start.exe
expect 0 '^  old.log: a housekeeping extension$' -- "$work/folder" --program Start.exe
expect 0 '^  sub: a folder$' -- "$work/folder" --program Start.exe
expect 1 'Expected to be run as an EXE.' -- "$work/folder" --program Start.com

expect 1 'NUL bytes|no files listed' -- "$work/binary"
expect 0 'Mode: +folder' -- "$work/pipe"  # a pipe is never opened, as it cannot be on Windows

# The reading warnings themselves are a unit table; here, what the command line makes of them.
utf16() { iconv -f utf-8 -t "$1" | { printf "$2"; cat; }; }
printf '\xEF\xBB\xBF[Files]\r\n"Readme.txt"\r\n' | ini bom
printf '\xEF\xBB\xBF; made in Notepad\r\n[Files]\r\n"Readme.txt"\r\n' | ini bomcomment
printf '[SystemSettings]\nOkButtonSize=0x10\n[Files]\n"Readme.txt"\n' | ini unknown
{ printf '[Files]\n"Readme.txt"\n'; for i in $(seq 1 150); do printf '[\n'; done; } | ini brackets
{ printf '[SystemSettings]\nWindowTitle='; head -c 70000 /dev/zero | tr '\0' x; printf '\n[Files]\n"Readme.txt"\n'; } |
  ini huge
{ printf '[Files]\n'; for i in $(seq 1 330); do printf '"Readme.txt" "%0100d"\n' "$i"; done; } | ini long

expect 1 'Under Wine it would open, titled "Launch File"' -- "$work/bom"
expect 0 '"platform": "wine",' -- "$work/bom" --platform wine --json
expect 1 '"underWine": \{"opens": true, "windowTitle": "Launch File"' -- "$work/bom" --json
expect 0 '^Notes \(1\):' -- "$work/bomcomment" --strict
expect 0 '"notes": \[$' -- "$work/bomcomment" --json
expect 1 '\{"line": 2, "kind": "number-with-base-prefix", "concerns": \["windows"\]' -- "$work/unknown" --strict --json
expect 0 '\{"line": 2, "kind": "number-with-base-prefix"' -- "$work/unknown" --strict --platform wine --json  # a note there
expect 0 '^  and 50 more$' -- "$work/brackets"
expect 0 '"warningsNotListed": 50,' -- "$work/brackets" --json
expect 1 'WindowTitle is longer than .* \(70000 bytes; 69960 over\)' -- "$work/huge"
expect 0 '\{"line": 1, "kind": "files-section-long", "concerns": \["windows"\]' -- "$work/long" --json
expect 2 'native: only lanterpick-check.exe' -- "$work/good" --platform native

# --fix: the file written, the original kept, and the check of the mended file.
fixed() { # NAME HEX...: the file NAME/setup.ini starts with these bytes
  [ "$(head -c $(($# - 1)) "$work/$1/setup.ini" | od -An -tx1 | tr -d ' \n')" = "$(printf '%s' "${@:2}")" ] ||
    { echo "FAILED: $1/setup.ini after --fix starts otherwise: $(head -c 16 "$work/$1/setup.ini" | od -An -tx1)"; failures=$((failures + 1)); }
}
printf '[SystemSettings]\r\nWindowTitle=Relev\xC3\xA9s\r\n[Files]\r\n"Docs/Readme.txt"\r\n' | ini fixutf8
mkdir "$work/fixutf8/Docs" && mv "$work/fixutf8/Readme.txt" "$work/fixutf8/Docs/"
cp "$work/fixutf8/setup.ini" "$work/fixutf8.before"
expect 0 'line 4: "Docs/Readme.txt" is now "Docs.Readme.txt"' -- "$work/fixutf8" --fix --strict
cmp -s "$work/fixutf8/setup.ini.orig" "$work/fixutf8.before" ||
  { echo "FAILED: --fix did not keep the original as setup.ini.orig"; failures=$((failures + 1)); }
fixed fixutf8 ff fe 5b 00
expect 0 'titled "Relevés"' -- "$work/fixutf8" --strict
cp "$work/fixutf8.before" "$work/fixutf8/setup.ini"
expect 2 'setup.ini.orig is there already' -- "$work/fixutf8" --fix
fixed fixutf8 5b 53
printf '[Files]\r\n"Readme.txt"\r\n' | utf16 UTF-16BE '\xFE\xFF' | ini fixbe
expect 0 'it was UTF-16 big-endian' -- "$work/fixbe" --fix --strict
fixed fixbe ff fe 5b 00 46 00
printf '\xEF\xBB\xBF[Files]\r\n"Readme.txt"\r\n' | ini fixmark
expect 0 'removed the UTF-8 byte-order mark' -- "$work/fixmark" --fix --strict
fixed fixmark 5b 46
printf '\xEF\xBB\xBF[Files]\r\n"Readme.txt" "Caf\xE9"\r\n' | ini fixbroken
expect 2 'line 2 holds bytes that are not UTF-8 \(E9\).*nothing was changed' -- "$work/fixbroken" --fix
[ "$(ls "$work/fixbroken")" = "$(printf 'Readme.txt\nsetup.ini')" ] && fixed fixbroken ef bb bf 5b
expect 2 'native: only lanterpick-check.exe' -- "$work/good" --fix --platform native  # refused there too

printf '[SystemSettings]\r\nWindowTitle=Caf\xE9\r\n[Files]\r\n"Readme.txt" "Caf\xE9"\r\n' | ini ansi
printf '[SystemSettings]\r\nWindowTitle=Café\r\n[Files]\r\n"Readme.txt" "Café"\r\n' |
  utf16 UTF-16LE '\xFF\xFE' | ini utf16le
expect_no_warnings "$work/ansi"
expect_no_warnings "$work/utf16le"
expect_no_warnings "$(dirname "$0")/../../examples/disc"

if [ "$failures" -eq 0 ]; then echo "checker command line: all cases passed"; fi
[ "$failures" -eq 0 ]
