#!/usr/bin/env bash
# Start-up benchmark (not a test): Tessaly.exe against a bare program with the
# same dialog template, manifest and icon, each started N times (default 20)
# in turns under Wine on the harness's virtual display; prints the time until
# each shows its window, the minimum, median and maximum, and the ratio.
#
#     bash bench/startup.sh [N]
#
# It runs the build of the Wine this machine runs (scripts/wine-arch.sh): the
# 64-bit one where 32-bit programs cannot run. Run it on an idle machine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/wine-arch.sh
choose_wine_arch
preset=windows
[ "$WINE_ARCH" = win32 ] || preset=windows-x64
cmake --preset $preset >/dev/null
cmake --build --preset $preset -j"$(nproc)" --target tessaly_startup_timer >/dev/null
echo "wine: $WINE_ARCH_REASON"
build=$PWD/build/$preset
ls -l "$build/Tessaly.exe" "$build/bench/startup/tessaly_bare_dialog.exe"
TESSALY_WINE_ARCH=$WINE_ARCH bash scripts/wine-harness.sh \
    "$build/bench/startup/tessaly_startup_timer.exe" "${1:-20}" \
    "$build/Tessaly.exe" "$build/bench/startup/tessaly_bare_dialog.exe"
