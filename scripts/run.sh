#!/usr/bin/env bash
# Installs what is missing, builds Tessaly.exe and runs it under Wine.
# With a display ($DISPLAY) the dialog opens there. Without one, a scripted
# demonstration runs on a virtual display: a sample account is typed, the
# create button pressed, the shortcut read back with lnkinfo and a
# screenshot saved. Where this machine cannot run 32-bit programs, the
# 64-bit build of the same sources runs instead (scripts/wine-arch.sh).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/wine-arch.sh

# Says what failed and ends with its exit code, never silently.
fail() {
    local code=$?
    echo "run.sh: $1 failed (exit code $code)" >&2
    exit $((code == 0 ? 1 : code))
}

bash scripts/install-deps.sh || fail "installing the packages"
choose_wine_arch
preset=windows
if [ "$WINE_ARCH" = win64 ]; then
    echo "Showing the 64-bit build of the same sources: $WINE_ARCH_REASON."
    preset=windows-x64
fi
export TESSALY_WINE_ARCH=$WINE_ARCH
build=build/$preset
cmake --preset $preset >/dev/null || fail "configuring the $preset build"
cmake --build --preset $preset -j"$(nproc)" --target Tessaly tessaly_demo >/dev/null ||
    fail "building Tessaly.exe"
exe=$PWD/$build/Tessaly.exe
echo "Built $exe ($(stat -c %s "$exe") bytes)"
echo "SHA-256: $(sha256sum "$exe" | cut -d' ' -f1)"

# A prefix of its own, so that running the program never disturbs the tests'.
export TESSALY_WINEPREFIX=$PWD/build/run-wineprefix
harness=scripts/wine-harness.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    TESSALY_USE_DISPLAY=1 "$harness" "$exe" || fail "Tessaly.exe"
    exit 0
fi

echo "No display: running the scripted demonstration on a virtual display."
artifacts=$PWD/build/demo
mkdir -p "$artifacts"
trap '"$harness" --stop' EXIT
# The folder a client would be installed in, as its installer records it.
"$harness" reg add 'HKLM\SOFTWARE\TENCENT\QQ' /v Install /d 'C:\Program Files\Tencent\QQ' /f \
    >/dev/null 2>&1 || fail "recording the client's folder in Wine's registry"
"$harness" $build/tools/demo/tessaly_demo.exe "$exe" 'C:\tessaly-demo.bmp' 2>/dev/null ||
    fail "the demonstration (tessaly_demo.exe)"
prefix=$("$harness" --prefix)
desktop=$prefix/drive_c/users/$(id -un)/Desktop
link="$desktop/正常登陆QQ 123456789.lnk"
echo
echo "The shortcut, as lnkinfo reads it: $link"
lnkinfo -c windows-936 "$link" | sed -n '/^Link information/,/^$/p' || fail "lnkinfo"
convert "$prefix/drive_c/tessaly-demo.bmp" "$artifacts/dialog.png" || fail "saving the screenshot"
echo "Screenshot of the dialog: $artifacts/dialog.png"
