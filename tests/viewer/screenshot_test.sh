#!/bin/sh
# tessera-view on the example raster directory, offscreen: it opens a floor and photographs itself,
# also while aligning its plan, and refuses arguments it cannot use before opening a window.
set -eu
viewer=$1 make_example=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen
"$make_example" "$dir/Raster" > /dev/null
"$viewer" "$dir/Raster" --floor 6 --size 640x480 --screenshot "$dir/floor6.png" 2> /dev/null
head -c 4 "$dir/floor6.png" | grep -q PNG
"$viewer" "$dir/Raster" --floor 6 --size 640x480 --screenshot-align "$dir/align6.png" 2> /dev/null
head -c 4 "$dir/align6.png" | grep -q PNG
status=0
"$viewer" "$dir/Raster" --floor Erdgeschoss 2> /dev/null || status=$?
test "$status" -eq 2
