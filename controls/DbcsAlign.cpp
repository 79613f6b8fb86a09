#include "controls/DbcsAlign.h"

#include <algorithm>
#include <vector>

namespace {
// Bytes of the character starting at i: a lead byte takes its trail byte with it (a trail byte
// may look like ASCII, so bytes are never counted one by one).
std::size_t CharBytesAt(const std::string& s, std::size_t i)
{
    return IsDbcsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}
}  // namespace

bool IsDbcsLeadByte(unsigned char by)
{
    return by >= 0x81 && by <= 0xFE;
}

DbcsTyping TypeDbcsCharacter(std::size_t nLineBytes, std::size_t nReplacedBytes, std::size_t nCharBytes, bool bAlign,
                             std::size_t nLimit)
{
    DbcsTyping typing;
    typing.bSpaceFirst = bAlign && nCharBytes == 2 && nLineBytes % 2 == 1;
    const std::size_t nResult = nLineBytes - std::min(nReplacedBytes, nLineBytes) + nCharBytes + typing.bSpaceFirst;
    typing.bAccept = nLimit == 0 || nResult <= nLimit;
    if (!typing.bAccept)
        typing.bSpaceFirst = false;
    return typing;
}

namespace {
std::string Pad(const std::string& strGbk)
{
    std::string strOut;
    std::size_t nSingles = 0;
    for (std::size_t i = 0; i < strGbk.size();) {
        const std::size_t n = CharBytesAt(strGbk, i);
        if (n == 2) {
            if (nSingles % 2 == 1)
                strOut += ' ';
            nSingles = 0;
        } else {
            ++nSingles;
        }
        strOut.append(strGbk, i, n);
        i += n;
    }
    return strOut;
}
}  // namespace

std::string PadDbcsRuns(const std::string& strGbk, std::size_t nLimit)
{
    // Character boundaries of the text, so that only whole characters are dropped.
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < strGbk.size(); i += CharBytesAt(strGbk, i))
        ends.push_back(i + CharBytesAt(strGbk, i));
    std::string strOut = Pad(strGbk);
    while (nLimit != 0 && strOut.size() > nLimit && !ends.empty()) {
        ends.pop_back();
        strOut = Pad(strGbk.substr(0, ends.empty() ? 0 : ends.back()));
    }
    return strOut;
}

std::string CutDbcsText(const std::string& strGbk, std::size_t nLimit)
{
    std::size_t nEnd = 0;
    for (std::size_t i = 0; i < strGbk.size(); i += CharBytesAt(strGbk, i)) {
        if (nLimit != 0 && i + CharBytesAt(strGbk, i) > nLimit)
            break;
        nEnd = i + CharBytesAt(strGbk, i);
    }
    return strGbk.substr(0, nEnd);
}
