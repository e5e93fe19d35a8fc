# What makes the shipped Tessaly.exe small, kept apart from the warning and
# hardening flags. tessaly_optimise_for_size(Tessaly) applies it to the
# program and to every library of this project it links; the test programs
# link the same objects' ordinary code and keep the posix thread model.
#
# - -Os: nothing but the password hash runs long enough for speed to matter.
# - No exception or unwind tables in the program's own code (-fno-exceptions,
#   -fno-asynchronous-unwind-tables): it throws and catches nothing, so
#   nothing ever unwinds through its frames.
# - Link-time optimisation over the program's objects, built fat so that the
#   tests (and the static check reading the objects' calls) use their
#   ordinary code. The stack guard stays out: its canary and failure hooks are
#   referenced only by code the compiler emits late, which the link-time
#   optimiser would not see and would drop or take from libssp instead.
# - The win32 thread model's C++ runtime in place of the posix one, whose
#   winpthread the program never needs. Both come with the same GCC; the
#   objects are compiled alike, only the runtime linked differs.
# - The runtime's throw helpers replaced (fail_fast_throws.cpp, beside the
#   entry point): see there.
# Section garbage collection and stripping are Tessaly's own link options.

# -O2 where speed matters (the password hash), and in the adapter that
# creates the shortcut's private file: at -Os libstdc++'s string copies stay
# calls into the runtime, which is built without _FORTIFY_SOURCE; at -O2 they
# are inlined and their copies checked where the buffer's size is known.
set(TESSALY_SIZE_KEEPS_O2
    ${PROJECT_SOURCE_DIR}/core/md5_digest.cpp
    ${PROJECT_SOURCE_DIR}/platform/win32/win32_shortcut_files.cpp)
set(TESSALY_SIZE_NO_LTO tessaly_stack_guard)
# The same GCC's runtime folder of the other thread model: .../12-posix/ -> .../12-win32/.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
    OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(runtime ${libgcc} DIRECTORY)
string(REGEX REPLACE "-posix$" "-win32" TESSALY_WIN32_THREADS_RUNTIME ${runtime})
if(NOT EXISTS ${TESSALY_WIN32_THREADS_RUNTIME}/libstdc++.a)
    message(FATAL_ERROR "No win32 thread model runtime at ${TESSALY_WIN32_THREADS_RUNTIME} (apt-get install g++-mingw-w64)")
endif()

# The targets of this project that `target` links, directly or not.
function(tessaly_linked_targets target result)
    set(found ${${result}})
    get_target_property(libraries ${target} LINK_LIBRARIES)
    foreach(library IN LISTS libraries)
        if(TARGET ${library} AND NOT library IN_LIST found)
            get_target_property(imported ${library} IMPORTED)
            get_target_property(folder ${library} SOURCE_DIR)
            if(NOT imported AND folder MATCHES "^${PROJECT_SOURCE_DIR}/")
                list(APPEND found ${library})
                tessaly_linked_targets(${library} found)
            endif()
        endif()
    endforeach()
    set(${result} ${found} PARENT_SCOPE)
endfunction()

function(tessaly_optimise_for_size program)
    set(compiled ${program})
    tessaly_linked_targets(${program} compiled)
    foreach(target IN LISTS compiled)
        target_compile_options(${target} PRIVATE
            $<$<COMPILE_LANGUAGE:C,CXX>:-Os> $<$<COMPILE_LANGUAGE:C,CXX>:-fno-asynchronous-unwind-tables>
            $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions>)
        if(NOT target IN_LIST TESSALY_SIZE_NO_LTO)
            target_compile_options(${target} PRIVATE
                $<$<COMPILE_LANGUAGE:C,CXX>:-flto -ffat-lto-objects>)
        endif()
        # Every other program linking them (the tests) takes their ordinary
        # code with the linker plugin off: on i686 the plugin's view of the
        # objects clashes with the tests' own copies of inline definitions.
        if(NOT target STREQUAL program)
            target_link_options(${target} INTERFACE
                $<$<NOT:$<BOOL:$<TARGET_PROPERTY:TESSALY_LINK_TIME_OPTIMISED>>>:-fno-lto>)
        endif()
    endforeach()
    set_target_properties(${program} PROPERTIES TESSALY_LINK_TIME_OPTIMISED ON)
    foreach(source IN LISTS TESSALY_SIZE_KEEPS_O2)
        get_filename_component(folder ${source} DIRECTORY)
        set_source_files_properties(${source} DIRECTORY ${folder} PROPERTIES COMPILE_OPTIONS -O2)
    endforeach()
    # One partition: the program is small, and the output stays reproducible.
    target_link_options(${program} PRIVATE -Os -flto -flto-partition=one
        -B${TESSALY_WIN32_THREADS_RUNTIME}/ -no-pthread)
endfunction()
