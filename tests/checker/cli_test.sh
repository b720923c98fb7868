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

# expect_whole STATUS ARGS... <<'EXPECTED': the status and the whole of stdout and stderr, run from
# $work so that folders are named as given
expect_whole() {
  local status=$1 code
  shift
  cat >"$work/expected.txt"
  (cd "$work" && "$check" "$@") >"$work/actual.txt" 2>&1
  code=$?
  if [ "$code" -ne "$status" ] || ! cmp -s "$work/expected.txt" "$work/actual.txt"; then
    echo "FAILED: lanterpick-check $* -> $code (wanted $status), output differs:"
    diff "$work/expected.txt" "$work/actual.txt" | sed 's/^/    /'
    failures=$((failures + 1))
  fi
}

# fails WHY: counts a failed check of the files left behind
fails() {
  echo "FAILED: $1"
  failures=$((failures + 1))
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
expect 2 '^lanterpick-check: --program: Windows does not allow "\*" in a file name; take another name$' -- "$work/good" --program 'a*b.exe'
expect 2 '^lanterpick-check: --program: Windows 10 and earlier take Con.exe for a device; take another name$' -- "$work/good" --program Con.exe
expect 2 '^lanterpick-check: --program: Windows drops the trailing dots and spaces of a file name; take another name$' -- "$work/good" --program 'Setup.exe.'
expect 2 '^lanterpick-check: --program: a file name holds at most 255 characters; take another name$' -- "$work/good" --program "$(printf 'a%.0s' $(seq 1 252)).exe"
expect 0 '^Program: a{251}\.exe$' -- "$work/good" --program "$(printf 'a%.0s' $(seq 1 251)).exe"
expect 2 'one folder at a time' -- "$work/good" "$work/bad"
expect 2 'no such folder' -- "$work/missing"
expect 0 'usage: lanterpick-check' -- --help

expect 0 'Mode: +configuration \(setup.ini\)' -- "$work/good"
expect 0 'the dialog opens, titled "Good Disc"' -- "$work/good"
expect 0 '^  Readme.txt  -- About$' -- "$work/good"
expect 0 '\{"line": 5, "kind": "file-not-in-folder", "concerns": \["windows", "wine"\]' -- "$work/good" --json
expect 0 'Rows at 12 characters:' -- "$work/good" --width 12
expect 0 '"opens": true' -- "$work/good" --json
expect 0 '^  "width": 48,$' -- "$work/good" --json  # the template's list at the dialog's font
expect 0 '^  "underWine": null,$' -- "$work/good" --json
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
printf '\xEF\xBB\xBF; x\r\n[Files]\r\n"Readme.txt" "Caf\xC3\xA9"\r\n' | ini bomrows
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
expect 0 '^Under Wine it would show other rows or descriptions\.$' -- "$work/bomrows"
expect 0 '"underWine": \{"opens": true, "windowTitle": "Launch File", "message": null, "rowsDiffer": true\}' -- "$work/bomrows" --json
expect 1 '\{"line": 2, "kind": "number-with-base-prefix", "concerns": \["windows"\]' -- "$work/unknown" --strict --json
expect 0 '\{"line": 2, "kind": "number-with-base-prefix"' -- "$work/unknown" --strict --platform wine --json  # a note there
expect 0 '^  and 50 more$' -- "$work/brackets"
expect 0 '"warningsNotListed": 50,' -- "$work/brackets" --json
# 100 findings are all listed, 101 are one too many.
for n in 100 101; do
  { printf '[Files]\n"Readme.txt"\n'; for i in $(seq 1 "$n"); do printf '[\n'; done; } | ini "brackets$n"
done
for n in 100 101; do
  out=$("$check" "$work/brackets$n")
  code=$?
  listed=$(grep -c '^  line ' <<<"$out")
  more=$(grep -c '^  and [0-9]* more$' <<<"$out")
  [ "$code" -eq 0 ] && [ "$listed" -eq 100 ] && [ "$more" -eq $((n - 100)) ] ||
    fails "$n warnings -> $code: $listed listed and $more 'and N more' (wanted 100 and $((n - 100)))"
done
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
out=$("$check" "$work/fixutf8" --fix --strict 2>&1)
code=$?
[ "$code" -eq 0 ] && [ "$(head -3 <<<"$out")" = 'Fix: mended setup.ini; the original is kept as setup.ini.orig:
  saved as UTF-16 LE with its byte-order mark, which Windows reads as written: it was UTF-8 without a mark, which Windows reads as ANSI bytes: "Relevés" showed as "RelevÃ©s"
  line 4: "Docs/Readme.txt" is now "Docs\Readme.txt"' ] ||
  fails "--fix on UTF-8 with a / -> $code, said otherwise: $out"
cmp -s "$work/fixutf8/setup.ini.orig" "$work/fixutf8.before" ||
  { echo "FAILED: --fix did not keep the original as setup.ini.orig"; failures=$((failures + 1)); }
fixed fixutf8 ff fe 5b 00
expect 0 'titled "Relevés"' -- "$work/fixutf8" --strict
cp "$work/fixutf8.before" "$work/fixutf8/setup.ini"
expect 2 'setup.ini.orig is there already' -- "$work/fixutf8" --fix
fixed fixutf8 5b 53
printf '[Files]\r\n"Readme.txt"\r\n' | utf16 UTF-16BE '\xFE\xFF' | ini fixbe
expect 0 'it was UTF-16 big-endian' -- "$work/fixbe" --fix --strict
expect 1 '^  line 1: The file starts with a UTF-8 byte-order mark, which Windows does not recognise' -- "$work/bom"
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
expect 0 '^Fix: nothing to mend in setup.ini$' -- "$work/ansi" --fix
# UTF-16 that lost its mark: which encoding it is stays the author's call, so --fix says it left
# it and writes nothing.
printf '[Files]\r\n"Readme.txt"\r\n' | utf16 UTF-16LE '' | ini fixnomark
cp "$work/fixnomark/setup.ini" "$work/fixnomark.before"
expect_whole 1 fixnomark --fix <<'EXPECTED'
Fix: left as it is: the encoding: it looks like UTF-16 without its byte-order mark. Save it as UTF-16 LE with its mark (Notepad's "UTF-16 LE").
Fix: nothing to mend in setup.ini

Folder:  fixnomark
Program: Setup.exe (the name setup.ini calls for; --program NAME.exe for another)
Read as: Windows reads it
Mode:    configuration (setup.ini)
Verdict: the launcher refuses to start and shows one message:
  [Unexpected Error] There are no files listed in the [Files] section of the configuration file.

Problems (1):
  [Unexpected Error] There are no files listed in the [Files] section of the configuration file.

Warnings (1):
  The file looks like UTF-16 LE text without its byte-order mark: Windows and Wine read it as ANSI bytes, with a NUL byte beside every character. Save it as UTF-16 LE with its mark (Notepad's "UTF-16 LE").
EXPECTED
{ cmp -s "$work/fixnomark/setup.ini" "$work/fixnomark.before" &&
  [ "$(ls "$work/fixnomark")" = "$(printf 'Readme.txt\nsetup.ini')" ]; } ||
  fails "--fix changed the folder of a UTF-16 INI without its mark"
expect_no_warnings "$work/ansi"
expect_no_warnings "$work/utf16le"
# Windows writes a full-width quote as a plain one: the row then has four quotes and no longer reads.
printf '[Files]\r\n"Readme.txt" "Say ＂hello＂ here"\r\n' | utf16 UTF-16LE '\xFF\xFE' | ini bestfit
expect 1 '^  \[Syntax Error\] line 2: .*"Readme.txt" "Say "hello" here"$' -- "$work/bestfit"
expect_no_warnings "$(dirname "$0")/../../examples/disc"


# A NUL byte and a control byte: every finding and the rest of the report, each byte shown.
mkdir "$work/nul" && touch "$work/nul/a.txt"
printf '[SystemSettings]\r\nWindowTitle=A\0B\r\n[Files]\r\n"Gone.txt"\r\n"a.txt" "x\x1A"\r\n' >"$work/nul/setup.ini"
expect_whole 1 nul --strict <<'EXPECTED'
Folder:  nul
Program: Setup.exe (the name setup.ini calls for; --program NAME.exe for another)
Read as: Windows reads it
Mode:    configuration (setup.ini)
Verdict: the dialog opens, titled "A".

Warnings (2):
  line 2: This line holds a NUL byte: Wine ends the line there, reading "WindowTitle=A"; what Windows does is not known. Remove it.
  line 4: "Gone.txt" is not in the folder. The launcher opens it relative to its current folder when it runs, which is this folder only when it is started from here.
Strict: the warnings fail this check (--strict).

Rows open from: the launcher's current folder (relative paths)

Rows at 48 characters (the default list width; --width W for another):
  Gone.txt
  a.txt  -- x\x1A
EXPECTED

# In JSON a control byte is shown as in the text, and a message's line breaks stay line breaks.
[ "$("$check" "$work/nul" --json | jq -r '.rows[1].description')" = 'x\x1A' ] ||
  fails "JSON does not show the control byte in a description as \\x1A"
mkdir "$work/empty"
[ "$("$check" "$work/empty" --json | jq -r '.message.text' | wc -l)" -gt 1 ] ||
  fails "JSON does not keep the line breaks of a message"

# Rows found only where Windows opens them, and every entry Windows cannot open or hold.
mkdir -p "$work/paths/Docs"
touch "$work/Outside.txt" "$work/paths/Readme.txt" "$work/paths/Chapter 1: Intro.pdf" \
  "$work/paths/Q&A?.pdf" "$work/paths/con.txt" "$work/paths/Docs/a.txt" "$work/paths/Docs/a|b.txt" \
  "$work/paths/Docs/trail." "$work/paths/D$(printf '\xE9')mo.txt" "$work/paths/COM¹.txt" \
  "$work/paths/Docs/"$'new\nline.txt' "$work/paths/Docs/"$'esc\e[31mred.txt'
ln -s nowhere "$work/paths/broken.txt"
mkfifo "$work/paths/Docs/pipe"
printf '[Files]\r\n"..\\Outside.txt"\r\n"Chapter 1: Intro.pdf"\r\n"Q&A?.pdf"\r\n"con.txt"\r\n"broken.txt"\r\n"Readme.txt. "\r\n"Docs\\..\\Docs\\A.TXT"\r\n"Docs"\r\n"D\xE9mo.txt"\r\n"COM\xB9.txt"\r\n"Readme.txt\\"\r\n"Docs\\..\\..\\Readme.txt"\r\n"..\\paths\\Readme.txt"\r\n' \
  >"$work/paths/setup.ini"
expect_whole 0 paths --json <<'EXPECTED'
{
  "folder": "paths",
  "program": "Setup.exe",
  "programFrom": "setup.ini",
  "strict": false,
  "platform": "windows",
  "mode": "configuration",
  "configuration": "setup.ini",
  "opens": true,
  "message": null,
  "problems": [],
  "warnings": [
    {"line": null, "kind": "device-name", "concerns": ["windows"], "text": "\"COM¹.txt\": Windows 10 and earlier take COM¹ for a device, with or without an extension, so no one can open it there. Rename it."},
    {"line": null, "kind": "forbidden-character", "concerns": ["windows", "wine"], "text": "\"Chapter 1: Intro.pdf\": Windows does not allow \":\" in a file name (it names a data stream of another file), so no one can open it there. Rename it."},
    {"line": null, "kind": "forbidden-character", "concerns": ["windows", "wine"], "text": "\"Docs/a|b.txt\": Windows does not allow \"|\" in a file name, so no one can open it there. Rename it."},
    {"line": null, "kind": "forbidden-character", "concerns": ["windows", "wine"], "text": "\"Docs/esc\\x1B[31mred.txt\": Windows does not allow \"\\x1B\" in a file name, so no one can open it there. Rename it."},
    {"line": null, "kind": "forbidden-character", "concerns": ["windows", "wine"], "text": "\"Docs/new\\x0Aline.txt\": Windows does not allow \"\\x0A\" in a file name, so no one can open it there. Rename it."},
    {"line": null, "kind": "not-a-file", "concerns": ["windows", "wine"], "text": "\"Docs/pipe\" is a pipe, a socket or a device, not a file Windows can open. Remove it."},
    {"line": null, "kind": "trailing-dot-or-space", "concerns": ["windows", "wine"], "text": "\"Docs/trail.\": Windows drops the trailing dots and spaces of a name, so it opens \"trail\" instead. Rename it."},
    {"line": null, "kind": "forbidden-character", "concerns": ["windows", "wine"], "text": "\"Q&A?.pdf\": Windows does not allow \"?\" in a file name (it is a wildcard), so no one can open it there. Rename it."},
    {"line": null, "kind": "not-a-file", "concerns": ["windows", "wine"], "text": "\"broken.txt\" is a broken link, not a file Windows can open. Put the file itself there."},
    {"line": null, "kind": "device-name", "concerns": ["windows"], "text": "\"con.txt\": Windows 10 and earlier take CON for a device, with or without an extension, so no one can open it there. Rename it."},
    {"line": 2, "kind": "row-leaves-folder", "concerns": ["windows", "wine"], "text": "\"..\\Outside.txt\" is not on the disc: the folder is the disc's root, above which \"..\" goes nowhere, so Windows opens D:\\Outside.txt, which is not in the folder. Put the file in the folder and write its path from there."},
    {"line": 3, "kind": "row-forbidden-character", "concerns": ["windows", "wine"], "text": "\"Chapter 1: Intro.pdf\": Windows does not allow \":\" in a file name (it names a data stream of another file), so it cannot open it. Rename the file, and the row with it."},
    {"line": 4, "kind": "row-forbidden-character", "concerns": ["windows", "wine"], "text": "\"Q&A?.pdf\": Windows does not allow \"?\" in a file name (it is a wildcard), so it cannot open it. Rename the file, and the row with it."},
    {"line": 5, "kind": "row-device-name", "concerns": ["windows"], "text": "\"con.txt\": Windows 10 and earlier take CON for a device, with or without an extension, not a file. Rename the file, and the row with it."},
    {"line": 6, "kind": "row-not-a-file", "concerns": ["windows", "wine"], "text": "\"broken.txt\" is not a file Windows can open: a broken link, a pipe or a device stands there. Put the file itself there."},
    {"line": 7, "kind": "row-trailing-dot-or-space", "concerns": ["windows", "wine"], "text": "\"Readme.txt. \": Windows drops the trailing dots and spaces and opens D:\\Readme.txt; whether the shell then opens it by its type is not known. Write \"Readme.txt\"."},
    {"line": 9, "kind": "path-names-folder", "concerns": ["windows", "wine"], "text": "\"Docs\" names a folder, not a file."},
    {"line": 11, "kind": "row-device-name", "concerns": ["windows"], "text": "\"COM¹.txt\": Windows 10 and earlier take COM¹ for a device, with or without an extension, not a file. Rename the file, and the row with it."},
    {"line": 12, "kind": "row-ends-in-separator", "concerns": ["windows", "wine"], "text": "\"Readme.txt\\\" ends in \"\\\", so Windows looks for a folder named \"Readme.txt\" and cannot open the file of that name. Write \"Readme.txt\"."},
    {"line": 13, "kind": "row-dots-stop-at-root", "concerns": ["windows", "wine"], "text": "\"Docs\\..\\..\\Readme.txt\" climbs above the folder through \"..\": on the disc, whose root the folder is, \"..\" stops there and Windows opens D:\\Readme.txt, this folder's file; copied into a folder of a stick or share, the row would open a file outside it. Write \"Readme.txt\"."},
    {"line": 14, "kind": "row-leaves-folder", "concerns": ["windows", "wine"], "text": "\"..\\paths\\Readme.txt\" is not on the disc: the folder is the disc's root, above which \"..\" goes nowhere, so Windows opens D:\\paths\\Readme.txt, which is not in the folder. Put the file in the folder and write its path from there."}
  ],
  "warningsNotListed": 0,
  "notes": [],
  "notesNotListed": 0,
  "windowTitle": "Launch File",
  "rowsOpenFrom": "",
  "width": 48,
  "widthIsDefault": true,
  "rows": [
    {"path": "..\\Outside.txt", "text": "Outside.txt", "description": "", "keepOpenAllowed": true},
    {"path": "Chapter 1: Intro.pdf", "text": "Chapter 1: Intro.pdf", "description": "", "keepOpenAllowed": true},
    {"path": "Q&A?.pdf", "text": "Q&A?.pdf", "description": "", "keepOpenAllowed": true},
    {"path": "con.txt", "text": "con.txt", "description": "", "keepOpenAllowed": true},
    {"path": "broken.txt", "text": "broken.txt", "description": "", "keepOpenAllowed": true},
    {"path": "Readme.txt. ", "text": "Readme.txt. ", "description": "", "keepOpenAllowed": true},
    {"path": "Docs\\..\\Docs\\A.TXT", "text": "A.TXT", "description": "", "keepOpenAllowed": true},
    {"path": "Docs", "text": "Docs", "description": "", "keepOpenAllowed": true},
    {"path": "Démo.txt", "text": "Démo.txt", "description": "", "keepOpenAllowed": true},
    {"path": "COM¹.txt", "text": "COM¹.txt", "description": "", "keepOpenAllowed": true},
    {"path": "Readme.txt\\", "text": "", "description": "", "keepOpenAllowed": true},
    {"path": "Docs\\..\\..\\Readme.txt", "text": "Readme.txt", "description": "", "keepOpenAllowed": true},
    {"path": "..\\paths\\Readme.txt", "text": "Readme.txt", "description": "", "keepOpenAllowed": true}
  ],
  "underWine": null,
  "leftOut": [],
  "names": [
    {"path": "COM¹.txt", "problem": "device-name", "text": "\"COM¹.txt\": Windows 10 and earlier take COM¹ for a device, with or without an extension, so no one can open it there. Rename it."},
    {"path": "Chapter 1: Intro.pdf", "problem": "forbidden-character", "text": "\"Chapter 1: Intro.pdf\": Windows does not allow \":\" in a file name (it names a data stream of another file), so no one can open it there. Rename it."},
    {"path": "Docs/a|b.txt", "problem": "forbidden-character", "text": "\"Docs/a|b.txt\": Windows does not allow \"|\" in a file name, so no one can open it there. Rename it."},
    {"path": "Docs/esc\\x1B[31mred.txt", "problem": "forbidden-character", "text": "\"Docs/esc\\x1B[31mred.txt\": Windows does not allow \"\\x1B\" in a file name, so no one can open it there. Rename it."},
    {"path": "Docs/new\\x0Aline.txt", "problem": "forbidden-character", "text": "\"Docs/new\\x0Aline.txt\": Windows does not allow \"\\x0A\" in a file name, so no one can open it there. Rename it."},
    {"path": "Docs/pipe", "problem": "not-a-file", "text": "\"Docs/pipe\" is a pipe, a socket or a device, not a file Windows can open. Remove it."},
    {"path": "Docs/trail.", "problem": "trailing-dot-or-space", "text": "\"Docs/trail.\": Windows drops the trailing dots and spaces of a name, so it opens \"trail\" instead. Rename it."},
    {"path": "Q&A?.pdf", "problem": "forbidden-character", "text": "\"Q&A?.pdf\": Windows does not allow \"?\" in a file name (it is a wildcard), so no one can open it there. Rename it."},
    {"path": "broken.txt", "problem": "not-a-file", "text": "\"broken.txt\" is a broken link, not a file Windows can open. Put the file itself there."},
    {"path": "con.txt", "problem": "device-name", "text": "\"con.txt\": Windows 10 and earlier take CON for a device, with or without an extension, so no one can open it there. Rename it."}
  ]
}
EXPECTED

# JSON parses whatever the names and bytes: an INI named in ANSI, a broken header under a mark.
mkdir "$work/ansiname"
printf '\xEF\xBB\xBF[Sys\xE9]\r\n[Files]\r\n"D\xE9mo.txt"\r\n' >"$work/ansiname/D$(printf '\xE9')marrer.ini"
touch "$work/ansiname/D$(printf '\xE9')mo.txt"
for platform in windows wine; do
  if ! "$check" "$work/ansiname" --json --platform "$platform" | jq -e '.programFrom == "Démarrer.ini" and .program == "Démarrer.exe"' >/dev/null; then
    fails "JSON of an INI named in ANSI (--platform $platform) does not parse or names it otherwise"
  fi
done

# The program name by the launcher's own rule: setup.exe.ini is read by no name.
mkdir "$work/exeini" "$work/exeini2" "$work/unread"
touch "$work/exeini/setup.exe.ini" "$work/exeini2/setup.exe.ini" "$work/unread/a.txt"
printf '[Files]\r\n"setup.exe.ini"\r\n' >"$work/exeini2/setup.ini"
printf '[Files]\r\n"a.txt"\r\n' >"$work/unread/setup.ini"
expect 2 "no program name reads the folder's INI setup.exe.ini: .* so Setup.exe.exe reads setup.ini; rename the INI, or say which program with --program NAME.exe" -- "$work/exeini"
expect 0 '^Program: Setup.exe \(the name setup.ini calls for' -- "$work/exeini2"
expect 0 '\{"line": null, "kind": "unread-ini", "concerns": \["windows", "wine"\], "text": "The launcher reads start.ini, which is not in the folder, so it lists its folder instead, though the folder holds setup.ini. Name the launcher Setup.exe, or rename the INI to start.ini."\}' -- "$work/unread" --program Start.exe --json
expect 0 '^Fix: no INI to mend: the launcher lists the folder$' -- "$work/unread" --program Start.exe --fix
# Another program's INI beside a launcher in folder mode is a note, which --strict lets pass.
mkdir "$work/game" && printf '[Settings]\r\nVolume=7\r\n' >"$work/game/game.ini"
notes=$("$check" "$work/game" --program Setup.exe --strict --json | jq -r '.warnings, [.notes[].kind]')
[ "$notes" = "$(printf '[]\n[\n  "unread-ini"\n]')" ] || fails "another program's INI: $notes"
expect_whole 1 unread --program Start.exe --strict <<'EXPECTED'
Folder:  unread
Program: Start.exe
Read as: Windows reads it
Mode:    folder (no readable start.ini)
Verdict: the dialog opens, titled "Launch File".

Warnings (1):
  The launcher reads start.ini, which is not in the folder, so it lists its folder instead, though the folder holds setup.ini. Name the launcher Setup.exe, or rename the INI to start.ini.
Strict: the warnings fail this check (--strict).

Rows open from: D:\ (the folder listed; D:\ is this folder)

Rows at 48 characters (the default list width; --width W for another):
  a.txt

Left out of the folder list:
  setup.ini: a housekeeping extension
EXPECTED

# Names Windows-1252 cannot hold: folder mode lists them with a "?" it cannot open (an accent
# kept apart from its letter, as macOS writes "Café", among them); no launcher name reads such an
# INI, nor two INIs that are one name to Windows; a name given to --program must fit too; an
# error names the folder in UTF-8.
mkdir "$work/unfit" "$work/omega" "$work/twoini"
touch "$work/unfit/Ωmega.txt" "$work/unfit/naïve.txt" "$work/unfit/"$'Cafe\xcc\x81.txt' \
  "$work/unfit/lpt³" "$work/omega/Readme.txt" "$work/twoini/Readme.txt"
printf '[Files]\r\n"Readme.txt"\r\n' >"$work/omega/Ωmega.ini"
printf '[Files]\r\n"Readme.txt"\r\n' >"$work/twoini/setup.ini"
printf '[Files]\r\n"Other.txt"\r\n' >"$work/twoini/SETUP.INI"
expect_whole 1 unfit --strict --json <<'EXPECTED'
{
  "folder": "unfit",
  "program": "Setup.exe",
  "programFrom": null,
  "strict": true,
  "platform": "windows",
  "mode": "folder",
  "configuration": "setup.ini",
  "opens": true,
  "message": null,
  "problems": [],
  "warnings": [
    {"line": null, "kind": "not-in-windows-1252", "concerns": ["windows", "wine"], "text": "\"Café.txt\": Windows-1252 cannot hold é as written here (its accent kept apart from its letter, as macOS writes names), so the launcher lists it as \"Cafe´.txt\" and cannot open it by that name. Rename it with each accented letter as one character."},
    {"line": null, "kind": "device-name", "concerns": ["windows"], "text": "\"lpt³\": Windows 10 and earlier take LPT³ for a device, with or without an extension, so no one can open it there. Rename it."},
    {"line": null, "kind": "not-in-windows-1252", "concerns": ["windows", "wine"], "text": "\"Ωmega.txt\": Windows-1252 cannot hold Ω, so the launcher lists it as \"Omega.txt\" and cannot open it by that name. Rename it."}
  ],
  "warningsNotListed": 0,
  "notes": [],
  "notesNotListed": 0,
  "windowTitle": "Launch File",
  "rowsOpenFrom": "D:\\",
  "width": 48,
  "widthIsDefault": true,
  "rows": [
    {"path": "Cafe´.txt", "text": "Cafe´.txt", "description": "", "keepOpenAllowed": true},
    {"path": "lpt³", "text": "lpt³", "description": "", "keepOpenAllowed": true},
    {"path": "naïve.txt", "text": "naïve.txt", "description": "", "keepOpenAllowed": true},
    {"path": "Omega.txt", "text": "Omega.txt", "description": "", "keepOpenAllowed": true}
  ],
  "underWine": null,
  "leftOut": [],
  "names": [
    {"path": "Café.txt", "problem": "not-in-windows-1252", "text": "\"Café.txt\": Windows-1252 cannot hold é as written here (its accent kept apart from its letter, as macOS writes names), so the launcher lists it as \"Cafe´.txt\" and cannot open it by that name. Rename it with each accented letter as one character."},
    {"path": "lpt³", "problem": "device-name", "text": "\"lpt³\": Windows 10 and earlier take LPT³ for a device, with or without an extension, so no one can open it there. Rename it."},
    {"path": "Ωmega.txt", "problem": "not-in-windows-1252", "text": "\"Ωmega.txt\": Windows-1252 cannot hold Ω, so the launcher lists it as \"Omega.txt\" and cannot open it by that name. Rename it."}
  ]
}
EXPECTED
expect_whole 2 omega <<'EXPECTED'
lanterpick-check: no program name reads the folder's INI Ωmega.ini: Windows-1252 cannot hold Ω, so a launcher of that name gets its own name otherwise and looks for Omega.ini; rename the INI, or say which program with --program NAME.exe
EXPECTED
expect_whole 2 twoini <<'EXPECTED'
lanterpick-check: the folder holds SETUP.INI and setup.ini, one name to Windows, which compares names without regard to case: a copy keeps only one of them; remove all but one
EXPECTED
expect_whole 1 twoini --program Setup.exe --strict <<'EXPECTED'
Folder:  twoini
Program: Setup.exe
Read as: Windows reads it
Mode:    configuration (setup.ini)
Verdict: the dialog opens, titled "Launch File".

Warnings (1):
  The folder holds SETUP.INI and setup.ini, one name to Windows, which compares names without regard to case: a copy to a disc or stick keeps only one of them, and the launcher reads whichever that is. Remove all but one.
Strict: the warnings fail this check (--strict).

Rows open from: the launcher's current folder (relative paths)

Rows at 48 characters (the default list width; --width W for another):
  Readme.txt
EXPECTED
rm "$work/twoini/SETUP.INI" && mkdir "$work/twoini/SETUP.INI"  # a folder of the name: one name too
expect 1 '^  The folder holds SETUP.INI and setup.ini, one name to Windows' -- "$work/twoini" --strict

# Any two entries of one folder that Windows takes as one name, in every folder: the groups found,
# by their first paths. Names are compared as Windows compares them, not by what the launcher's
# code page makes of them: 日本 and 中文 are both "??" to it, Ω and O both "O", yet no clash.
mkdir -p "$work/clash/sub" && touch "$work/clash/"{Notes.txt,NOTES.TXT,日本.txt,中文.txt,Ωmega,Omega}
touch "$work/clash/sub/"{été.txt,ÉTÉ.TXT,Été.txt,σ,Σ}
names=$("$check" "$work/clash" --json | jq -r '.names[] | select(.problem == "case-clash") | .path + ": " + .text')
[ "$names" = "NOTES.TXT: The folder holds NOTES.TXT and Notes.txt, one name to Windows, which compares names without regard to case: a copy to a disc or stick keeps only one of them. Rename or remove all but one.
sub/ÉTÉ.TXT: The folder holds sub/ÉTÉ.TXT, sub/Été.txt and sub/été.txt, one name to Windows, which compares names without regard to case: a copy to a disc or stick keeps only one of them. Rename or remove all but one.
sub/Σ: The folder holds sub/Σ and sub/σ, one name to Windows, which compares names without regard to case: a copy to a disc or stick keeps only one of them. Rename or remove all but one." ] ||
  fails "case clashes found otherwise: $names"
# Warnings in the order of their lines, whichever check found them.
printf '[SystemSettings]\r\nOkButtonSize="20"\r\n[Files]\r\n"Readme.txt" "Caf\xC3\xA9"\r\n' | ini ordered
lines=$("$check" "$work/ordered" --json | jq -c '[.warnings[] | [.line, .kind]]')
[ "$lines" = '[[2,"number-in-quotes"],[4,"utf8-read-as-ansi"]]' ] || fails "warnings out of line order: $lines"
# An accent kept apart from a letter, first in its name, is still one.
mkdir "$work/accentfirst" && touch "$work/accentfirst/"$'\xcc\x81x.txt'
names=$("$check" "$work/accentfirst" --json | jq -r '.names[] | .path + ": " + .text')
[ "$names" = $'\xcc\x81x.txt: "\xcc\x81x.txt": Windows-1252 cannot hold \xcc\x81 as written here (its accent kept apart from its letter, as macOS writes names), so the launcher lists it as "\xc2\xb4x.txt" and cannot open it by that name. Rename it with each accented letter as one character.' ] ||
  fails "a name starting with an accent kept apart: $names"
# A row is found by its name as Windows compares it: "Omega.txt" is not Ωmega.txt.
mkdir "$work/nearmiss" && touch "$work/nearmiss/Ωmega.txt"
printf '[Files]\r\n"Omega.txt"\r\n' >"$work/nearmiss/setup.ini"
expect 1 '^  line 2: "Omega.txt" is not in the folder' -- "$work/nearmiss" --strict
expect 2 '^lanterpick-check: --program: Windows-1252 cannot hold Ω, so the launcher would get its own name as Omega.exe; take a name without it$' -- "$work/omega" --program Ωmega.exe
expect_whole 2 missing$'\xe9' <<'EXPECTED'
lanterpick-check: no such folder: missingé
EXPECTED
mkdir "$work/accentini" && touch "$work/accentini/a.txt"
printf '[Files]\r\n"a.txt"\r\n' >"$work/accentini/été.ini"
expect_whole 0 accentini <<'EXPECTED'
Folder:  accentini
Program: Été.exe (the name été.ini calls for; --program NAME.exe for another)
Read as: Windows reads it
Mode:    configuration (été.ini)
Verdict: the dialog opens, titled "Launch File".

Rows open from: the launcher's current folder (relative paths)

Rows at 48 characters (the default list width; --width W for another):
  a.txt
EXPECTED

# Folder mode meets the entries in the platform's search order: upper-cased, then by UTF-16 unit
# (Z, _, Š, Ÿ); the folders it leaves out are listed in that order.
mkdir -p "$work/order/"{_z,a,B,Z,$'\xC5\xA1',$'\xC3\xBF'}
touch "$work/order/a.txt"
left=$("$check" "$work/order" --program Start.exe --json | jq -r '.leftOut[].name' | tr '\n' ' ')
[ "$left" = "a B Z _z š ÿ " ] || fails "folder mode meets the entries in another order: $left"

# Folder mode offers a link to a file and a pipe, as Wine lists them; not a broken link.
mkdir "$work/links"
touch "$work/links/a.txt"
ln -s a.txt "$work/links/b.txt"
ln -s gone.txt "$work/links/c.txt"
mkfifo "$work/links/d.txt"
rows=$("$check" "$work/links" --json | jq -r '.rows[].path' | tr '\n' ' ')
[ "$rows" = "a.txt b.txt d.txt " ] || fails "folder mode offers other rows than a.txt b.txt d.txt: $rows"

# 1000 rows are read, 1001 are too many.
for n in 1000 1001; do
  mkdir "$work/rows$n"
  (cd "$work/rows$n" && seq -f 'f%04g.txt' 1 "$n" | xargs touch)
  { printf '[Files]\r\n'; seq -f '"f%04g.txt"' 1 "$n" | sed 's/$/\r/'; } >"$work/rows$n/setup.ini"
done
out=$("$check" "$work/rows1000" --json)
code=$?
[ "$code" -eq 0 ] &&
  [ "$(jq -c '[.opens, (.problems | length), (.warnings | length), (.rows | length)]' <<<"$out")" = '[true,0,0,1000]' ] ||
  fails "1000 rows -> $code, not read as 1000 rows without a problem or warning"
expect_whole 1 rows1001 <<'EXPECTED'
Folder:  rows1001
Program: Setup.exe (the name setup.ini calls for; --program NAME.exe for another)
Read as: Windows reads it
Mode:    configuration (setup.ini)
Verdict: the launcher refuses to start and shows one message:
  [Too Many Files] The [Files] section of the configuration file contains more than 1000 entries.

Problems (1):
  [Too Many Files] The [Files] section of the configuration file contains more than 1000 entries.
EXPECTED

# Notes are counted beyond the first 100, as warnings are.
{ printf '[Files]\r\n'; for i in $(seq 1 130); do printf '"C:\\\\f%d.txt"\r\n' "$i"; done; } | ini absolute
expect 0 '"notesNotListed": 30,' -- "$work/absolute" --json
printf '[Files]\r\n"C:"\r\n' | ini drive
expect 0 '\{"line": 2, "kind": "absolute-path", "concerns": \[\]' -- "$work/drive" --json
[ "$("$check" "$work/folder" --program Start.com --json | jq '.problems | length')" = 1 ] ||
  fails "a program name without .exe is not the one problem listed"

# --fix: a link is refused, the file it points to untouched; mode and Wine's attributes are kept;
# a mixed file is refused; every mark goes; at most 100 changes are listed.
mkdir -p "$work/link/real"
printf '[Files]\r\n"a.txt" "Caf\xC3\xA9"\r\n' >"$work/link/real/x.ini"
cp "$work/link/real/x.ini" "$work/link.before"
ln -s real/x.ini "$work/link/setup.ini"
expect 2 'setup.ini is a link to real/x.ini: fix the file it points to; nothing was changed' -- "$work/link" --fix
{ [ -L "$work/link/setup.ini" ] && cmp -s "$work/link/real/x.ini" "$work/link.before"; } ||
  fails "--fix changed a linked INI or the file it points to"
printf '\xEF\xBB\xBF\xEF\xBB\xBF[Files]\r\n"Readme.txt"\r\n' | ini fixattr
chmod 664 "$work/fixattr/setup.ini"  # a mode the umask would not give a new file
if setfattr -n user.DOSATTRIB -v '"0x2"' "$work/fixattr/setup.ini" 2>/dev/null; then
  expect 0 'removed the 2 marks' -- "$work/fixattr" --fix --strict
  [ "$(getfattr --absolute-names --only-values -n user.DOSATTRIB "$work/fixattr/setup.ini")" = 0x2 ] ||
    fails "--fix lost the INI's hidden attribute (user.DOSATTRIB)"
  [ "$(stat -c %a "$work/fixattr/setup.ini")" = 664 ] || fails "--fix lost the INI's mode"
  # Folder mode leaves out what Wine's attribute marks hidden or system, as the launcher does.
  mkdir "$work/dosattr" && touch "$work/dosattr/"{a.txt,b.txt,c.txt}
  setfattr -n user.DOSATTRIB -v '"0x2"' "$work/dosattr/b.txt"
  setfattr -n user.DOSATTRIB -v '"0x4"' "$work/dosattr/c.txt"
  left=$("$check" "$work/dosattr" --json | jq -r '.rows[].path, (.leftOut[] | .name + ": " + .reason)')
  [ "$left" = "$(printf 'a.txt\nb.txt: hidden\nc.txt: a system file')" ] ||
    fails "folder mode read the hidden and system attributes otherwise: $left"
  [ "$(od -An -tx1 "$work/fixattr/setup.ini" | tr -d ' \n')" = "$(printf '[Files]\r\n"Readme.txt"\r\n' | od -An -tx1 | tr -d ' \n')" ] ||
    fails "--fix left a mark in front of the text"
else
  echo "checker command line: this file system keeps no user attributes; the attribute check is skipped"
fi
# An earlier original in another case is the same name to Windows: refused, nothing written.
printf '[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9\r\n[Files]\r\n"Readme.txt"\r\n' | ini fixcase
echo "earlier original" >"$work/fixcase/Setup.INI.ORIG"
cp "$work/fixcase/setup.ini" "$work/fixcase.before"
expect_whole 2 fixcase --fix <<'EXPECTED'
lanterpick-check: --fix: Setup.INI.ORIG is there already (from an earlier --fix?); move it away first; nothing was changed
EXPECTED
{ cmp -s "$work/fixcase/setup.ini" "$work/fixcase.before" &&
  [ "$(LC_ALL=C ls "$work/fixcase")" = "$(printf 'Readme.txt\nSetup.INI.ORIG\nsetup.ini')" ]; } ||
  fails "--fix wrote beside an earlier original in another case: $(LC_ALL=C ls "$work/fixcase" | tr '\n' ' ')"
mv "$work/fixcase/Setup.INI.ORIG" "$work/fixcase/SETUP.ini.Fixing"
expect 2 '^lanterpick-check: --fix: SETUP.ini.Fixing is there already' -- "$work/fixcase" --fix
cmp -s "$work/fixcase/setup.ini" "$work/fixcase.before" || fails "--fix wrote beside a .fixing in another case"
printf '[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9\r\n[Files]\r\n"Readme.txt" "Caf\xE9"\r\n' | ini fixmixed
cp "$work/fixmixed/setup.ini" "$work/fixmixed.before"
expect 2 'the file mixes UTF-8 \(line 2\) with bytes that are no UTF-8 \(line 4\).*nothing was changed' -- "$work/fixmixed" --fix
cmp -s "$work/fixmixed/setup.ini" "$work/fixmixed.before" && [ ! -e "$work/fixmixed/setup.ini.orig" ] ||
  fails "--fix changed a file that mixes UTF-8 and ANSI"
# A write that fails leaves the folder as it was: 0 blocks fails the copy of the original, 1 KiB
# the mended file, which is twice as long.
{ printf '[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9\r\n[Files]\r\n'; for i in $(seq 1 40); do printf '"Readme.txt" "row %02d"\r\n' "$i"; done; } | ini fixfull
cp "$work/fixfull/setup.ini" "$work/fixfull.before"
for blocks in 0 1; do
  out=$( (trap '' XFSZ; ulimit -f "$blocks"; "$check" "$work/fixfull" --fix) 2>&1)
  code=$?
  { [ "$code" -eq 2 ] && grep -q 'File too large; nothing was changed$' <<<"$out" &&
    cmp -s "$work/fixfull/setup.ini" "$work/fixfull.before" &&
    [ "$(ls "$work/fixfull")" = "$(printf 'Readme.txt\nsetup.ini')" ]; } ||
    fails "--fix with writes limited to $blocks KiB -> $code, or left the folder changed: $out"
done
# So does a mended file that cannot take the INI's place (here an immutable INI; root only).
printf '\xEF\xBB\xBF[Files]\r\n"Readme.txt"\r\n' | ini fixstuck
cp "$work/fixstuck/setup.ini" "$work/fixstuck.before"
if chattr +i "$work/fixstuck/setup.ini" 2>/dev/null; then
  expect_whole 2 fixstuck --fix <<'EXPECTED'
lanterpick-check: --fix: cannot rename fixstuck/setup.ini.fixing to fixstuck/setup.ini: Operation not permitted; nothing was changed
EXPECTED
  chattr -i "$work/fixstuck/setup.ini"
  { cmp -s "$work/fixstuck/setup.ini" "$work/fixstuck.before" &&
    [ "$(ls "$work/fixstuck")" = "$(printf 'Readme.txt\nsetup.ini')" ]; } ||
    fails "--fix whose rename failed left the folder changed: $(ls "$work/fixstuck" | tr '\n' ' ')"
else
  echo "checker command line: no immutable files here (not root?); the failed rename is skipped"
fi
{ printf '[Files]\r\n'; for i in $(seq 1 130); do printf '"D/f%d.txt"\r\n' "$i"; done; } | ini fixmany
expect 0 '^  and 30 more$' -- "$work/fixmany" --fix

if [ "$failures" -eq 0 ]; then echo "checker command line: all cases passed"; fi
[ "$failures" -eq 0 ]
