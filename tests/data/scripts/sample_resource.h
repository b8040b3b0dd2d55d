// Identifiers of the sample script.
#define IDC_STATIC -1
#define IDD_ABOUT 100
#define IDD_LIST 101
#define IDR_MAIN 102
#define IDS_HELLO 103
#define IDI_APP 104
#define IDC_LIST 1000
#define IDC_EDIT 1001
#define IDM_EXIT 40001
