// Morvid generated header file
#pragma once

#include <windows.h>

#define IDC_STATIC		-1
#define IDD_DLG1		100
#define IDC_BUTTON1		101
