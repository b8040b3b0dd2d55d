// The number texts of the picture and the readouts, with the user's decimal
// separator passed in.
#pragma once

#include <string>

// Rounded to `digits` significant digits; fixed notation without trailing
// zeros while it fits, else scientific like 8,192E+3.
std::u16string FormatGeneral(long double value, int digits, char16_t separator);

// Fixed notation with three decimals (1,250).
std::u16string FormatFixed3(long double value, char16_t separator);
