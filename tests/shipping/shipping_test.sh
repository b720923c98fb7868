#!/usr/bin/env bash
# From a checked folder to a disc: signing with a throwaway certificate, an author's icon built in
# and read back out, make-disc with its image read back, and the signed and the branded launcher
# each previewed under Wine. Run from the repository's root after the builds.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
passed=0
failed=0

# expect WANTED WHAT PATTERN COMMAND...: the command must succeed (WANTED 0) or fail (WANTED 1),
# saying PATTERN when one is given; its output is then in last.log for the next check to read.
expect() {
  local wanted=$1 what=$2 pattern=$3 status=0
  shift 3
  "$@" >"$work/step.log" 2>&1 || status=1
  if [ "$status" -eq "$wanted" ] && { [ -z "$pattern" ] || grep -qE -- "$pattern" "$work/step.log"; }; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what${pattern:+ (wanted /$pattern/)}"
    tail -8 "$work/step.log" | sed 's/^/    /'
  fi
  mv "$work/step.log" "$work/last.log"
}
check() { expect 0 "$1" "" "${@:2}"; }
refused() { expect 1 "$@"; } # WHAT PATTERN COMMAND...

source scripts/lib/wine.sh
choose_wine >/dev/null || exit 1
echo "$wine_line"

# Signing: a self-signed code-signing certificate, and one for a web server.
certificate() { # NAME USAGE
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/$1.key" -out "$work/$1.pem" -days 2 \
    -subj "/CN=Lanterpick $1/O=Shipping Test" -addext "extendedKeyUsage=$2" 2>/dev/null &&
    openssl pkcs12 -export -inkey "$work/$1.key" -in "$work/$1.pem" -out "$work/$1.p12" \
      -passout "file:$work/password"
}
printf 'pass phrase of the test\n' >"$work/password"
printf 'not it\n' >"$work/wrong"
certificate signer codeSigning && certificate web serverAuth
cp build/win/lanterpick.exe "$work/Setup.exe"
check "signing verifies" scripts/sign "$work/Setup.exe" --pkcs12 "$work/signer.p12" \
  --password-file "$work/password" --out "$work/signed/Setup.exe"
cp "$work/last.log" "$work/signing.log"
check "the signer is named" grep -q 'signer: CN = Lanterpick signer' "$work/signing.log"
check "verified with SHA-256" grep -q 'Message digest algorithm *: SHA256' "$work/signing.log"
check "removing the signature gives the unsigned bytes back" \
  bash -c "osslsigncode remove-signature -in '$work/signed/Setup.exe' -out '$work/unsigned.exe' &&
    cmp '$work/unsigned.exe' build/win/lanterpick.exe"
refused "a wrong password" 'wrong password' \
  scripts/sign "$work/Setup.exe" --pkcs12 "$work/signer.p12" --out "$work/wrong.exe" <"$work/wrong"
refused "a certificate for a web server" 'not for code signing' \
  scripts/sign "$work/Setup.exe" --pkcs12 "$work/web.p12" --out "$work/web.exe" <"$work/password"
refused "a signed exe" 'already signed' scripts/sign "$work/signed/Setup.exe" \
  --pkcs12 "$work/signer.p12" --password-file "$work/password" --out "$work/twice.exe"
check "no output from a refused signing" test ! -e "$work/wrong.exe" -a ! -e "$work/web.exe" \
  -a ! -e "$work/twice.exe"
check "the input exe is unchanged" cmp "$work/Setup.exe" build/win/lanterpick.exe
check "signing under umask 077" bash -c "umask 077 && scripts/sign '$work/Setup.exe' \
  --pkcs12 '$work/signer.p12' --password-file '$work/password' --out '$work/private/new/Setup.exe'"
check "gives a file all can read, in folders all can enter" test \
  "$(stat -c %a "$work/private" "$work/private/new" "$work/private/new/Setup.exe" | paste -sd ' ')" \
  = "755 755 644"
