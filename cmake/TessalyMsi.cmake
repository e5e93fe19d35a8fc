# Run by CPack once the release's files are staged, before it zips them:
# signs the staged exe when a certificate is given (cmake/TessalySign.cmake),
# then builds Tessaly-<version>.msi around that same exe with wixl and signs it,
# and writes its winget manifest.
#
# Two builds of one commit give the same MSI: the product code follows the
# version, the package code the version and the exe, and every date is
# SOURCE_DATE_EPOCH (by default the time of the last commit).
include(${CMAKE_CURRENT_LIST_DIR}/TessalySign.cmake)
set(stage ${CPACK_TEMPORARY_INSTALL_DIRECTORY})
set(version ${CPACK_PACKAGE_VERSION})
set(msi ${CPACK_PACKAGE_DIRECTORY}/Tessaly-${version}.msi)
set(packaging ${CPACK_TESSALY_SOURCE_DIR}/packaging)

tessaly_sign(${stage}/Tessaly.exe)
set(FILE ${stage}/Tessaly.exe)
set(OUTPUT ${stage}/Tessaly.exe.sha256)
include(${CMAKE_CURRENT_LIST_DIR}/WriteChecksum.cmake)

set(epoch $ENV{SOURCE_DATE_EPOCH})
if(NOT epoch)
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CPACK_TESSALY_SOURCE_DIR}
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT epoch MATCHES "^[0-9]+$")
    set(epoch 315532800)  # 1980-01-01, the earliest time a cabinet can hold
endif()

file(READ ${packaging}/Tessaly.wxs wxs)
string(REGEX MATCH "UpgradeCode=\"([-0-9A-F]+)\"" _ "${wxs}")
set(upgrade_code ${CMAKE_MATCH_1})
file(SHA256 ${stage}/Tessaly.exe exe_hash)
string(UUID product_code NAMESPACE ${upgrade_code} NAME "product ${version}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${upgrade_code} NAME "package ${version} ${exe_hash}" TYPE SHA1 UPPER)

# wixl finds files relative to its working folder. The cabinet and the zip
# keep the files' modification times: they are the epoch's. (The zip also
# keeps their change times, which no one can set: two zips still differ.)
set(work ${CPACK_TOPLEVEL_DIRECTORY}/msi)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
file(COPY ${stage}/Tessaly.exe ${CPACK_TESSALY_ICON} DESTINATION ${work})
file(GLOB staged ${stage}/* ${work}/*)
execute_process(COMMAND touch -d @${epoch} ${staged} COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${work}/Tessaly.wxi "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Include>
  <?define Version = \"${version}\" ?>
  <?define ProductCode = \"${product_code}\" ?>
  <?define PackageCode = \"${package_code}\" ?>
  <?define Manufacturer = \"${CPACK_TESSALY_AUTHOR_NAME}\" ?>
  <?define HelpLink = \"${CPACK_TESSALY_AUTHOR_WEB_ADDRESS}\" ?>
  <?define Contact = \"${CPACK_TESSALY_AUTHOR_EMAIL}\" ?>
  <?define ExeSource = \"Tessaly.exe\" ?>
  <?define IconSource = \"Tessaly.ico\" ?>
</Include>
")
file(REMOVE ${msi})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
            ${CPACK_TESSALY_WIXL} -a x86 -I ${work} -o ${msi} ${packaging}/Tessaly.wxs
    WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)

# The database in code page 65001, then the texts and table rows wixl could
# not write (the exe's version in the File table is the release's).
file(WRITE ${work}/_ForceCodepage.idt "\r\n\r\n65001\t_ForceCodepage\r\n")
set(TESSALY_AUTHOR_NAME ${CPACK_TESSALY_AUTHOR_NAME})
set(arguments -i ${work}/_ForceCodepage.idt)
foreach(name texts tables)
    configure_file(${packaging}/Tessaly-${name}.sql.in ${work}/${name}.sql @ONLY)
    file(STRINGS ${work}/${name}.sql queries ENCODING UTF-8)
    foreach(query IN LISTS queries)
        list(APPEND arguments -q "${query}")
    endforeach()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${CPACK_TESSALY_MSIBUILD} ${msi} ${arguments}
                COMMAND_ERROR_IS_FATAL ANY)
# Public properties an elevated per-machine install takes from the command
# line: INSTALLDIR too. Its own call: a list would split the value.
execute_process(COMMAND ${CPACK_TESSALY_MSIBUILD} ${msi} -q "UPDATE `Property` SET `Value` = \
'INSTALLDIR;WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED' WHERE `Property` = 'SecureCustomProperties'"
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CPACK_TESSALY_PYTHON} ${packaging}/set-msi-summary.py
                        ${msi} ${package_code} ${epoch} 2052
                COMMAND_ERROR_IS_FATAL ANY)
tessaly_sign(${msi})
message(STATUS "Built ${msi}")

# The winget manifest of this package, in winget/<version>/ beside it: its
# hash is the published (signed) file's. The download address is the web
# address's, over HTTPS as winget requires.
file(SHA256 ${msi} msi_hash)
string(REGEX REPLACE "^http:" "https:" download_url "${CPACK_TESSALY_AUTHOR_WEB_ADDRESS}Tessaly-${version}.msi")
set(help_link ${CPACK_TESSALY_AUTHOR_WEB_ADDRESS})
file(GLOB manifests ${packaging}/winget/*.yaml.in)
foreach(manifest IN LISTS manifests)
    get_filename_component(name ${manifest} NAME_WLE)
    configure_file(${manifest} ${CPACK_PACKAGE_DIRECTORY}/winget/${version}/${name} @ONLY)
endforeach()
