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

int IsPresetNameUsed(int nOwn, const BYTE* pName, bool bDevicePresets, int nLen)
{
    const size_t len = static_cast<size_t>(std::clamp(nLen, 0, static_cast<int>(sizeof(PresetImage::m_szName))));
    const auto nameOf = [&](int j) -> const char* {
        return bDevicePresets ? g_devImages[j].m_szName : g_effectPresets[j].m_szName;
    };
    const int count = bDevicePresets ? STORED_PRESETS : EFFECT_PRESETS;
    for (int j = 0; j < count; ++j) {
        if (j != nOwn && std::memcmp(nameOf(j), pName, len) == 0)
            return 1;
    }
    return 0;
}
