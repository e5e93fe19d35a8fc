#pragma once

// Resource ids of the framework tests' own template, icon and string.

#define IDD_FRAMEWORK_TEST 200
#define IDI_FRAMEWORK_TEST 210
#define IDS_FW_CHINESE_300 220

#define IDC_FW_NAME 301   // edit with a change handler
#define IDC_FW_NOTES 302  // edit without one
#define IDC_FW_BUTTON_A 401
#define IDC_FW_BUTTON_B 402
