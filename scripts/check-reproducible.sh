#!/usr/bin/env bash
# Builds Tessaly.exe twice from the current commit, in two fresh folders of
# different names and depths, and compares the two files byte for byte.
# Not part of the test command (two full builds); run it before a release.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
builds=("$work/one" "$work/another/place/two")
for dir in "${builds[@]}"; do
    bash scripts/clean-build.sh "$dir"
done
sha256sum "${builds[0]}/build/windows/Tessaly.exe" "${builds[1]}/build/windows/Tessaly.exe"
if cmp "${builds[0]}/build/windows/Tessaly.exe" "${builds[1]}/build/windows/Tessaly.exe"; then
    echo "reproducible: the two builds are identical"
else
    echo "NOT reproducible: the two builds differ"
    exit 1
fi
