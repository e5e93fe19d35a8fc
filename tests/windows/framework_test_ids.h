#pragma once

// Resource ids of the framework tests' own template, strings and icon.

#define IDD_FRAMEWORK_TEST 200
#define IDD_FRAMEWORK_MISSING 201  // no such template
#define IDI_FRAMEWORK_TEST 210
#define IDI_FRAMEWORK_MISSING 211  // no such icon

#define IDC_FW_NAME 301  // edit with a change handler
#define IDC_FW_CITY 302  // edit without one
#define IDC_FW_NOTES 303
#define IDC_FW_BUTTON_A 401
#define IDC_FW_BUTTON_B 402
#define IDC_FW_RADIO 403
#define IDC_FW_UNBOUND 999  // not in the template

// 208..223 share one string block; 240 is in a block of its own that is absent.
#define IDS_FW_SHORT 220
#define IDS_FW_ASCII_1000 221
#define IDS_FW_ASCII_256 222
#define IDS_FW_DOUBLE_BYTE_300 223
#define IDS_FW_ABSENT_IN_BLOCK 219
#define IDS_FW_ABSENT_BLOCK 240
