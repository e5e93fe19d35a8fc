# The small dialog framework over plain Win32 (Windows builds only). Included
# from ui/CMakeLists.txt, hence the paths relative to this file.
add_library(tessaly_framework STATIC
    ${CMAKE_CURRENT_LIST_DIR}/application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_exchange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog.cpp
)
target_include_directories(tessaly_framework PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tessaly_framework PUBLIC tessaly_platform_win32 user32 comctl32)
tessaly_strict(tessaly_framework)
