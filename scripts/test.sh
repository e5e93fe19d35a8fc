#!/usr/bin/env bash
# Installs what is missing, builds every build and runs every test level:
# native, native under AddressSanitizer + UBSan, and under Wine: the Win32
# adapters, the dialogs in four locales, Tessaly.exe itself, and the release
# (zip, signing, and the MSI under Wine's own msiexec).
#
# Where the machine runs 32-bit programs, the Wine levels run the shipped
# 32-bit build, and a few run the 64-bit build of the same sources too so that
# its path never breaks unnoticed. Where it cannot (or with
# TESSALY_WINE_ARCH=win64), they run the 64-bit build under 64-bit Wine, and
# the 32-bit Tessaly.exe gets its static checks (scripts/wine-arch.sh).
#
# TESSALY_FAIL_FAST=1 stops at the first level that fails (for mutation runs);
# TESSALY_DRY_RUN=1 prints the levels it would run and runs none.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/wine-arch.sh

dry_run=${TESSALY_DRY_RUN:-}
[ -n "$dry_run" ] || bash scripts/install-deps.sh

jobs=$(nproc)
# The Wine tests leave wineservers and virtual displays running: stop them.
stop_wine() {
    TESSALY_WINE_ARCH=win32 bash scripts/wine-harness.sh --stop
    TESSALY_WINE_ARCH=win64 bash scripts/wine-harness.sh --stop
}
[ -n "$dry_run" ] || trap stop_wine EXIT
summary=()
status=0

run_level() {
    local name=$1
    shift
    echo "=== $name"
    if [ -n "$dry_run" ]; then
        summary+=("$name: not run (dry run)")
    elif "$@"; then
        summary+=("$name: passed")
    else
        summary+=("$name: FAILED")
        status=1
        if [ "${TESSALY_FAIL_FAST:-}" = 1 ]; then
            printf '%s\n' "${summary[@]}"
            exit 1
        fi
    fi
}

# A check a path leaves out, and why: said where it would run, and again in the summary.
leave_out() {
    echo "--- left out: $1"
    summary+=("left out: $1")
}

build() {
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j"$jobs"
}

check_format() {
    local files
    files=$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' |
        while read -r file; do [ -f "$file" ] && echo "$file"; done)
    [ -z "$files" ] || clang-format --dry-run -Werror $files
}

run_level "format" check_format
run_level "native build" build native
run_level "native tests" ctest --preset native
run_level "sanitizer build" build asan
run_level "sanitizer tests" env ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --preset asan
run_level "windows build (32-bit: the shipped program and its tests)" build windows
run_level "windows build (64-bit: the same sources, for tests only)" build windows-x64

choose_wine_arch
echo "=== wine: $WINE_ARCH_REASON"
summary+=("wine: $WINE_ARCH_REASON")
if [ "$WINE_ARCH" = win32 ]; then
    run_level "wine tests, 32-bit (platform, registry in a WoW64 prefix, dialogs in four locales, smoke)" \
        ctest --preset windows -E '^release_'
    run_level "wine tests, 64-bit build (platform, dialogs in zh_CN, smoke)" \
        ctest --preset windows-x64 -R '^(platform_tests_wine|action_links_lnkinfo|dialog_tests_zh_CN|dialog_links_lnkinfo_zh_CN|tessaly_exe_smoke)$'
    run_level "release (zip, signing, MSI under 32-bit msiexec)" ctest --preset windows -R '^release_'
else
    run_level "static checks of the 32-bit Tessaly.exe (PE flags, imports, manifest, hardened objects)" \
        ctest --preset windows -R '^tessaly_exe_check$'
    leave_out "the 32-bit program's Wine tests: its platform, dialog and smoke tests run on the 64-bit build instead"
    leave_out "the 32-bit registry tests in a WoW64 prefix: the 64-bit build reads the 64-bit view, and says so"
    run_level "wine tests, 64-bit build (platform, dialogs in four locales, smoke)" ctest --preset windows-x64
    run_level "release (zip, signing, MSI under 64-bit msiexec)" \
        env TESSALY_WINE_ARCH=win64 ctest --preset windows -R '^release_'
    leave_out "starting the installed 32-bit Tessaly.exe after the MSI install"
fi

echo
echo "=== summary"
printf '%s\n' "${summary[@]}"
exit $status
