#!/bin/sh
# Scripted editing sessions on the example raster directory: each sessions/NAME_requests.jsonl is
# run by one `tessera call --batch` on a fresh copy, and its answers must be NAME_expected.jsonl.
set -eu
tool=$1 make_example=$2
here=$(dirname "$0")/sessions
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
status=0
for requests in "$here"/*_requests.jsonl; do
  name=$(basename "$requests" _requests.jsonl)
  rm -rf "$dir/Raster"
  "$make_example" "$dir/Raster" > /dev/null
  sed "s#@DIR@#$dir/Raster#g" "$requests" | "$tool" call --batch > "$dir/$name.jsonl"
  sed "s#$dir/Raster#@DIR@#g" "$dir/$name.jsonl" | diff -u "$here/${name}_expected.jsonl" - || status=1
done
exit $status
