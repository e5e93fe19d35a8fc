#!/usr/bin/env bash
# The test command's choice of Wine, from its plan (TESSALY_DRY_RUN=1): a
# failing 32-bit probe takes the 64-bit path and says why, first in the Wine
# part and again in the summary; a working one keeps the 32-bit path;
# TESSALY_WINE_ARCH=win64 takes the 64-bit path whatever the probe says.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
failures=0

expect() {  # expect WHAT PLAN PATTERN: PLAN has a line matching PATTERN
    if grep -qE -- "$3" <<<"$2"; then
        echo "ok   $1"
    else
        echo "FAIL $1: no line matches '$3' in:"$'\n'"$2"
        failures=$((failures + 1))
    fi
}
refuse() {  # refuse WHAT PLAN PATTERN: no line of PLAN matches PATTERN
    if grep -qE -- "$3" <<<"$2"; then
        echo "FAIL $1: '$3' is in the plan"
        failures=$((failures + 1))
    else
        echo "ok   $1"
    fi
}
plan() {
    env -u TESSALY_WINE_ARCH TESSALY_DRY_RUN=1 "$@" bash scripts/test.sh
}

cannot=$(plan TESSALY_WIN32_PROBE=false)
wine_part=$(sed -n '/^=== wine/,$p' <<<"$cannot")
expect "a failed probe is the Wine part's first line" "$(head -n 1 <<<"$wine_part")" \
    '^=== wine: this machine cannot run 32-bit programs \(false: exit code 1\)'
expect "and the summary's" "$(sed -n '/^=== summary/,$p' <<<"$cannot")" \
    '^wine: this machine cannot run 32-bit programs'
expect "every Wine test runs on the 64-bit build" "$cannot" \
    '^=== wine tests, 64-bit build \(platform, dialogs in four locales, smoke\)$'
expect "the shipped exe keeps its static checks" "$cannot" '^=== static checks of the 32-bit Tessaly.exe'
expect "the MSI goes through 64-bit msiexec" "$cannot" '^=== release .*64-bit msiexec'
expect "what is left out is said" "$cannot" '^left out: starting the installed 32-bit Tessaly.exe'
refuse "no 32-bit Wine level" "$cannot" '^=== wine tests, 32-bit'

can=$(plan TESSALY_WIN32_PROBE=true)
expect "a working probe keeps the 32-bit path" "$can" '^=== wine: this machine runs 32-bit programs'
expect "its Wine tests run on the 32-bit build" "$can" '^=== wine tests, 32-bit'
expect "and a few on the 64-bit one" "$can" '^=== wine tests, 64-bit build \(platform, dialogs in zh_CN, smoke\)$'
refuse "nothing is left out" "$can" '^left out'

forced=$(plan TESSALY_WIN32_PROBE=true TESSALY_WINE_ARCH=win64)
expect "TESSALY_WINE_ARCH=win64 forces the 64-bit path" "$forced" \
    '^=== wine: the 64-bit path, as TESSALY_WINE_ARCH=win64 asks'
refuse "and no 32-bit Wine level" "$forced" '^=== wine tests, 32-bit'

[ $failures = 0 ] && echo "all passed" || echo "$failures failed"
exit $((failures > 0))
