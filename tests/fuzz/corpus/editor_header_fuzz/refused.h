#define IDOK 2
