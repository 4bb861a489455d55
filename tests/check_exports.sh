#!/usr/bin/env bash
# Compares the dynamic symbol table of the library with the functions the
# header declares (both ways) and with the API inventory.
set -euo pipefail
lib=$1 declared=$2 inventory=$3
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
nm -D --defined-only "$lib" | awk '$2 ~ /^[TtWwiI]$/ {print $3}' | sed 's/@.*//' | sort -u > "$tmp/exported"
sort -u "$declared" > "$tmp/declared"
cut -f1 "$inventory" | sort -u > "$tmp/inventory"
nm -D --defined-only "$lib" | awk '$2 !~ /^[TtWwiI]$/ {print $3}' | grep -v '^$' > "$tmp/other" || true
status=0
if ! diff -u "$tmp/declared" "$tmp/exported" > "$tmp/diff"; then
    echo "exported functions differ from the header's declarations (- declared only, + exported only):"
    grep -E '^[-+][^-+]' "$tmp/diff" || true
    status=1
fi
if [ -s "$tmp/other" ]; then echo "exported data or other symbols:"; cat "$tmp/other"; status=1; fi
extra=$(comm -23 "$tmp/declared" "$tmp/inventory")
if [ -n "$extra" ]; then echo "declared but not in the API inventory:"; echo "$extra"; status=1; fi
echo "exports: $(wc -l < "$tmp/exported") of $(wc -l < "$tmp/inventory") functions of the inventory"
exit $status
