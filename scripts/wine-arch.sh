# Sourced by the run and test commands: decides, once, which Wine this machine
# runs the Windows programs under, and says why.
#
#   choose_wine_arch    sets WINE_ARCH (win32 or win64) and WINE_ARCH_REASON
#
# Some kernels cannot start 32-bit programs at all ("IA-32 emulation off"):
# there the 32-bit Wine fails with "Exec format error" and the 64-bit build
# of the same sources runs under 64-bit Wine instead. The answer comes from
# trying a 32-bit program, the command TESSALY_WIN32_PROBE (by default the
# 32-bit Wine loader's --version). TESSALY_WINE_ARCH=win64 takes the 64-bit
# path on any machine.
choose_wine_arch() {
    local probe=${TESSALY_WIN32_PROBE:-/usr/lib/wine/wine --version} answer code=0
    if [ "${TESSALY_WINE_ARCH:-}" = win64 ]; then
        WINE_ARCH=win64
        WINE_ARCH_REASON="the 64-bit path, as TESSALY_WINE_ARCH=win64 asks"
        return
    fi
    answer=$($probe 2>&1) || code=$?
    answer=${answer%%$'\n'*}
    if [ $code = 0 ]; then
        WINE_ARCH=win32
        WINE_ARCH_REASON="this machine runs 32-bit programs ($probe: $answer)"
    else
        WINE_ARCH=win64
        WINE_ARCH_REASON="this machine cannot run 32-bit programs ($probe: ${answer:-exit code $code}): the 64-bit build runs under 64-bit Wine"
    fi
}