mkdir "$work/outdir"
refused "--out naming a folder" 'is a folder' scripts/sign "$work/Setup.exe" \
  --pkcs12 "$work/signer.p12" --password-file "$work/password" --out "$work/outdir"

# The author's icon: three images in, the same three out of the built exe.
convert -size 48x48 xc:navy \( -size 32x32 xc:orange \) \( -size 16x16 xc:teal \) "$work/author.ico"
mkdir "$work/odd;name\"s"
cp "$work/author.ico" "$work/odd;name\"s/"
check "building with an icon whose path holds ; and a quote" \
  scripts/build-exe win32 --icon "$work/odd;name\"s/author.ico"
check "the icon group read back holds the author's images" bash -c \
  "wrestool -x -t14 build/win-branded/lanterpick.exe -o '$work/back.ico' &&
    build/host/check-icon '$work/author.ico' --same-images '$work/back.ico'"
printf 'GIF89a' >"$work/picture.ico"
head -c 100 "$work/author.ico" >"$work/cut.ico"
refused "a file that is no icon" 'picture.ico: it is not an icon' \
  scripts/build-exe win32 --icon "$work/picture.ico"
refused "an icon cut short" 'cut.ico: image 1 points outside the file' \
  scripts/build-exe win32 --icon "$work/cut.ico"

# make-disc: the example with an image, read here through the names Windows reads.
disc() { # NAME: a copy of the example folder without its autorun.inf
  cp -r examples/disc "$work/$1"
  rm -f "$work/$1/autorun.inf"
}
joliet() { # IMAGE FOLDER: the image's Joliet tree extracted
  xorriso -osirrox on -read_fs norock -indev "$1" -extract / "$2" >/dev/null 2>&1
}
disc disc
check "make-disc writes the image" \
  scripts/make-disc "$work/disc" --label HARBOUR_SURVEY --iso "$work/disc.iso"
check "the image holds the folder, read through Joliet names" \
  bash -c "$(declare -f joliet); joliet '$work/disc.iso' '$work/disc-joliet' && diff -r '$work/disc' '$work/disc-joliet'"
printf '[autorun]\r\nopen=Setup.exe\r\nicon=Setup.exe,0\r\nlabel=HARBOUR_SURVEY\r\n' >"$work/autorun.inf"
check "autorun.inf in CR LF" cmp "$work/disc/autorun.inf" "$work/autorun.inf"
check "the launcher is in the folder" cmp "$work/disc/Setup.exe" build/win/lanterpick.exe
disc spaced
mv "$work/spaced/setup.ini" "$work/spaced/my setup.ini"
check "a folder whose INI is \"my setup.ini\"" \
  scripts/make-disc "$work/spaced" --label SPACED --iso "$work/spaced.iso"
printf '[autorun]\r\nopen="My setup.exe"\r\nicon=My setup.exe,0\r\nlabel=SPACED\r\n' >"$work/autorun.inf"
check "gets My setup.exe, opened in quotes" bash -c \
  "cmp '$work/spaced/My setup.exe' build/win/lanterpick.exe && cmp '$work/spaced/autorun.inf' '$work/autorun.inf'"
check "and its image holds My setup.exe" bash -c "$(declare -f joliet); joliet '$work/spaced.iso' \
  '$work/spaced-joliet' && cmp '$work/spaced-joliet/My setup.exe' build/win/lanterpick.exe"
disc bracketed
mv "$work/bracketed/setup.ini" "$work/bracketed/setup[1].ini"
cp "$work/signed/Setup.exe" "$work/bracketed/Setup[1].exe"
check "a folder with a signed Setup[1].exe" scripts/make-disc "$work/bracketed"
check "keeps that exe" cmp "$work/bracketed/Setup[1].exe" "$work/signed/Setup.exe"
cp -r examples/disc "$work/upper"
mv "$work/upper/autorun.inf" "$work/upper/AUTORUN.INF"
refused "an AUTORUN.INF there already" 'AUTORUN.INF is there already' scripts/make-disc "$work/upper"
check "is left as it was, and nothing is added" bash -c "cmp '$work/upper/AUTORUN.INF' \
  examples/disc/autorun.inf && test ! -e '$work/upper/autorun.inf' -a ! -e '$work/upper/Setup.exe'"
