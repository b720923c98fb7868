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
expect 0 'line 5: "Gone.pdf" is not in the folder' -- "$work/good"
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
expect 0 'line 2: "Docs/Report.pdf": / works, but the list shows the whole path' -- "$work/start"
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

# Where Windows reads the file otherwise than it was written, or otherwise than Wine.
utf16() { iconv -f utf-8 -t "$1" | { printf "$2"; cat; }; }
printf '\xEF\xBB\xBF[Files]\r\n"Readme.txt"\r\n' | ini bom
printf '[Files]\r\n"Readme.txt"\r\n' | utf16 UTF-16BE '\xFE\xFF' | ini utf16be
printf '[Files]\r\n"Readme.txt" "Caf\xC3\xA9"\r\n' | ini utf8
printf '[Files]\r\n"Readme.txt" "\xCE\xA9mega"\r\n' | utf16 UTF-16LE '\xFF\xFE' | ini omega
printf '[SystemSettings\r\nWindowTitle=%045d\r\n[Files]\r\n"Readme.txt"\r\n' 0 | ini bracket
printf '[SystemSettings]\nOkButtonSize=0x10\nCancelButtonSize="20"\nOkButton="%021d"\n[Files]\n"Readme.txt"\n' 0 |
  ini unknown
printf '[Files]\n"Readme.txt"\0\n' | ini nul
{ printf '[Files]\n'; for i in $(seq 1 330); do printf '"Readme.txt" "%0100d"\n' "$i"; done; } | ini long

expect 1 'line 1: The file starts with a UTF-8 byte-order mark.* in front of "\[Files\]"' -- "$work/bom"
expect 1 'Under Wine, which ./scripts/demo uses, it would open, titled "Launch File"' -- "$work/bom"
expect 0 '"platform": "wine",' -- "$work/bom" --platform wine --json
expect 1 '"underWine": \{"opens": true, "windowTitle": "Launch File"' -- "$work/bom" --json
expect 1 'line 1: The file is UTF-16 big-endian' -- "$work/utf16be"
expect 0 'line 2: This is UTF-8 text.*"Café" shows as "CafÃ©"' -- "$work/utf8"
expect 0 'Readme.txt  -- CafÃ©$' -- "$work/utf8"
expect 0 'line 2: This line holds characters that Windows-1252 cannot hold' -- "$work/omega"
expect 1 'line 1: Windows reads "\[SystemSettings" as the header \[SystemSettings\], Wine as no header' \
  -- "$work/bracket"
expect 0 'line 2: OkButtonSize=0x10: Wine reads 16' -- "$work/unknown"
expect 0 'line 3: CancelButtonSize="20": Wine reads 20' -- "$work/unknown"
expect 0 'line 4: OkButton is 21 bytes in quotes, one over its limit of 20' -- "$work/unknown"
expect 0 'line 2: The file holds 1 NUL byte' -- "$work/nul"
expect 0 'line 1: The \[Files\] section is 38281 characters long' -- "$work/long"
expect 2 'native: only lanterpick-check.exe' -- "$work/good" --platform native

printf '[SystemSettings]\r\nWindowTitle=Caf\xE9\r\n[Files]\r\n"Readme.txt" "Caf\xE9"\r\n' | ini ansi
printf '[SystemSettings]\r\nWindowTitle=Café\r\n[Files]\r\n"Readme.txt" "Café"\r\n' |
  utf16 UTF-16LE '\xFF\xFE' | ini utf16le
expect_no_warnings "$work/ansi"
expect_no_warnings "$work/utf16le"
expect_no_warnings "$(dirname "$0")/../../examples/disc"

if [ "$failures" -eq 0 ]; then echo "checker command line: all cases passed"; fi
[ "$failures" -eq 0 ]
