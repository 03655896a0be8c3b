#!/usr/bin/env bash
# check_install.sh <build dir> <consumer source> <scratch dir>
set -euo pipefail
build=$1 consumer=$2 scratch=$3
rm -rf "$scratch"
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

cmake -S "$consumer" -B "$scratch/cmake-host" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$scratch/cmake-host" >/dev/null
"$scratch/cmake-host/host"

export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib/$(gcc -print-multiarch)/pkgconfig"
c++ -std=c++20 "$consumer/host.cpp" -o "$scratch/pkg-host" $(pkg-config --cflags --libs tessera) \
  -Wl,-rpath,"$(pkg-config --variable=libdir tessera)"
"$scratch/pkg-host"
