#!/usr/bin/env bash
# Builds Tessaly.exe of the checked-out commit from scratch in DIR (a new
# folder): its sources from `git archive HEAD`, nothing from the working tree.
#
#   clean-build.sh DIR      gives DIR/build/windows/Tessaly.exe
#
# `cpack` in DIR/build/windows then packages it without building the tests.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mkdir -p "$1"
git archive HEAD | tar -x -C "$1"
cd "$1"
cmake --preset windows -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build --preset windows -j"$(nproc)" --target Tessaly >/dev/null
