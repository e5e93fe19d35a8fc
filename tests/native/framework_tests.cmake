# The dialog framework's message table lookup, which needs no window.
add_executable(tessaly_framework_native_tests
    ${CMAKE_CURRENT_LIST_DIR}/framework_message_table_test.cpp)
target_include_directories(tessaly_framework_native_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(tessaly_framework_native_tests PRIVATE GTest::gtest_main)
tessaly_strict(tessaly_framework_native_tests)
add_test(NAME framework_native_tests COMMAND tessaly_framework_native_tests)
