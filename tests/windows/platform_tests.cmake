# The Win32 adapters against Wine's real registry, shell link and shell.
add_executable(tessaly_platform_tests
    code_page_encoder_test.cpp
    hardening_test.cpp
    registry_reader_test.cpp
    shell_link_test.cpp
    url_opener_test.cpp
    wine_test_support.cpp
)
target_link_libraries(tessaly_platform_tests PRIVATE
    tessaly_platform_win32 tessaly_core tessaly_test_support uuid gtest_main)
tessaly_strict(tessaly_platform_tests)
add_test(NAME platform_tests_wine COMMAND tessaly_platform_tests)
set_tests_properties(platform_tests_wine PROPERTIES FIXTURES_SETUP sample_links)

# The shortcut the tests leave behind, read by an independent parser on Linux.
add_test(NAME sample_link_lnkinfo
    COMMAND python3 ${PROJECT_SOURCE_DIR}/tests/support/check-lnkinfo.py C:/tessaly-test/links/expected.txt)
set_tests_properties(sample_link_lnkinfo PROPERTIES FIXTURES_REQUIRED sample_links)

# The shortcut creation action with the real adapters.
add_executable(tessaly_action_tests create_login_shortcut_test.cpp wine_test_support.cpp)
target_link_libraries(tessaly_action_tests PRIVATE
    tessaly_ui tessaly_platform_win32 tessaly_test_support gtest_main)
tessaly_strict(tessaly_action_tests)
add_test(NAME action_tests_wine COMMAND tessaly_action_tests)
set_tests_properties(action_tests_wine PROPERTIES FIXTURES_SETUP action_links)
add_test(NAME action_links_lnkinfo
    COMMAND python3 ${PROJECT_SOURCE_DIR}/tests/support/check-lnkinfo.py C:/tessaly-test/action/expected.txt)
set_tests_properties(action_links_lnkinfo PROPERTIES FIXTURES_REQUIRED action_links)

# Built with Tessaly.exe's hardening and stack guard, for the hardening tests.
add_executable(tessaly_hardening_probe hardening_probe.cpp)
target_link_libraries(tessaly_hardening_probe PRIVATE tessaly_stack_guard)
target_compile_options(tessaly_hardening_probe PRIVATE -O2)
tessaly_strict(tessaly_hardening_probe)
add_dependencies(tessaly_platform_tests tessaly_hardening_probe)

# Tessaly.exe's header and imports: hardening flags, no time stamp, system
# DLLs only and no ANSI text functions, at most 300 KB.
add_test(NAME tessaly_exe_pe_check
    COMMAND python3 ${PROJECT_SOURCE_DIR}/tests/support/check-pe.py $<TARGET_FILE:Tessaly>)
