#!/usr/bin/env bash
# Checks the built exe's header: PE32 for i386, GUI subsystem, DEP and ASLR, and imports from
# system DLLs only (no libgcc, libstdc++ or winpthread beside it).
set -euo pipefail
exe=${1:?usage: check-pe-header.sh lanterpick.exe}
header=$(i686-w64-mingw32-objdump -p "$exe")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

grep -q 'Magic[[:space:]]*010b' <<<"$header" || fail "not PE32"
grep -q 'file format pei-i386' <<<"$header" || fail "not i386"
grep -q 'Subsystem[[:space:]]*00000002' <<<"$header" || fail "not the GUI subsystem"
characteristics=$(awk '/DllCharacteristics/ {print $2}' <<<"$header")
(( 16#$characteristics & 0x40 )) || fail "DYNAMIC_BASE (ASLR) missing: $characteristics"
(( 16#$characteristics & 0x100 )) || fail "NX_COMPAT (DEP) missing: $characteristics"
grep -q '^\s*\.reloc\b\|Base Relocations\|\.reloc' <<<"$(i686-w64-mingw32-objdump -h "$exe")" ||
  fail "no relocations, so ASLR cannot move it"

allowed='^(KERNEL32|USER32|GDI32|SHELL32|msvcrt)\.dll$'
while read -r dll; do
  [[ $dll =~ $allowed ]] || fail "imports $dll"
done < <(awk '/DLL Name:/ {print $3}' <<<"$header")

size=$(stat -c %s "$exe")
echo "$exe: $size bytes, DllCharacteristics $characteristics, imports:" \
  $(awk '/DLL Name:/ {print $3}' <<<"$header")
[ "$failures" -eq 0 ] && echo "pe-header: 1 passed, 0 failed" || { echo "pe-header: 0 passed, 1 failed"; exit 1; }
