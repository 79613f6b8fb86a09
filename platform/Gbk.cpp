#include "platform/Gbk.h"

#include <iconv.h>

namespace {
bool Convert(const char* szTo, const char* szFrom, std::string_view in, std::string& out)
{
    const iconv_t cd = iconv_open(szTo, szFrom);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string result(in.size() * 2 + 4, '\0');  // either way a character at most doubles (GBK 2 to UTF-8 3)
    char* pIn = const_cast<char*>(in.data());
    std::size_t nInLeft = in.size();
    char* pOut = result.data();
    std::size_t nOutLeft = result.size();
    const std::size_t rc = iconv(cd, &pIn, &nInLeft, &pOut, &nOutLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || nInLeft != 0)
        return false;
    result.resize(result.size() - nOutLeft);
    out = std::move(result);
    return true;
}
}  // namespace

bool Utf8ToGbk(std::string_view utf8, std::string& gbk)
{
    return Convert("GBK", "UTF-8", utf8, gbk);
}

bool GbkToUtf8(std::string_view gbk, std::string& utf8)
{
    return Convert("UTF-8", "GBK", gbk, utf8);
}
