# The release archive, Tessaly-<version>-win32.zip: the program, a short usage
# text and the program's SHA-256 (written beside the program at each build).
# Built by
#   cmake --build --preset windows --target package
install(TARGETS Tessaly RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/README.txt ${CMAKE_BINARY_DIR}/Tessaly.exe.sha256
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Tessaly-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
