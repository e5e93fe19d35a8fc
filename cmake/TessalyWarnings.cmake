# Every target of the project builds with the same strict warnings; third-party
# code (GoogleTest) is added before these are applied or keeps its own flags.
function(tessaly_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
