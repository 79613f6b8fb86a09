#include "grid/ReportExport.h"

#include <ctime>

#include "app/HalvekView.h"
#include "controls/FileDialogST.h"
#include "controls/ReportList.h"
#include "grid/SpreadsheetExport.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"

namespace {
// Description and pattern, each ended by a NUL; the literal's own NUL ends the list.
constexpr char kFilter[] = "Excel(*.xlsx)\0*.xlsx\0";

SpreadsheetTable TableOf(const CReportList& list)
{
    SpreadsheetTable table;
    const int nColumns = list.GetColumnCount();
    for (int j = 0; j < nColumns; ++j)
        table.columns.push_back(list.GetColumnHeading(j).utf8_string());
    for (int i = 0; i < list.GetItemCount(); ++i) {
        std::vector<std::string>& row = table.rows.emplace_back();
        for (int j = 0; j < nColumns; ++j)
            row.push_back(list.GetItemText(i, j).utf8_string());
    }
    return table;
}

// The folder the export proposes: the music files' folder beside the program's start folder in
// the view modes that export.
std::string ExportFolder()
{
    return g_nViewMode == 1 || g_nViewMode == 2 ? g_szStartDir + "/MusicFile" : g_szStartDir;
}
}  // namespace

void ExportToSpreadsheet(const CReportList& list, const std::string& strTable, wxWindow* pParent)
{
    if (list.GetItemCount() == 0)
        return;
    std::string strPath;
    if (!AskExportFileName(strPath, pParent))
        return;
    if (!WriteSpreadsheet(strPath, strTable, TableOf(list)))
        AfxMessageBox(LangText("导出Excel文件错误!\n", "Export Excel file error!\n") + strPath, MB_OK,
                      g_bChinese ? CAPTION_WARNING_CN : CAPTION_WARNING_EN);
}

bool AskExportFileName(std::string& strPath, wxWindow* pParent)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string strProposed = ExportFolder() + "/" + ExportFileName(local);
    CFileDialogST dlg(false, "xlsx", strProposed.c_str(), OFN_OVERWRITEPROMPT, kFilter, pParent);
    dlg.SetTitle(LangText("导出", "Load"));
    if (dlg.DoModal() != IDOK)
        return false;
    strPath = dlg.GetPathName();
    return true;
}
