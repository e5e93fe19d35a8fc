# The program's compile flags as targets its own libraries link, so that
# third-party code built in the same tree (GoogleTest) keeps its own.

# Strict warnings: every target of the project links this one, PRIVATE.
add_library(tessaly_warnings INTERFACE)
target_compile_options(tessaly_warnings INTERFACE -Wall -Wextra -Werror)

# Hardening of the Windows build: stack canaries and checked buffer
# functions, with MinGW's libssp linked in statically (the link option brings
# it); no-execute data, a relocatable image for address randomisation, and
# terminal server awareness. The libraries at the bottom (core/, text/) link
# it PUBLIC, so whatever is built on them, the program and its tests, is
# compiled and linked the same way. Empty on the native build.
add_library(tessaly_hardening INTERFACE)
if(WIN32)
    target_compile_definitions(tessaly_hardening INTERFACE _FORTIFY_SOURCE=2)
    target_compile_options(tessaly_hardening INTERFACE -fstack-protector-strong)
    target_link_options(tessaly_hardening INTERFACE -fstack-protector-strong
        LINKER:--nxcompat LINKER:--dynamicbase LINKER:--tsaware)
endif()
