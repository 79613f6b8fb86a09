#include "tests/support/FrameBytes.h"

#include <cstdio>

std::vector<BYTE> HexBytes(const std::string& strHex)
{
    std::vector<BYTE> bytes;
    std::string digits;
    for (char c : strHex) {
        if (c == ' ')
            continue;
        digits += c;
        if (digits.size() == 2) {
            bytes.push_back(static_cast<BYTE>(std::stoi(digits, nullptr, 16)));
            digits.clear();
        }
    }
    return bytes;
}

std::string HexText(const BYTE* pBytes, int nLength)
{
    std::string strText;
    char sz[4];
    for (int i = 0; i < nLength; ++i) {
        std::snprintf(sz, sizeof(sz), i ? " %02X" : "%02X", pBytes[i]);
        strText += sz;
    }
    return strText;
}

std::vector<BYTE> Framed(const std::vector<BYTE>& body)
{
    std::vector<BYTE> frame{0x6B, 0x6B, 0x6B, 0xEE};
    BYTE byCheck = 0;
    for (BYTE by : body)
        byCheck ^= by;
    frame.insert(frame.end(), body.begin(), body.end());
    frame.push_back(byCheck);
    frame.push_back(0xAA);
    return frame;
}

std::vector<BYTE> ReplyFrame(BYTE byKind, int nPreset, int nBlock, int nIndex, int nSub,
                             const std::vector<BYTE>& payload)
{
    const auto nLength = payload.size();
    std::vector<BYTE> body{byKind, 1, static_cast<BYTE>(nPreset), static_cast<BYTE>(nBlock),
                           static_cast<BYTE>(nIndex), static_cast<BYTE>(nSub), 0, 0,
                           static_cast<BYTE>(nLength & 0xFF), static_cast<BYTE>(nLength >> 8)};
    body.insert(body.end(), payload.begin(), payload.end());
    return Framed(body);
}
