#pragma once
// The report list's export: the list's column titles and rows written as a spreadsheet workbook
// at the path the user chooses in a Save As dialog, which proposes a name made from the time.
#include <string>

class CReportList;
class wxWindow;

// Writes the list as the workbook's table strTable. A list without rows exports nothing and shows
// no dialog; a workbook that cannot be written is reported in the program's message dialog.
void ExportToSpreadsheet(const CReportList& list, const std::string& strTable, wxWindow* pParent = nullptr);

// Asks for the workbook's path; false when the user cancels.
bool AskExportFileName(std::string& strPath, wxWindow* pParent = nullptr);
