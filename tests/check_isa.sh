#!/usr/bin/env bash
# Every function of the library that uses a 256- or 512-bit register must be
# code of a wide dispatch level (namespace zors::avx2 or zors::avx512): any
# other copy could run on a processor without those registers.
set -euo pipefail
lib=$1
#
# The undefined-behaviour sanitizer's function checks put a few bytes of
# data at the start of a function and jump over them; decoded as
# instructions they may seem to name any register, so they are skipped.
objdump -d -C --no-show-raw-insn "$lib" | awk '
    function before(a, b) { return length(a) != length(b) ? length(a) < length(b) : a < b }
    /^[0-9a-f]+ <\.L[^>]*>:$/ { next }  # a local label (32-bit PIC jump tables): same function
    /^[0-9a-f]+ <.*>:$/ { fn = $0; wide = (fn ~ /zors::avx2::|zors::avx512::/); seen += (fn ~ /<zors::avx2::/); listed = 0; first = 1; skip = ""; next }
    first && /^ *[0-9a-f]+:/ {
        first = 0
        if ($2 == "jmp" && $0 ~ /\+0x8>$/) { skip = $3; next }
    }
    skip != "" { addr = $1; sub(/:$/, "", addr); if (before(addr, skip)) next; skip = "" }
    !listed && /%[yz]mm[0-9]/ { listed = 1; if (wide) good++; else { bad++; print "wide registers outside the wide levels: " fn } }
    END {
        if (seen == 0) { print "no function of zors::avx2 in the disassembly: it was not read"; exit 1 }
        if (bad > 0) exit 1
        printf "isa isolation: %d wide-level functions, none outside zors::avx2 and zors::avx512\n", good
    }'
