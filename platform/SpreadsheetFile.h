#pragma once
// A spreadsheet file reached the way a report reaches a database table: open the file, create a
// table with named text columns, insert rows of texts, close. It is written as an .xlsx workbook
// (libxlsxwriter) with one sheet named like the table, the column titles in its first row and
// every value a text cell. The workbook is written beside the target and renamed over it when it
// closes, so a failed export leaves an old file as it was; a file never closed is never written.
#include <string>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;

class CSpreadsheetFile {
public:
    CSpreadsheetFile() = default;
    ~CSpreadsheetFile();
    CSpreadsheetFile(const CSpreadsheetFile&) = delete;
    CSpreadsheetFile& operator=(const CSpreadsheetFile&) = delete;

    bool Open(const std::string& strPath);
    // One table per file: its name (a sheet name: at most 31 characters, none of []:*?/\) and its
    // column titles, which make its first row.
    bool CreateTable(const std::string& strName, const std::vector<std::string>& columns);
    // The next row; values beyond the table's columns are refused.
    bool InsertRow(const std::vector<std::string>& values);
    // Writes the workbook; false (and no file changed) when it could not be written.
    bool Close();

private:
    void Abandon();

    std::string m_strPath;
    std::string m_strTempPath;
    lxw_workbook* m_pWorkbook = nullptr;
    lxw_worksheet* m_pSheet = nullptr;
    std::size_t m_nColumns = 0;
    unsigned m_nNextRow = 0;
    bool m_bFailed = false;
};
