#!/usr/bin/env bash
# check_install.sh <build dir> <host source> <make_example> <scratch dir>
# Installs into a scratch prefix, moves the prefix, and builds the example host against the moved
# tree through the CMake package (as a C++17 project: the target must raise it to C++20) and
# through pkg-config; both show a floor into a PNG. Then the installed tool runs from the moved
# prefix, finds its library and, under an English locale, its English messages.
set -euo pipefail
build=$1 host=$2 make_example=$3 scratch=$4
rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/installed" >/dev/null
mv "$scratch/installed" "$scratch/prefix"
prefix=$scratch/prefix

fail() { echo "check_install: $*" >&2; exit 1; }
is_png() { [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$1 is no PNG"; }

# Only the public headers and what they include are installed.
[ -f "$prefix/include/tessera/tessera.hpp" ] || fail "tessera.hpp not installed"
[ -f "$prefix/include/tessera/frame/component/com_abi.h" ] || fail "com_abi.h not installed"
[ ! -e "$prefix/include/tessera/frame/component/dispatch_object.hpp" ] || fail "private headers installed"

"$make_example" "$scratch/Raster" >/dev/null

cmake -S "$host" -B "$scratch/cmake-host" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_STANDARD=17 >/dev/null
cmake --build "$scratch/cmake-host" >/dev/null
"$scratch/cmake-host/host" "$scratch/Raster" "$scratch/cmake-host.png" | tee "$scratch/host.out"
grep -qF 'RInStr("a\b\c", "\") = 4' "$scratch/host.out" || fail "RInStr without its position"
grep -qF 'RoundToLong(1e300) fails: 6 Overflow' "$scratch/host.out" || fail "the library's error did not reach the host"
is_png "$scratch/cmake-host.png"

export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib/$(gcc -print-multiarch)/pkgconfig"
c++ "$host/host.cpp" -o "$scratch/pkg-host" $(pkg-config --cflags --libs tessera) \
  -Wl,-rpath,"$(pkg-config --variable=libdir tessera)"
"$scratch/pkg-host" "$scratch/Raster" "$scratch/pkg-host.png"
cmp "$scratch/cmake-host.png" "$scratch/pkg-host.png" || fail "the two hosts drew differently"

# A floor whose raster file is neither BMP nor JPG: the library's English message for it.
mkdir -p "$scratch/Odd"
printf '[7]\r\nDatei=plan.gif\r\nDX=0\r\nDY=0\r\nFaktor=1\r\n' > "$scratch/Odd/Raster.ini"
: > "$scratch/Odd/plan.gif"
env -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 "$prefix/bin/tessera" render "$scratch/Odd" 7 \
  --height 100 --width 100 -o "$scratch/odd.png" >/dev/null 2>"$scratch/odd.err" || true
grep -q 'Only BMP and JPG files can be read' "$scratch/odd.err" || fail "no English message: $(cat "$scratch/odd.err")"
