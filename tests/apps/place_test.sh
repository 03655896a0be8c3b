#!/bin/sh
# tessera place when "Raster.ini" cannot take the placement: exit status 1, the file as it was.
set -eu
tool=$1 make_example=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$make_example" "$dir/Raster" > /dev/null
cp "$dir/Raster/Raster.ini" "$dir/before.ini"
place() {
  "$tool" place "$dir/Raster" 9 "$dir/Raster/plan.bmp" --height 29700 --width 42000 2>&1
}
# No byte may be written, as on a full disk (the size limit fails every write instead of
# signalling; the answer goes through a pipe, which it does not limit), then a read-only file.
if said=$(trap '' XFSZ; ulimit -f 0; place); then exit 1; fi
echo "$said" | grep -q 'placement was not written'
cmp "$dir/before.ini" "$dir/Raster/Raster.ini"
chmod 0444 "$dir/Raster/Raster.ini"
if place > /dev/null; then exit 1; fi
cmp "$dir/before.ini" "$dir/Raster/Raster.ini"
chmod 0644 "$dir/Raster/Raster.ini"
place > /dev/null
