#!/usr/bin/env bash
# Checks that the program in a release is the build of these sources.
#
#   verify-release.sh RELEASE.zip|RELEASE.msi [--against Tessaly.exe]
#
# Takes Tessaly.exe out of the release, prints who signed the release and the
# program (when they are signed), removes the program's signature, builds the
# checked-out commit from scratch (scripts/clean-build.sh; check out the
# release's tag first) and compares the two byte for byte. --against compares
# with a program already built instead. Exits non-zero on any difference.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ $# = 1 ] || { [ $# = 3 ] && [ "$2" = --against ]; } ||
    { echo "usage: $0 RELEASE.zip|RELEASE.msi [--against Tessaly.exe]" >&2; exit 2; }
release=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints the subject of FILE's signer, or that FILE is not signed.
signer() {
    local subject
    subject=$(osslsigncode verify -in "$1" 2>/dev/null |
        sed -n "/^Signer's certificate/,\$ s/^[[:space:]]*Subject: //p" | head -n 1) || true
    if [ -n "$subject" ]; then
        echo "$2: signed by $subject"
    else
        echo "$2: not signed"
    fi
}

case "$release" in
    *.zip)
        unzip -p "$release" Tessaly.exe >"$work/Tessaly.exe" ||
            { echo "FAILED: no Tessaly.exe in $release" >&2; exit 1; } ;;
    *.msi)
        signer "$release" "the package"
        (cd "$work" && msiextract "$release" >/dev/null) ||
            { echo "FAILED: cannot read the package $release" >&2; exit 1; }
        found=$(find "$work" -name Tessaly.exe -type f)
        [ "$(echo "$found" | grep -c .)" = 1 ] ||
            { echo "FAILED: the package does not hold one Tessaly.exe" >&2; exit 1; }
        mv "$found" "$work/Tessaly.exe" ;;
    *)
        echo "usage: $0 RELEASE.zip|RELEASE.msi [--against Tessaly.exe]" >&2
        exit 2 ;;
esac
signer "$work/Tessaly.exe" "the program"
if osslsigncode remove-signature -in "$work/Tessaly.exe" -out "$work/unsigned.exe" >/dev/null 2>&1; then
    mv "$work/unsigned.exe" "$work/Tessaly.exe"
fi

if [ $# = 3 ]; then
    reference=$(realpath "$3")
else
    echo "Building $(git -C "$root" rev-parse --short HEAD) from scratch..."
    bash "$root/scripts/install-deps.sh"
    bash "$root/scripts/clean-build.sh" "$work/source"
    reference=$work/source/build/windows/Tessaly.exe
fi
if cmp -s "$work/Tessaly.exe" "$reference"; then
    echo "OK: the program is the build of these sources ($(sha256sum "$reference" | cut -d' ' -f1))"
else
    echo "FAILED: the program in $release differs from the build of these sources" >&2
    exit 1
fi
