#define IDD_DLG1 101
#define IDD_DLG3 103
