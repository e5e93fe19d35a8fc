"""What users and administrators must read, written out once for the Python
checks, never taken from the program's files; tests/support/product_texts.h
has the same for the C++ tests."""

WEB_ADDRESS = "http://www.example.org/"
PUBLISHER = "林晓"
# The Start-menu shortcut the installer makes.
START_MENU_DESCRIPTION = "QQ 快捷登陆器: 创建自动登陆的桌面快捷方式"
