#pragma once
// Numbers formatted into texts. Always with a decimal point, whatever the user's locale.
#include <string>

// printf's "%.<nDecimals>f" of the value.
std::string FormatFixed(double dValue, int nDecimals);
