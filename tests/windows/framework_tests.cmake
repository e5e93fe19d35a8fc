# The dialog framework under Wine: a test-only dialog template run modally,
# plus the message table lookup again, built for 32-bit Windows.
add_executable(tessaly_framework_tests
    ${CMAKE_CURRENT_LIST_DIR}/framework_dialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/framework_test.rc
    ${PROJECT_SOURCE_DIR}/tests/native/framework_message_table_test.cpp
)
target_link_libraries(tessaly_framework_tests PRIVATE tessaly_framework gtest_main)
tessaly_strict(tessaly_framework_tests)
add_test(NAME framework_tests_wine COMMAND tessaly_framework_tests)
# windres finds the icon drawn for the program in the resources build folder.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/framework_test.rc PROPERTIES
    OBJECT_DEPENDS ${PROJECT_BINARY_DIR}/resources/Tessaly.ico)
target_include_directories(tessaly_framework_tests PRIVATE ${PROJECT_BINARY_DIR}/resources)
add_dependencies(tessaly_framework_tests tessaly_icon)
