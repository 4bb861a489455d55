#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when they are missing.
# With "win32", also the 32-bit Windows cross compiler.
set -euo pipefail
need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in cmake ninja-build g++ libgtest-dev libbenchmark-dev pkgconf binutils; do
    have "$pkg" || need+=("$pkg")
done
if [ "${1:-}" = win32 ]; then
    have g++-mingw-w64-i686-posix || need+=(g++-mingw-w64-i686-posix)
fi
if [ ${#need[@]} -gt 0 ]; then
    echo "installing: ${need[*]}"
    SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}"
fi
