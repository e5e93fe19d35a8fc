# Checks of the resource script: its texts against core/author_info.h, its ids
# against resources/resource.h and its templates against the designed layout.
# With the MinGW resource compiler at hand, the script is also compiled here
# (with the icon drawn by the build's own script) and the compiled resources are
# checked byte for byte: styles, tab stops, fonts, version block, icon, manifest.
set(TESSALY_RESOURCES_DIR ${PROJECT_SOURCE_DIR}/resources)

add_executable(tessaly_resources_native_tests resources_test.cpp)
target_link_libraries(tessaly_resources_native_tests PRIVATE
    tessaly_core tessaly_test_support GTest::gtest_main)
target_compile_definitions(tessaly_resources_native_tests PRIVATE
    TESSALY_RC_PATH="${TESSALY_RESOURCES_DIR}/Tessaly.rc"
    TESSALY_RESOURCE_H_PATH="${TESSALY_RESOURCES_DIR}/resource.h")
tessaly_strict(tessaly_resources_native_tests)
add_test(NAME resources_native_tests COMMAND tessaly_resources_native_tests)

find_program(TESSALY_WINDRES NAMES i686-w64-mingw32-windres)
find_package(Python3 COMPONENTS Interpreter)
if(TESSALY_WINDRES AND Python3_Interpreter_FOUND)
    set(compiled_dir ${CMAKE_CURRENT_BINARY_DIR}/compiled-resources)
    add_custom_command(
        OUTPUT ${compiled_dir}/Tessaly.ico
        COMMAND ${CMAKE_COMMAND} -E make_directory ${compiled_dir}
        COMMAND Python3::Interpreter ${TESSALY_RESOURCES_DIR}/make_icon.py ${compiled_dir}/Tessaly.ico
        DEPENDS ${TESSALY_RESOURCES_DIR}/make_icon.py
        COMMENT "Drawing the program icon for the resource tests"
        VERBATIM)
    add_custom_command(
        OUTPUT ${compiled_dir}/Tessaly.res
        COMMAND ${TESSALY_WINDRES} -I ${TESSALY_RESOURCES_DIR} -I ${compiled_dir}
                -i ${TESSALY_RESOURCES_DIR}/Tessaly.rc -O res -o ${compiled_dir}/Tessaly.res
        DEPENDS ${TESSALY_RESOURCES_DIR}/Tessaly.rc ${TESSALY_RESOURCES_DIR}/resource.h
                ${TESSALY_RESOURCES_DIR}/Tessaly.manifest ${compiled_dir}/Tessaly.ico
        COMMENT "Compiling the resource script for the resource tests"
        VERBATIM)
    add_custom_target(tessaly_resources_compiled_for_tests DEPENDS ${compiled_dir}/Tessaly.res)
    add_dependencies(tessaly_resources_native_tests tessaly_resources_compiled_for_tests)
    target_compile_definitions(tessaly_resources_native_tests PRIVATE
        TESSALY_COMPILED_RES_PATH="${compiled_dir}/Tessaly.res")
else()
    message(STATUS "i686-w64-mingw32-windres or Python 3 not found: "
                   "the compiled-resource tests are left out")
endif()
