#!/bin/sh
# tessera register and unregister on a registry that already holds a host's own entries.
set -eu
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
registry=$dir/registry.ini
printf '[Other.Server]\r\nKey=kept\r\n' > "$registry"
cp "$registry" "$dir/before.ini"

"$tool" register --registry "$registry" > "$dir/answer.json"
grep -q '^{"registered":\["Tessera.GTool","Tessera.CKalFKt","Tessera.CDrawLine","Tessera.CDrawRect","Tessera.CRasterBgrd","Tessera.CRasterBgrdSo","Tessera.CTextFile","Tessera.CFont","Tessera.CTextAttribut"\],"registry":"'"$registry"'","server":"/.*libtessera\.so' "$dir/answer.json"
grep -q '^ProgID=Tessera.GTool' "$registry"
server=$(sed -n 's/^InprocServer=//p' "$registry" | tr -d '\r' | head -n 1)
test -f "$server"

"$tool" unregister --registry "$registry" > /dev/null
cmp "$registry" "$dir/before.ini"

# A registry under a file cannot be written: the profile layer's error, and the tool exits with 1.
if "$tool" register --registry "$registry/x.ini" > "$dir/error.json"; then exit 1; fi
grep -q '^{"error":{"number":76,' "$dir/error.json"
