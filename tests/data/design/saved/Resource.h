// Morvid generated header file
#pragma once

#include <windows.h>

#define IDC_STATIC		-1
#define IDD_ZETA		101
#define IDD_ALPHA		102
#define IDD_MID		103
#define IDC_NAME		1001
#define IDC_BAR		1002
#define IDC_CHECK		1003
#define IDC_LIST		1004
#define IDC_WIDGET		1005
#define IDD_DLG1		1006
