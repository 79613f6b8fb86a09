#include "grid/SpreadsheetExport.h"

#include <cstdio>

#include "platform/SpreadsheetFile.h"

bool WriteSpreadsheet(const std::string& strPath, const std::string& strName, const SpreadsheetTable& table)
{
    CSpreadsheetFile file;
    if (!file.Open(strPath) || !file.CreateTable(strName, table.columns))
        return false;
    for (const std::vector<std::string>& row : table.rows)
        if (!file.InsertRow(row))
            return false;
    return file.Close();
}

std::string ExportFileName(const std::tm& time)
{
    char szName[64];
    std::snprintf(szName, sizeof szName, "%04d%02d%02d%02d%02d%02d.xlsx", time.tm_year + 1900, time.tm_mon + 1,
                  time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    return szName;
}
