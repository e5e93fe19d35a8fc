#!/usr/bin/env bash
# Installs what is missing, builds every build and runs every test level:
# native, native under AddressSanitizer + UBSan, and under 32-bit Wine (the
# Win32 adapters; the dialogs in four locales; Tessaly.exe itself; the
# release: zip, signing, and the MSI under Wine's own msiexec).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
# The Wine tests leave a wineserver and a virtual display running: stop them.
trap 'bash scripts/wine-harness.sh --stop' EXIT
summary=()
status=0

# TESSALY_FAIL_FAST=1 stops at the first level that fails (for mutation runs).
run_level() {
    local name=$1
    shift
    echo "=== $name"
    if "$@"; then
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
run_level "windows build" build windows
run_level "wine tests (integration and end-to-end)" ctest --preset windows -E '^release_'
run_level "release (zip, signing, MSI under msiexec)" ctest --preset windows -R '^release_'

echo
echo "=== summary"
printf '%s\n' "${summary[@]}"
exit $status
