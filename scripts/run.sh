#!/usr/bin/env bash
# Installs what is missing, builds Tessaly and says what was built.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" >/dev/null

echo "Built for 32-bit Windows:"
find build/windows -name '*.exe' -not -path '*/CMakeFiles/*' -printf '  %p (%s bytes)\n' | sort
