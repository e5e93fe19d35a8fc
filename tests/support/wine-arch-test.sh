#!/usr/bin/env bash
# The test command's choice of Wine, from its plan (TESSALY_DRY_RUN=1): a
# failing 32-bit probe takes the 64-bit path and says why, first in the Wine
# part and again in the summary; a working one keeps the 32-bit path;
# TESSALY_WINE_ARCH=win64 takes the 64-bit path whatever the probe says.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
failures=0
plan() { env -u TESSALY_WINE_ARCH TESSALY_DRY_RUN=1 "$@" bash scripts/test.sh; }
# expect PLAN PATTERN [absent]: PLAN has a line matching PATTERN (or none).
expect() {
    local found=yes
    grep -qE -- "$2" <<<"$1" || found=no
    if [ "$found" = "$([ "${3:-}" = absent ] && echo no || echo yes)" ]; then
        echo "ok   ${3:-}${3:+: }$2"
    else
        echo "FAIL ${3:-}${3:+: }$2 in:"$'\n'"$1"
        failures=$((failures + 1))
    fi
}

cannot=$(plan TESSALY_WIN32_PROBE=false)
expect "$(grep -m1 '^=== wine' <<<"$cannot")" \
    '^=== wine: this machine cannot run 32-bit programs \(false: exit code 1\)'
expect "$(sed -n '/^=== summary/,$p' <<<"$cannot")" '^wine: this machine cannot run 32-bit programs'
expect "$cannot" '^=== wine tests, 64-bit build \(platform, dialogs in four locales, smoke\)$'
expect "$cannot" '^=== static checks of the 32-bit Tessaly.exe'
expect "$cannot" '^=== release .*64-bit msiexec'
expect "$cannot" '^left out: starting the installed 32-bit Tessaly.exe'
expect "$cannot" '^=== wine tests, 32-bit' absent

can=$(plan TESSALY_WIN32_PROBE=true)
expect "$can" '^=== wine: this machine runs 32-bit programs'
expect "$can" '^=== wine tests, 32-bit'
expect "$can" '^=== wine tests, 64-bit build \(platform, dialogs in zh_CN, smoke\)$'
expect "$can" '^left out' absent

forced=$(plan TESSALY_WIN32_PROBE=true TESSALY_WINE_ARCH=win64)
expect "$forced" '^=== wine: the 64-bit path, as TESSALY_WINE_ARCH=win64 asks'
expect "$forced" '^=== wine tests, 32-bit' absent
exit $((failures > 0))
