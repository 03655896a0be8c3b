#!/bin/sh
# tessera place when "Raster.ini" cannot take the placement: exit status 1, one sentence naming the
# file and why, no message box, and the file as it was.
set -eu
tool=$1 make_example=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$make_example" "$dir/Raster" > /dev/null
cp "$dir/Raster/Raster.ini" "$dir/before.ini"
place() {
  "$tool" place "$dir/Raster" 9 "$dir/Raster/plan.bmp" --height 29700 --width 42000 2>&1
}
# The answer is exactly one line: tessera: cannot write '<file>': <why>.
refused() {
  [ "$(echo "$1" | wc -l)" -eq 1 ] || return 1
  echo "$1" | grep -qx "tessera: cannot write '$dir/Raster/Raster.ini': $2"
}
# No byte may be written, as on a full disk (the size limit fails every write instead of
# signalling; the answer goes through a pipe, which it does not limit), then a read-only file.
if said=$(trap '' XFSZ; ulimit -f 0; place); then exit 1; fi
refused "$said" '.*'
cmp "$dir/before.ini" "$dir/Raster/Raster.ini"
chmod 0444 "$dir/Raster/Raster.ini"
if said=$(place); then exit 1; fi
refused "$said" 'Permission denied'
cmp "$dir/before.ini" "$dir/Raster/Raster.ini"
# A pipe in the file's place is neither waited on nor written.
mv "$dir/Raster/Raster.ini" "$dir/Raster/kept.ini"
mkfifo "$dir/Raster/Raster.ini"
if said=$(place); then exit 1; fi
refused "$said" 'Path/File access error'
rm "$dir/Raster/Raster.ini"
mv "$dir/Raster/kept.ini" "$dir/Raster/Raster.ini"
chmod 0644 "$dir/Raster/Raster.ini"
place > /dev/null
