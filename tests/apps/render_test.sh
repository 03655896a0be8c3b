#!/bin/sh
# tessera place and render on the example raster directory.
set -eu
tool=$1 make_example=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$make_example" "$dir/Raster" > /dev/null
"$tool" render "$dir/Raster" 5 --height 29700 --width 42000 --size 800x600 -o "$dir/floor5.png" > "$dir/answer.json"
grep -q '"written":\["'"$dir"'/floor5.png"\],"size":\[800,600\],"raster":"plan.bmp","picture":\[4200,2970\]' "$dir/answer.json"
head -c 4 "$dir/floor5.png" | grep -q PNG
"$tool" render "$dir/Raster" 5 --height 29700 --width 42000 --printer -o "$dir/page.png" > /dev/null
test -f "$dir/page-1.png"
# Placing the plan on floor 9 fits it to the floor's width and records its section.
"$tool" place "$dir/Raster" 9 "$dir/Raster/plan.bmp" --height 29700 --width 42000 > "$dir/placed.json"
grep -q '^{"placed":"plan.bmp","Dx":0,"Dy":0,"Zoom":10}' "$dir/placed.json"
grep -q '^\[9\]' "$dir/Raster/Raster.ini"
# A floor without a raster is an error.
if "$tool" render "$dir/Raster" 4 --height 1 --width 1 -o "$dir/none.png" 2> /dev/null; then exit 1; fi
# A surface past the picture budget is refused before anything is allocated or drawn.
if "$tool" render "$dir/Raster" 5 --height 29700 --width 42000 --size 2147483647x1 -o "$dir/huge.png" 2> "$dir/huge.txt"; then exit 1; fi
grep -q "past the picture budget" "$dir/huge.txt"
# A caption drawn through CFont changes the picture; a font without its size is a usage error.
"$tool" render "$dir/Raster" 5 --height 29700 --width 42000 --size 800x600 --label "Etage 5" \
  --font "Liberation Sans,20" -o "$dir/labelled.png" > /dev/null
if cmp -s "$dir/floor5.png" "$dir/labelled.png"; then exit 1; fi
status=0
"$tool" render "$dir/Raster" 5 --height 29700 --width 42000 --label x --font Arial -o "$dir/x.png" > /dev/null 2>&1 || status=$?
test "$status" -eq 2
