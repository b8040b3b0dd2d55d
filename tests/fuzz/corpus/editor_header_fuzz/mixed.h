#define IDOK 1
#define IDC_HEX 0x10
#define IDC_OCT 0170
#define IDC_NEG -5
#define FLAG
#define F(x) x
#define IDC_A 300
#define IDC_B 100
#define IDC_A 300
