// Identifiers of the example script.
#define IDC_STATIC -1
#define IDD_LOGIN 100
#define IDD_SETTINGS 101
#define IDD_PROGRESS 102
#define IDC_USER 1000
#define IDC_PASSWORD 1001
#define IDC_REMEMBER 1002
#define IDC_SPEED 1003
#define IDC_PORT 1004
#define IDC_MODE_FAST 1005
#define IDC_MODE_SAFE 1006
#define IDC_BAR 1007
#define IDC_LOG 1008
