#!/bin/sh
# Drives the tool with a batch of requests against a settings file and compares every answer.
set -eu
tool=$1
here=$(dirname "$0")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '[RNR]\r\nFormat=S-G-E-R\r\n' > "$dir/Rnr.ini"
sed "s#@DIR@#$dir#g" "$here/batch_requests.jsonl" | "$tool" call --batch > "$dir/answers.jsonl"
# The parser's own wording of the last (malformed) line is not ours to pin down.
grep -q '^{"error":{"number":5,"source":"tessera","description":"\[json.exception.parse_error' "$dir/answers.jsonl"
grep -v 'json.exception' "$dir/answers.jsonl" | diff -u "$here/batch_expected.jsonl" -
