// Numbers of the program's resources, controls and commands. A number, once
// given, keeps its meaning.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_QUILLET_DIALOG 103

// Strings
#define IDS_ABOUTBOX 101

// Icons
#define IDR_MAINFRAME 128

// Images (PNG, by type name)
#define IDB_PRODUCT_LOGO 101   // IMAGE_BLOB
#define IDB_SUCCESS_MARK 102   // IMAGE_BLOB2
#define IDB_ERROR_MARK 103     // IMAGE_BLOB3

// Host controls
#define IDC_BOTTOM_BAND 1001
#define IDC_TOP_LINE 1004
#define IDC_HEADER_LINE 1006
#define IDC_HEADER_ICON 1007
#define IDC_HEADER_TITLE 1008
#define IDC_PAGE_AREA 1014

// About box controls
#define IDC_ABOUT_VERSION 1045

// System-menu command of the about box
#define IDM_ABOUTBOX 0x0010
