// Numbers of the program's resources, controls and commands. A number, once
// given, keeps its meaning.
#pragma once

// Dialog templates
#define IDD_LANGUAGE_PAGE 9
#define IDD_LANGUAGE_PAGE_NORVIK 10
#define IDD_ABOUTBOX 100
#define IDD_LOADING_PAGE 102
#define IDD_QUILLET_DIALOG 103
#define IDD_ERROR_PAGE 108

// Strings
#define IDS_ABOUTBOX 101

// Icons
#define IDR_MAINFRAME 128

// Images (PNG, by type name)
#define IDB_PRODUCT_LOGO 101   // IMAGE_BLOB
#define IDB_SUCCESS_MARK 102   // IMAGE_BLOB2
#define IDB_ERROR_MARK 103     // IMAGE_BLOB3

// Locale documents (type LOCALE)
#define IDR_LOCALE_ISV_EN 101
#define IDR_LOCALE_ISV_ES 102
#define IDR_LOCALE_DLM_EN 105
#define IDR_LOCALE_DLM_ES 106
#define IDR_LOCALE_PUBLISHER 108  // fragment merged into every language

// Host controls
#define IDC_BOTTOM_BAND 1001
#define IDC_TOP_LINE 1004
#define IDC_HEADER_LINE 1006
#define IDC_HEADER_ICON 1007
#define IDC_HEADER_TITLE 1008
#define IDC_PAGE_AREA 1014

// Page chrome and buttons (every page)
#define IDC_PAGE_BAND 1002
#define IDC_PAGE_BAND_LINE 1009
#define IDC_NEXT 1010
#define IDC_ACCEPT 1021
#define IDC_DECLINE 1022
#define IDC_FINISH 1028
#define IDC_CLOSE 1035
#define IDC_SKIP_ALL 1048
#define IDC_AGREE 1050
#define IDC_BACK 1051

// Language pages
#define IDC_LANGUAGE_LIST 1000
#define IDC_SPLASH_TEXT 1011
#define IDC_SPLASH_TEXT_NORVIK 1012
#define IDC_SPLASH_TITLE_NORVIK 1013

// Loading page
#define IDC_LOADING_STATUS 1015
#define IDC_LOADING_PROGRESS 1043

// Error page
#define IDC_PAGE_IMAGE 1016
#define IDC_ERROR_TITLE 1036
#define IDC_ERROR_TEXT 1037

// Host command that shows the error page with a generic text
#define IDC_SHOW_ERROR 1038

// About box controls
#define IDC_ABOUT_VERSION 1045

// System-menu command of the about box
#define IDM_ABOUTBOX 0x0010
