#include "controls/FileDialogBuffer.h"

namespace {
std::string FolderOf(const std::string& strPath)
{
    const auto slash = strPath.rfind('/');
    return slash == std::string::npos ? std::string() : slash == 0 ? "/" : strPath.substr(0, slash);
}

std::string NameOf(const std::string& strPath)
{
    const auto slash = strPath.rfind('/');
    return slash == std::string::npos ? strPath : strPath.substr(slash + 1);
}
}  // namespace

FileNameParts SplitFileName(const std::string& strPath)
{
    FileNameParts parts;
    const auto slash = strPath.rfind('/');
    const std::size_t nNameStart = slash == std::string::npos ? 0 : slash + 1;
    parts.strDir = strPath.substr(0, nNameStart);
    const std::string strFile = strPath.substr(nNameStart);
    const auto dot = strFile.rfind('.');
    parts.strName = dot == std::string::npos ? strFile : strFile.substr(0, dot);
    parts.strExt = dot == std::string::npos ? std::string() : strFile.substr(dot);
    return parts;
}

std::string MakeFileNameBuffer(const std::vector<std::string>& paths, bool bExplorer)
{
    if (paths.empty())
        return {};
    if (paths.size() == 1)
        return paths[0];
    const char cSeparator = bExplorer ? '\0' : ' ';
    std::string strBuffer = FolderOf(paths[0]);
    for (const auto& strPath : paths) {
        strBuffer += cSeparator;
        strBuffer += NameOf(strPath);
    }
    return strBuffer;
}

std::string NextPathName(const std::string& strBuffer, std::size_t& nPos, bool bMultiSelect, bool bExplorer)
{
    if (nPos >= strBuffer.size()) {
        nPos = kNoPosition;
        return {};
    }
    const char cSeparator = bExplorer ? '\0' : ' ';
    const auto folderEnd = strBuffer.find(cSeparator);
    if (!bMultiSelect || folderEnd == std::string::npos) {
        nPos = kNoPosition;
        return strBuffer;
    }
    std::size_t nStart = nPos == 0 ? folderEnd + 1 : nPos;
    const auto nameEnd = strBuffer.find(cSeparator, nStart);
    const std::string strName = strBuffer.substr(nStart, nameEnd == std::string::npos ? nameEnd : nameEnd - nStart);
    nPos = nameEnd == std::string::npos || nameEnd + 1 >= strBuffer.size() ? kNoPosition : nameEnd + 1;
    const std::string strFolder = strBuffer.substr(0, folderEnd);
    const bool bEndsWithSlash = !strFolder.empty() && (strFolder.back() == '/' || strFolder.back() == '\\');
    return bEndsWithSlash ? strFolder + strName : strFolder + "/" + strName;
}

std::string FilterToWildcard(const char* pFilter)
{
    std::string strWildcard;
    if (pFilter == nullptr)
        return strWildcard;
    for (const char* p = pFilter; *p != '\0'; p += std::char_traits<char>::length(p) + 1) {
        if (!strWildcard.empty())
            strWildcard += '|';
        strWildcard += p;
    }
    return strWildcard;
}
