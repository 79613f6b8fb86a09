// The grid saved to and rebuilt from a comma-separated text file (grid/GridCsv.h). A load reads
// and checks the whole file before the grid changes; a save replaces the file whole or not at all.
#include <cerrno>
#include <cstring>

#include "grid/GridCore.h"
#include "grid/GridCsv.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"

namespace {
constexpr std::size_t kMaxCsvBytes = 64u << 20;
constexpr unsigned kColumnFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void Warn(const std::string& strText)
{
    AfxMessageBox(strText, MB_OK, g_bChinese ? CAPTION_WARNING_CN : CAPTION_WARNING_EN);
}

// What the system says went wrong with the file.
std::string Cause(int nErrno)
{
    return nErrno != 0 ? std::string(std::strerror(nErrno)) : std::string(LangText("文件太大", "The file is too large"));
}

// The grid made anew from the lines: the first gives the columns and their headings (row 0),
// every other one a row. True when some line held more fields than there were columns, which
// then got columns without a heading.
bool Rebuild(CGridCore& grid, const std::vector<std::vector<std::string>>& lines)
{
    grid.DeleteAllCells();
    bool bAddedColumns = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string>& fields = lines[i];
        if (i == 0) {
            for (const std::string& strField : fields)
                grid.InsertColumn(strField, kColumnFormat, -1);
            continue;
        }
        const int nRow = grid.InsertRow(fields.front(), -1);
        for (std::size_t c = 1; c < fields.size(); ++c) {
            if (int(c) >= grid.GetColumnCount()) {
                grid.InsertColumn(std::string(), kColumnFormat, -1);
                bAddedColumns = true;
            }
            grid.SetItemText(nRow, int(c), fields[c]);
        }
    }
    grid.AutoSizeColumns();
    return bAddedColumns;
}
}  // namespace

bool CGridCore::SaveCsvFile(const std::string& strPath) const
{
    std::string bytes;
    std::vector<std::string> fields;
    for (int r = 0; r < GetRowCount(); ++r) {
        fields.clear();
        for (int c = 0; c < GetColumnCount(); ++c)
            fields.push_back(GetItemText(r, c));
        bytes += GridCsv::FormatLine(fields);
    }
    errno = 0;
    if (WriteFileReplacing(strPath, bytes))
        return true;
    const int nErrno = errno;
    Warn(LangText("无法保存文件:\n", "The file could not be saved:\n") + strPath + "\n" + Cause(nErrno));
    return false;
}

bool CGridCore::LoadCsvFile(const std::string& strPath)
{
    std::string bytes;
    errno = 0;
    if (!ReadWholeFile(strPath, bytes, kMaxCsvBytes)) {
        const int nErrno = errno;
        Warn(LangText("无法读取文件:\n", "The file could not be read:\n") + strPath + "\n" + Cause(nErrno));
        return false;
    }
    const GridCsv::Table table = GridCsv::Parse(bytes);
    if (table.problem == GridCsv::Problem::NotText) {
        Warn(LangText("该文件不是UTF-8文本文件, 表格未改变:\n", "The file is not UTF-8 text; the table was left as it was:\n") +
             strPath);
        return false;
    }
    const bool bAddedColumns = Rebuild(*this, table.lines);
    if (table.problem == GridCsv::Problem::OpenQuote)
        Warn(LangText("文件在引号中的文字里结束, 可能不完整; 最后的文字按原样载入:\n",
                      "The file ends inside a quoted text and may have been cut short; its last text was loaded as it stands:\n") +
             strPath);
    if (bAddedColumns)
        Warn(LangText("文件中有些行的字段比第一行多, 已为它们添加了无标题的列:\n",
                      "Some lines of the file hold more fields than its first line; columns without a heading were added for them:\n") +
             strPath);
    return true;
}
