#!/usr/bin/env bash
# Builds Tessaly.exe and its MSI twice from the current commit, in two fresh
# folders of different names and depths, and compares them byte for byte.
# Not part of the test command (two full builds); run it before a release.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
builds=("$work/one" "$work/another/place/two")
# The copies have no history to take the package's dates from.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
for dir in "${builds[@]}"; do
    bash scripts/clean-build.sh "$dir"
    (cd "$dir/build/windows" && cpack >/dev/null)
done
status=0
for file in Tessaly.exe "$(cd "${builds[0]}/build/windows" && echo Tessaly-*.msi)"; do
    sha256sum "${builds[0]}/build/windows/$file" "${builds[1]}/build/windows/$file"
    if cmp "${builds[0]}/build/windows/$file" "${builds[1]}/build/windows/$file"; then
        echo "reproducible: the two builds of $file are identical"
    else
        echo "NOT reproducible: the two builds of $file differ"
        status=1
    fi
done
exit $status
