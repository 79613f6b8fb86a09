#pragma once
// What the report's export writes: one table of text columns, the column titles first and then
// one row per list row, into a workbook at the path the user chose; and the name it proposes.
#include <ctime>
#include <string>
#include <vector>

struct SpreadsheetTable {
    std::vector<std::string> columns;            // the titles
    std::vector<std::vector<std::string>> rows;  // one text per column
};

// Writes the table as the workbook's one table strName; false (an old file left as it was) when
// the file could not be written.
bool WriteSpreadsheet(const std::string& strPath, const std::string& strName, const SpreadsheetTable& table);

// The proposed file name: the local time as "%04d%02d%02d%02d%02d%02d" with the ".xlsx" extension.
std::string ExportFileName(const std::tm& time);
