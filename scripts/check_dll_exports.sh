#!/usr/bin/env bash
# The 32-bit Windows DLL exports exactly the functions the Linux library does.
set -euo pipefail
dll=$1 so=$2
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
i686-w64-mingw32-objdump -p "$dll" | awk '
    /^\[Ordinal\/Name Pointer\] Table/ { t = 1; next }
    t && /^[ \t]*\[ *[0-9]+\]/ { print $NF; next }
    t && NF == 0 { t = 0 }' | sort -u > "$tmp/dll"
nm -D --defined-only "$so" | awk '$2 ~ /^[TtWwiI]$/ {print $3}' | sed 's/@.*//' | sort -u > "$tmp/so"
if ! diff -u "$tmp/so" "$tmp/dll" > "$tmp/diff"; then
    echo "DLL exports differ from the Linux library (- Linux only, + DLL only):"
    grep -E '^[-+][^-+]' "$tmp/diff" || true
    exit 1
fi
echo "dll exports: $(wc -l < "$tmp/dll") functions, the same as the Linux library"
