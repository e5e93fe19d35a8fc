# How every Windows target is compiled and linked.
#
# Generic Win32 names mean their Unicode ("W") forms: the program never hands
# Windows text in the ANSI code page.
add_compile_definitions(UNICODE _UNICODE)

# Reproducible output: no link time stamp, no build folder in any string, so
# two builds of one commit give the same bytes wherever they are made.
add_compile_options(
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
add_link_options(LINKER:--no-insert-timestamp)

# Every function in a section of its own, so the linker drops what is unused.
add_compile_options(-ffunction-sections -fdata-sections)
