#!/usr/bin/env bash
# The test command's choice of Wine, from its plan (TESSALY_DRY_RUN=1): a
# failing 32-bit probe takes the 64-bit path and says why, first in the Wine
# part and again in the summary; a working one keeps the 32-bit path;
# TESSALY_WINE_ARCH=win64 takes the 64-bit path whatever the probe says.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
failures=0
plan() { env -u TESSALY_WINE_ARCH TESSALY_DRY_RUN=1 "$@" bash scripts/test.sh; }
# expect TEXT PATTERN...: TEXT has a line matching each PATTERN, none for "!PATTERN".
expect() {
    local text=$1 pattern missing
    for pattern in "${@:2}"; do
        missing=0
        grep -qE -- "${pattern#!}" <<<"$text" || missing=1
        if [ $missing = "$([ "${pattern:0:1}" = '!' ] && echo 1 || echo 0)" ]; then
            echo "ok   $pattern"
        else
            echo "FAIL $pattern in:"$'\n'"$text"
            failures=$((failures + 1))
        fi
    done
}

cannot=$(plan TESSALY_WIN32_PROBE=false)
expect "$(grep -m1 '^=== wine' <<<"$cannot")" \
    '^=== wine: this machine cannot run 32-bit programs \(false: exit code 1\)'
expect "$(sed -n '/^=== summary/,$p' <<<"$cannot")" '^wine: this machine cannot run 32-bit programs'
expect "$cannot" '^=== wine tests, 64-bit build \(platform, dialogs in four locales, smoke\)$' \
    '^=== static checks of the 32-bit Tessaly.exe' '^=== release .*64-bit msiexec' \
    '^left out: starting the installed 32-bit Tessaly.exe' '!^=== wine tests, 32-bit'
expect "$(plan TESSALY_WIN32_PROBE=true)" '^=== wine: this machine runs 32-bit programs' \
    '^=== wine tests, 32-bit' '^=== wine tests, 64-bit build \(platform, dialogs in zh_CN, smoke\)$' \
    '!^left out'
expect "$(plan TESSALY_WIN32_PROBE=true TESSALY_WINE_ARCH=win64)" \
    '^=== wine: the 64-bit path, as TESSALY_WINE_ARCH=win64 asks' '!^=== wine tests, 32-bit'
exit $((failures > 0))
