#!/usr/bin/env bash
# Every function of the library that uses a 256- or 512-bit register must be
# code of a wide dispatch level (namespace zors::avx2 or zors::avx512): any
# other copy could run on a processor without those registers.
set -euo pipefail
lib=$1
dis=$(objdump -d -C --no-show-raw-insn "$lib")
wide_fns() { awk '/^[0-9a-f]+ <.*>:$/ { fn = $0; next } /%[yz]mm[0-9]/ { print fn }' | sort -u; }
bad=$(wide_fns <<< "$dis" | grep -v -E 'zors::avx2::|zors::avx512::' || true)
good=$(wide_fns <<< "$dis" | grep -c -E 'zors::avx2::|zors::avx512::' || true)
if ! grep -q -E '^[0-9a-f]+ <zors::avx2::' <<< "$dis"; then
    echo "no function of zors::avx2 in the disassembly: it was not read"
    exit 1
fi
if [ -n "$bad" ]; then
    echo "wide registers outside the wide levels:"
    echo "$bad"
    exit 1
fi
echo "isa isolation: $good wide-level functions, none outside zors::avx2 and zors::avx512"
