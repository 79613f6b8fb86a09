#include "model/TextFields.h"

#include <algorithm>
#include <cstring>

#include "model/StdAfx.h"
#include "platform/MessageBox.h"

namespace {

constexpr char WHITE_SPACE[] = " \t\r\n\v\f";

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(WHITE_SPACE);
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(WHITE_SPACE) - first + 1);
}

std::string ReadField(const BYTE* pField, int nBytes)
{
    if (nBytes <= 0)
        return {};
    const auto* p = reinterpret_cast<const char*>(pField);
    return Trimmed(std::string(p, std::find(p, p + nBytes, '\0')));
}

void ShowLengthError()
{
    AfxMessageBox(LangText("字符长度错误!", "Char len error!"), MB_OK, g_bChinese ? -2 : -3);
}

}  // namespace

std::string BytesToString(const BYTE* pField, int n)
{
    return ReadField(pField, n - 1);
}

std::string BytesToStringN(const BYTE* pField, int n)
{
    return ReadField(pField, n);
}

bool StringToBytes(BYTE* pField, int n, const std::string& s)
{
    if (n <= 0 || s.size() >= static_cast<size_t>(n)) {
        ShowLengthError();
        return false;
    }
    std::memset(pField, 0, static_cast<size_t>(n));
    std::memcpy(pField, s.data(), s.size());
    return true;
}

bool StringToBytesN(BYTE* pField, const std::string& s, int n)
{
    return StringToBytes(pField, n, s);
}

bool StringToBytesPadded(BYTE* pField, int n, const std::string& s, bool bSpaces)
{
    if (n < 0 || s.size() > static_cast<size_t>(n)) {
        ShowLengthError();
        return false;
    }
    std::memset(pField, bSpaces ? ' ' : 0, static_cast<size_t>(n));
    std::memcpy(pField, s.data(), s.size());
    return true;
}

bool IsBlank(const std::string& s)
{
    return s.find_first_not_of(WHITE_SPACE) == std::string::npos;
}
