#!/bin/sh
# The tool's manners: help and version on stdout with 0; wrong usage named on stderr with 2;
# failures that name their subject; place taking paths as the user means them. make_example keeps
# the same manners.
set -eu
tool=$1 make_example=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "manners: $*" >&2; exit 1; }

# expect STATUS PATTERN ARGS...: the exit status, and PATTERN in stdout (0) or stderr (others).
expect() {
  status=$1 pattern=$2; shift 2
  set +e; "$tool" "$@" > "$dir/out" 2> "$dir/err"; got=$?; set -e
  [ "$got" -eq "$status" ] || fail "$tool $*: exit $got, not $status"
  stream=$dir/err; [ "$status" -eq 0 ] && stream=$dir/out
  grep -qF -- "$pattern" "$stream" || fail "$tool $*: no '$pattern' in $(cat "$stream")"
}

"$make_example" "$dir/Raster" > /dev/null
floor="5 --height 29700 --width 42000"

expect 0 "tessera 0.1.0" --version
expect 0 "tessera place RASTERDIR" --help
expect 0 "usage: tessera render RASTERDIR" help render
expect 0 "usage: tessera register" register --help
expect 0 "usage: tessera call" call --help
expect 2 "no command 'frob'" help frob
expect 2 "unknown command 'frob'" frob
expect 2 "no command given"
expect 2 "--height: 'abc' is not a number" render "$dir/Raster" 5 --height abc --width 1 -o x.png
expect 2 "--width: '1.5' is not a whole number" render "$dir/Raster" 5 --height 1 --width 1.5 -o x.png
expect 2 "unknown option --bogus" render "$dir/Raster" $floor --bogus -o x.png
expect 2 "--view needs four numbers" render "$dir/Raster" $floor --view 1,2,3 -o x.png
expect 2 "--size needs two numbers" render "$dir/Raster" $floor --size 800 -o x.png
expect 2 "missing -o" render "$dir/Raster" $floor
expect 2 "missing FILE" place "$dir/Raster" $floor
expect 2 "unexpected argument 'extra'" register extra
expect 2 "FLOOR: 'five' is not a number" render "$dir/Raster" five --height 1 --width 1 -o x.png
expect 2 "no class for 'Nothing.Here'" call Nothing.Here

expect 1 "raster directory '$dir/none' does not exist" render "$dir/none" $floor -o x.png
expect 1 "holds no raster background for floor 4" render "$dir/Raster" 4 --height 1 --width 1 -o x.png
expect 1 "cannot write '$dir/no/such/floor.png'" render "$dir/Raster" $floor -o "$dir/no/such/floor.png"
: > "$dir/Raster/broken.bmp"
expect 1 "the raster file '$dir/Raster/broken.bmp' did not load" place "$dir/Raster" 7 "$dir/Raster/broken.bmp" --height 1 --width 1
printf '[8]\r\nDatei=broken.bmp\r\n' >> "$dir/Raster/Raster.ini"
expect 1 "the raster file 'broken.bmp' of floor 8 did not load" render "$dir/Raster" 8 --height 1 --width 1 -o x.png

# Place takes the file relative to where it runs and stores it as the library does: its bare name
# inside the raster directory (however that directory is written), its full path elsewhere.
cp "$dir/Raster/plan.bmp" "$dir/elsewhere.bmp"
(cd "$dir" && "$tool" place Raster/ 9 Raster/plan.bmp --height 29700 --width 42000) > "$dir/out"
grep -q '^{"placed":"plan.bmp",' "$dir/out" || fail "place inside: $(cat "$dir/out")"
(cd "$dir/Raster" && "$tool" place ./ 10 ../elsewhere.bmp --height 29700 --width 42000) > "$dir/out"
grep -q '^{"placed":"'"$dir"'/elsewhere.bmp",' "$dir/out" || fail "place elsewhere: $(cat "$dir/out")"
tr -d '\r' < "$dir/Raster/Raster.ini" | grep -qx 'Datei=\\.*\\elsewhere.bmp' || fail "stored: $(cat "$dir/Raster/Raster.ini")"

tool=$make_example
(cd "$dir" && expect 0 "usage: make_example DIRECTORY" --help && [ ! -e ./--help ]) || fail "--help made a directory"
expect 2 "missing DIRECTORY"
expect 2 "unknown option --bogus" "$dir/x" --bogus
expect 2 "unexpected argument 'b'" "$dir/a" b
: > "$dir/file"
expect 1 "cannot create '$dir/file/Raster'" "$dir/file/Raster"
