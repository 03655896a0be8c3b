#!/usr/bin/env bash
# check_exports.sh <libtessera.so> <expected list>
# The library's exported symbols, demangled and sorted, must be the list kept in the repository,
# so that the interface a host links against changes only on purpose. After a deliberate change:
#   tests/install/check_exports.sh build/test/src/tessera/libtessera.so tests/install/exported_symbols.txt --update
set -euo pipefail
library=$1 expected=$2
exported() { nm -D --defined-only -C "$library" | cut -d' ' -f3- | LC_ALL=C sort -u; }
if [ "${3:-}" = --update ]; then
  exported > "$expected"
  exit 0
fi
exported | diff -u "$expected" - || {
  echo "check_exports: the exported symbols changed; if on purpose, run this script with --update" >&2
  exit 1
}
