// Identifiers of Tessaly's resources, shared by the resource script and the C++
// code. Plain #defines only: windres reads this file through its preprocessor.
#ifndef TESSALY_RESOURCES_RESOURCE_H
#define TESSALY_RESOURCES_RESOURCE_H

// Dialog templates.
#define IDD_LAUNCHER_ABOUT 100
#define IDD_LAUNCHER_MAIN 102

// String table: the text of the about item in the system menu.
#define IDS_ABOUT_MENU 101

// Icon group: window icon and the about box's picture.
#define IDI_LAUNCHER 128

// Command id of the about item appended to the system menu. System command
// ids must keep their low four bits clear.
#define IDM_ABOUT 0x10

// Controls of the main dialog (besides IDCANCEL, the exit button).
#define IDC_INSTALL_FOLDER 1000
#define IDC_BROWSE 1001
#define IDC_QQ_NUMBER 1002
#define IDC_PASSWORD 1003
#define IDC_MODE_NORMAL 1004
#define IDC_MODE_INVISIBLE 1005
#define IDC_CREATE_SHORTCUT 1006
#define IDC_HOME_PAGE 1007
#define IDC_MORE_PROGRAMS 1008
#define IDC_FEEDBACK 1009

// Labels, group boxes and pictures that the code never addresses.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif  // TESSALY_RESOURCES_RESOURCE_H
