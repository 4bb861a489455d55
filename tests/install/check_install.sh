#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds a C program against it,
# once with CMake's find_package and once with pkg-config.
set -euo pipefail
build=$1 src=$2 cc=$3
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" > /dev/null
cmake -S "$src" -B "$tmp/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$tmp/prefix" -DCMAKE_C_COMPILER="$cc" > /dev/null
cmake --build "$tmp/consumer" > /dev/null
"$tmp/consumer/consumer"
libdir=$(dirname "$(find "$tmp/prefix" -name 'libzors.so' | head -1)")
if command -v pkg-config > /dev/null; then
    export PKG_CONFIG_PATH="$libdir/pkgconfig"
    # shellcheck disable=SC2046
    "$cc" -std=c99 -Wall -Werror "$src/consumer.c" -o "$tmp/pc" $(pkg-config --cflags --libs zors) -Wl,-rpath,"$libdir"
    "$tmp/pc"
fi
