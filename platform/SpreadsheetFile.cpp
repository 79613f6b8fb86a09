#include "platform/SpreadsheetFile.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdio>

CSpreadsheetFile::~CSpreadsheetFile()
{
    Abandon();
}

bool CSpreadsheetFile::Open(const std::string& strPath)
{
    Abandon();
    m_strPath = strPath;
    m_strTempPath = strPath + ".tmp" + std::to_string(getpid());
    m_pWorkbook = workbook_new(m_strTempPath.c_str());
    m_bFailed = m_pWorkbook == nullptr;
    return !m_bFailed;
}

bool CSpreadsheetFile::CreateTable(const std::string& strName, const std::vector<std::string>& columns)
{
    if (m_pWorkbook == nullptr || m_pSheet != nullptr || m_bFailed)
        return false;
    if (workbook_validate_sheet_name(m_pWorkbook, strName.c_str()) != LXW_NO_ERROR ||
        columns.size() > LXW_COL_MAX) {
        m_bFailed = true;
        return false;
    }
    m_pSheet = workbook_add_worksheet(m_pWorkbook, strName.c_str());
    m_nColumns = columns.size();
    m_nNextRow = 0;
    m_bFailed = m_pSheet == nullptr || !InsertRow(columns);
    return !m_bFailed;
}

bool CSpreadsheetFile::InsertRow(const std::vector<std::string>& values)
{
    if (m_pSheet == nullptr || m_bFailed)
        return false;
    if (values.size() > m_nColumns || m_nNextRow >= LXW_ROW_MAX) {
        m_bFailed = true;
        return false;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        // An empty text leaves the cell blank, as an empty field of a table would.
        if (values[i].empty())
            continue;
        if (worksheet_write_string(m_pSheet, m_nNextRow, static_cast<lxw_col_t>(i), values[i].c_str(), nullptr) !=
            LXW_NO_ERROR) {
            m_bFailed = true;
            return false;
        }
    }
    ++m_nNextRow;
    return true;
}

bool CSpreadsheetFile::Close()
{
    if (m_pWorkbook == nullptr || m_pSheet == nullptr || m_bFailed) {
        Abandon();
        return false;
    }
    lxw_workbook* pWorkbook = m_pWorkbook;
    m_pWorkbook = nullptr;
    m_pSheet = nullptr;
    const bool bWritten = workbook_close(pWorkbook) == LXW_NO_ERROR &&
                          std::rename(m_strTempPath.c_str(), m_strPath.c_str()) == 0;
    if (!bWritten)
        std::remove(m_strTempPath.c_str());
    return bWritten;
}

void CSpreadsheetFile::Abandon()
{
    if (m_pWorkbook != nullptr)
        lxw_workbook_free(m_pWorkbook);
    m_pWorkbook = nullptr;
    m_pSheet = nullptr;
    m_bFailed = false;
}
