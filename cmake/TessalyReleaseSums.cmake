# Run by CPack once the zip is made: SHA256SUMS, in the form `sha256sum -c`
# reads, over the zip and the MSI of cmake/TessalyMsi.cmake.
set(sums "")
foreach(file IN LISTS CPACK_PACKAGE_FILES
        ITEMS ${CPACK_PACKAGE_DIRECTORY}/Tessaly-${CPACK_PACKAGE_VERSION}.msi)
    file(SHA256 ${file} hash)
    get_filename_component(name ${file} NAME)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
