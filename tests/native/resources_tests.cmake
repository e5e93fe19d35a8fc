# Checks of the resource script and resource.h: the author's texts against
# core/author_info.h, the main dialog's controls and styles, the ids.
add_executable(tessaly_resources_native_tests resources_test.cpp)
target_link_libraries(tessaly_resources_native_tests PRIVATE
    tessaly_core tessaly_test_support GTest::gtest_main)
target_compile_definitions(tessaly_resources_native_tests PRIVATE
    TESSALY_RC_PATH="${PROJECT_SOURCE_DIR}/resources/Tessaly.rc"
    TESSALY_RESOURCE_H_PATH="${PROJECT_SOURCE_DIR}/resources/resource.h")
tessaly_strict(tessaly_resources_native_tests)
add_test(NAME resources_native_tests COMMAND tessaly_resources_native_tests)
