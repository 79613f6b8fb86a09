#pragma once
// A report list that draws its own cells: a column, a row or a single cell can carry its own
// background and text colour, rows can be made taller, texts use the list font of the language,
// and the header is CHeaderCtrlCl. Colour records are looked up from the oldest: of two records
// for one column or cell the first wins; the cell setters keep only their latest record (the row
// setters share that list). Most navigation keys are swallowed. The advanced settings dialog
// marks linked outputs with it.
#include <vector>

#include "controls/ReportList.h"
#include "grid/HeaderCtrlCl.h"

struct ListColorEntry {
    int nRow;
    int nColumn;
    wxColour colour;
};

class CListCtrlCl : public CReportList {
public:
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, long nStyle = 0);

    int InsertColumn(int nCol, const wxString& strHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1) override;
    // 0 or less keeps the list's own row height.
    void SetRowHeight(int nHeight);
    bool SetTextColor(const wxColour& colour);
    void SetColumnBkColor(int nColumn, const wxColour& colour);
    void SetCellBkColor(int nColumn, int nRow, const wxColour& colour);
    // The cells of the rows in one column take the colour; no other cell keeps its own (the cell
    // setter's rule, for several cells at once).
    void SetCellsBkColor(int nColumn, const std::vector<int>& rows, const wxColour& colour);
    void SetRowBkColor(int nRow, const wxColour& colour);
    void SetColumnTextColor(int nColumn, const wxColour& colour);
    void SetCellTextColor(int nColumn, int nRow, const wxColour& colour);
    void SetRowTextColor(int nRow, const wxColour& colour);
    void SetHeaderGradient(int nRed, int nGreen, int nBlue, int nStep);
    void SetHeaderHeightScale(float fScale);
    void SetHeaderTextColor(const wxColour& colour);
    bool ClearHeaderTitles();
    bool FindColumnBkColor(int nColumn, wxColour& colour) const;
    bool FindColumnTextColor(int nColumn, wxColour& colour) const;
    bool FindCellBkColor(int nColumn, int nRow, wxColour& colour) const;
    bool FindCellTextColor(int nColumn, int nRow, wxColour& colour) const;

protected:
    void DrawHeader(wxDC& dc) override;
    void DrawRow(wxDC& dc, int nItem) override;
    void OnKeyDown(wxKeyEvent& event) override;

private:
    void MeasureItems();

    CHeaderCtrlCl m_header;
    int m_nRowHeight = 0;
    int m_nOwnRowHeight = 0;
    int m_nOwnHeaderHeight = 0;
    std::vector<ListColorEntry> m_lstColumnBk;
    std::vector<ListColorEntry> m_lstCellBk;
    std::vector<ListColorEntry> m_lstColumnText;
    std::vector<ListColorEntry> m_lstCellText;
    wxColour m_crText = *wxBLACK;
};
