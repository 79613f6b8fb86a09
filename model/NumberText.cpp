#include "model/NumberText.h"

#include <charconv>

std::string FormatFixed(double dValue, int nDecimals)
{
    char buf[400];  // the widest double in fixed notation, with room for the decimals
    const auto res = std::to_chars(buf, buf + sizeof buf, dValue, std::chars_format::fixed, nDecimals);
    if (res.ec != std::errc{})
        return {};
    return std::string(buf, res.ptr);
}
