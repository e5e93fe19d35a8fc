# The release, in the build folder: Tessaly-<version>-win32.zip (the program,
# a short usage text and the program's SHA-256), Tessaly-<version>.msi (built
# by cmake/TessalyMsi.cmake) and SHA256SUMS listing both. Built by
#   cmake --build --preset windows --target package
# With TESSALY_SIGN_PFX set then, the exe in both and the MSI are signed
# (cmake/TessalySign.cmake); build/windows/Tessaly.exe itself never is.
install(TARGETS Tessaly RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/README.txt ${CMAKE_BINARY_DIR}/Tessaly.exe.sha256
        DESTINATION .)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(TESSALY_WIXL wixl REQUIRED)
find_program(TESSALY_MSIBUILD msibuild REQUIRED)
find_program(TESSALY_OSSLSIGNCODE osslsigncode REQUIRED)

# The publisher, the help link and the contact address, read from the one place they are written.
foreach(name AUTHOR_NAME AUTHOR_EMAIL AUTHOR_WEB_ADDRESS)
    file(STRINGS ${PROJECT_SOURCE_DIR}/core/author_info.h line ENCODING UTF-8
         REGEX "^#define TESSALY_${name} \"[^\"]*\"$")
    string(REGEX REPLACE ".*\"(.*)\"" "\\1" CPACK_TESSALY_${name} "${line}")
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Tessaly-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# What the MSI and signing steps need when CPack runs them.
set(CPACK_TESSALY_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_TESSALY_ICON ${PROJECT_BINARY_DIR}/resources/Tessaly.ico)
set(CPACK_TESSALY_PYTHON ${Python3_EXECUTABLE})
set(CPACK_TESSALY_WIXL ${TESSALY_WIXL})
set(CPACK_TESSALY_MSIBUILD ${TESSALY_MSIBUILD})
set(CPACK_TESSALY_OSSLSIGNCODE ${TESSALY_OSSLSIGNCODE})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/TessalyMsi.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/TessalyReleaseSums.cmake)
include(CPack)
