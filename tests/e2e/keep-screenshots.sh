#!/usr/bin/env bash
# Converts the screenshots the end-to-end run left in the Wine prefix to PNG
# files in the build tree (the argument), and fails when one is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source_dir="$("$root/scripts/wine-harness.sh" --prefix)/drive_c/tessaly-test/e2e-936"
mkdir -p "$1"
for name in dialog about; do
    convert "$source_dir/$name.bmp" "$1/$name.png"
    echo "screenshot: $1/$name.png"
done
