#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when they are missing.
# With "win32", also the 32-bit Windows cross compiler; with "i686", the
# 32-bit x86 Linux compilers and libraries, GoogleTest's sources and the
# user-mode emulator that runs the 32-bit test programs; with "asan" (which
# also builds the fuzz targets) or "tsan", clang with its sanitizer and
# libFuzzer runtimes and LLVM's OpenMP runtime.
set -euo pipefail
need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in cmake ninja-build g++ libgtest-dev libbenchmark-dev pkgconf binutils; do
    have "$pkg" || need+=("$pkg")
done
if [ "${1:-}" = win32 ]; then
    have g++-mingw-w64-i686-posix || need+=(g++-mingw-w64-i686-posix)
fi
if [ "${1:-}" = i686 ]; then
    for pkg in g++-multilib googletest qemu-user; do
        have "$pkg" || need+=("$pkg")
    done
fi
if [ "${1:-}" = asan ] || [ "${1:-}" = tsan ]; then
    for pkg in clang libclang-rt-14-dev libomp-dev python3; do
        have "$pkg" || need+=("$pkg")
    done
fi
if [ ${#need[@]} -gt 0 ]; then
    echo "installing: ${need[*]}"
    SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}"
fi
