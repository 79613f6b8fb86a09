#include "tests/support/XlsxReader.h"

#include <cstdio>
#include <memory>
#include <regex>
#include <vector>

namespace {
std::string Quoted(const std::string& str)
{
    std::string out = "'";
    for (const char ch : str)
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return out + "'";
}

// One part of the zip, or an empty text when it is missing.
std::string Part(const std::string& strPath, const std::string& strPart)
{
    std::string out;
    const std::string strCommand = "unzip -p " + Quoted(strPath) + " " + Quoted(strPart) + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(strCommand.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        out.append(buffer, n);
    return out;
}

std::string Unescaped(const std::string& str)
{
    static const std::regex kEntity(R"(&(lt|gt|amp|quot|apos|#x[0-9A-Fa-f]+|#[0-9]+);)");
    std::string out;
    auto last = str.cbegin();
    for (std::sregex_iterator it(str.begin(), str.end(), kEntity), end; it != end; ++it) {
        out.append(last, (*it)[0].first);
        const std::string strName = (*it)[1];
        if (strName == "lt")
            out += '<';
        else if (strName == "gt")
            out += '>';
        else if (strName == "amp")
            out += '&';
        else if (strName == "quot")
            out += '"';
        else if (strName == "apos")
            out += '\'';
        else
            out += static_cast<char>(strName[1] == 'x' ? std::stoi(strName.substr(2), nullptr, 16)
                                                       : std::stoi(strName.substr(1)));  // ASCII only
        last = (*it)[0].second;
    }
    out.append(last, str.cend());
    return out;
}

// The text of an <si> or <is> element: its <t> pieces joined.
std::string TextOf(const std::string& strXml)
{
    static const std::regex kText(R"(<t(?:\s[^>]*)?>([\s\S]*?)</t>)");
    std::string out;
    for (std::sregex_iterator it(strXml.begin(), strXml.end(), kText), end; it != end; ++it)
        out += Unescaped((*it)[1]);
    return out;
}
}  // namespace

XlsxSheet ReadFirstXlsxSheet(const std::string& strPath)
{
    XlsxSheet sheet;
    const std::string strWorkbook = Part(strPath, "xl/workbook.xml");
    std::smatch match;
    if (!std::regex_search(strWorkbook, match, std::regex(R"re(<sheet name="([^"]*)")re")))
        return sheet;
    sheet.name = Unescaped(match[1]);

    std::vector<std::string> shared;
    const std::string strShared = Part(strPath, "xl/sharedStrings.xml");
    static const std::regex kItem(R"(<si>([\s\S]*?)</si>)");
    for (std::sregex_iterator it(strShared.begin(), strShared.end(), kItem), end; it != end; ++it)
        shared.push_back(TextOf((*it)[1]));

    const std::string strSheet = Part(strPath, "xl/worksheets/sheet1.xml");
    if (strSheet.empty())
        return sheet;
    static const std::regex kCell(R"re(<c r="([A-Z]+[0-9]+)"([^>]*?)(?:/>|>([\s\S]*?)</c>))re");
    static const std::regex kValue(R"(<v>([\s\S]*?)</v>)");
    for (std::sregex_iterator it(strSheet.begin(), strSheet.end(), kCell), end; it != end; ++it) {
        const std::string strAttributes = (*it)[2];
        const std::string strBody = (*it)[3];
        std::smatch value;
        if (strAttributes.find("t=\"s\"") != std::string::npos && std::regex_search(strBody, value, kValue)) {
            const std::size_t nIndex = std::stoul(value[1]);
            sheet.cells[(*it)[1]] = nIndex < shared.size() ? shared[nIndex] : "<bad shared string>";
        } else if (strAttributes.find("t=\"inlineStr\"") != std::string::npos) {
            sheet.cells[(*it)[1]] = TextOf(strBody);
        } else if (std::regex_search(strBody, value, kValue)) {
            sheet.cells[(*it)[1]] = "<number " + std::string(value[1]) + ">";
        }
    }
    sheet.ok = true;
    return sheet;
}
