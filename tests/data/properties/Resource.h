#define IDC_STATIC -1
#define IDD_PROPS 101
#define IDD_OTHER 102
#define IDC_EDIT1 1001
#define IDC_LIST1 1002
#define IDC_VBAR 1003
#define IDC_HBAR 1004
#define IDC_CHECK1 1005