disc cased
mkdir "$work/cased/docs"
touch "$work/cased/docs/Notes.txt"
refused "Docs beside docs" 'differ only in case' \
  scripts/make-disc "$work/cased" --iso "$work/cased.iso"
check "nothing written for them" test ! -e "$work/cased/Setup.exe" -a ! -e "$work/cased/autorun.inf" \
  -a ! -e "$work/cased.iso"
refused "--iso naming a folder" 'is a folder' scripts/make-disc "$work/disc" --iso "$work/outdir" --force
check "nothing written into those folders" test -z "$(ls -A "$work/outdir")"
refused "a label over 16 characters" 'holds 16' \
  scripts/make-disc "$work/disc" --label HARBOUR_SURVEY_17 --force
# Ctrl-C while the image is written: no part of it is left.
interrupted_image() {
  setsid scripts/make-disc "$work/big" --iso "$work/big.iso" >"$work/big.log" 2>&1 &
  local pid=$! seen=false
  for _ in $(seq 1 300); do
    [ -e "$work/big.iso.partial" ] && seen=true && break
    sleep 0.05
  done
  kill -INT -- "-$pid" 2>/dev/null
  wait "$pid"
  $seen && [ ! -e "$work/big.iso.partial" ] && [ ! -e "$work/big.iso" ]
}
disc big
truncate -s 1G "$work/big/Data.bin"
check "Ctrl-C while the image is written leaves no part of it" interrupted_image
mkdir "$work/mistake"
printf '[SystemSettings]\r\nWindowTitle=\r\n[Files]\r\n"a.txt"\r\n' >"$work/mistake/setup.ini"
refused "a folder whose INI has a mistake" 'nothing was written' \
  scripts/make-disc "$work/mistake" --iso "$work/mistake.iso"
check "nothing written for it" test "$(ls "$work/mistake")" = setup.ini -a ! -e "$work/mistake.iso"
refused "a label ISO 9660 cannot hold" 'does not fit ISO 9660' \
  scripts/make-disc "$work/disc" --label "Harbour Survey Disc" --force

# The signed and the branded launcher start under Wine and show their dialog.
if [ "$wine_arch" = win32 ]; then
  signed="$work/signed/Setup.exe" branded=build/win-branded/lanterpick.exe
else # only the stand-in runs here: sign and brand its x64 build the same way
  cp "$win/lanterpick.exe" "$work/Setup64.exe"
  scripts/sign "$work/Setup64.exe" --pkcs12 "$work/signer.p12" --password-file "$work/password" \
    --out "$work/signed64/Setup.exe" >/dev/null
  scripts/build-exe win64 --icon "$work/author.ico" >/dev/null
  signed="$work/signed64/Setup.exe" branded=build/win64-branded/lanterpick.exe
fi
check "the signed launcher shows its dialog" bash -c \
  "scripts/demo examples/disc --exe '$signed' | grep -qx 'demo: dialog: Harbour Survey Disc'"
check "the branded launcher shows its dialog" bash -c \
  "scripts/demo examples/disc --exe '$branded' | grep -qx 'demo: dialog: Harbour Survey Disc'"

# The preview of a folder of one row, with no --select: that row, and a screenshot.
mkdir "$work/one"
printf '[Files]\r\n"only.txt" "The only row."\r\n' >"$work/one/setup.ini"
touch "$work/one/only.txt"
check "the demo on a folder of one row" scripts/demo "$work/one"
check "selects it and saves a screenshot" bash -c "grep -qx 'selected: 1' build/demo/window.txt &&
  test \"\$(identify -format %wx%h build/demo/screenshot.png)\" = 520x560"

echo "shipping: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
