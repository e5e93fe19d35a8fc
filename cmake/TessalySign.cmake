# tessaly_sign(FILE): Authenticode-signs FILE in place with osslsigncode (SHA-256,
# the product name and web address in the signature) when the environment
# names a certificate: TESSALY_SIGN_PFX a PKCS#12 file, TESSALY_SIGN_PASSWORD
# its password, TESSALY_SIGN_TIMESTAMP_URL an RFC 3161 time stamp server.
# Without TESSALY_SIGN_PFX it does nothing.
function(tessaly_sign file)
    if("$ENV{TESSALY_SIGN_PFX}" STREQUAL "")
        return()
    endif()
    set(arguments sign -pkcs12 $ENV{TESSALY_SIGN_PFX} -h sha256
        -n Tessaly -i ${CPACK_TESSALY_AUTHOR_WEB_ADDRESS})
    if(NOT "$ENV{TESSALY_SIGN_PASSWORD}" STREQUAL "")
        # From a file only its owner can read, not from the command line,
        # which every user of the machine can see.
        set(password ${file}.password)
        file(WRITE ${password} "")
        file(CHMOD ${password} PERMISSIONS OWNER_READ OWNER_WRITE)
        file(APPEND ${password} "$ENV{TESSALY_SIGN_PASSWORD}")
        list(APPEND arguments -readpass ${password})
    endif()
    if(NOT "$ENV{TESSALY_SIGN_TIMESTAMP_URL}" STREQUAL "")
        list(APPEND arguments -ts $ENV{TESSALY_SIGN_TIMESTAMP_URL})
    endif()
    execute_process(COMMAND ${CPACK_TESSALY_OSSLSIGNCODE} ${arguments} -in ${file} -out ${file}.signed
                    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(password)
        file(REMOVE ${password})
    endif()
    if(failed)
        message(FATAL_ERROR "Could not sign ${file}:\n${output}")
    endif()
    file(RENAME ${file}.signed ${file})
    message(STATUS "Signed ${file}")
endfunction()
