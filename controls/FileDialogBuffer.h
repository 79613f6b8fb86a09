#pragma once
// The toolkit-free half of CFileDialogST: the file-name buffer a file dialog fills (one path, or
// with multiple selection a folder followed by the chosen names), its iteration, the parts of a
// path, and the Windows filter text ("Text\0*.txt\0\0") in the form wx takes ("Text|*.txt").
#include <cstddef>
#include <string>
#include <vector>

// Dialog flags the wrapper knows (the values of the system the program came from).
constexpr unsigned OFN_OVERWRITEPROMPT = 0x00000002;
constexpr unsigned OFN_ALLOWMULTISELECT = 0x00000200;
constexpr unsigned OFN_FILEMUSTEXIST = 0x00001000;
constexpr unsigned OFN_EXPLORER = 0x00080000;

struct FileNameParts {
    std::string strDrive;  // always empty here: Linux paths have no drive
    std::string strDir;    // up to and with the last slash
    std::string strName;   // without the extension
    std::string strExt;    // from the last dot of the name on, dot included
};
FileNameParts SplitFileName(const std::string& strPath);

// The buffer of a finished dialog: the one path, or with several paths (all in one folder, as a
// file dialog returns them) the folder and the names, each ended by a NUL in explorer style, else
// separated by spaces.
std::string MakeFileNameBuffer(const std::vector<std::string>& paths, bool bExplorer);

// No position: the iteration is over.
constexpr std::size_t kNoPosition = static_cast<std::size_t>(-1);
// The path at nPos (0 the first) and the position of the next one, kNoPosition after the last.
std::string NextPathName(const std::string& strBuffer, std::size_t& nPos, bool bMultiSelect, bool bExplorer);

// "desc\0pattern\0desc\0pattern\0\0" (up to the double NUL) to
// "desc|pattern|desc|pattern".
std::string FilterToWildcard(const char* pFilter);
