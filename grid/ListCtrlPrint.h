#pragma once
// Prints the rows and columns of a report list as ruled pages: a page head (free text on the
// left, the page number on the right), a row of column headings, the rows, and a page foot. The
// columns keep their on-screen proportions and fill the printable width. A printout is filled,
// printed once and thrown away.
#include <wx/font.h>

#include <vector>

#include "grid/PrinterJob.h"
#include "model/GdiTypes.h"

class CReportList;

class CListCtrlPrint : public CPrinterJob {
public:
    Rect m_rcMargins{10, 10, 10, 10};  // left, top, right and bottom margin in millimetres

    CReportList* m_pList = nullptr;  // not owned
    wxString m_strHeader;            // may hold line breaks
    wxString m_strFooter;            // may hold line breaks
    wxString m_strPageFormat;        // two integer fields: the page and the page count

    wxString m_strHeaderFace = wxS("Arial");
    wxString m_strFooterFace = wxS("Times New Roman");
    wxString m_strPrintFace = wxS("Arial");
    int m_nHeaderPoints = 12;
    int m_nFooterPoints = 6;
    int m_nPrintPoints = 8;

protected:
    bool OnPreparePrinting(CPrintInfo& info) override;
    void OnBeginPrinting(wxDC& dc, CPrintInfo& info) override;
    void OnPrint(wxDC& dc, CPrintInfo& info) override;
    void OnEndPrinting(wxDC& dc, CPrintInfo& info) override;

private:
    void SubtractMargins(wxRect& rc) const;
    // Each takes the area to draw in and moves its top down (the foot: its bottom up) by what it
    // takes; with bMeasureOnly it draws nothing.
    wxSize DrawPageHead(wxDC& dc, wxRect& rc, int nPage, int nPages, bool bMeasureOnly);
    wxSize DrawColumnHeadings(wxDC& dc, wxRect& rc, bool bMeasureOnly);
    wxSize DrawListFoot(wxDC& dc, wxRect& rc, bool bMeasureOnly);
    wxSize DrawPageFoot(wxDC& dc, wxRect& rc, bool bMeasureOnly);
    wxRect CellTextRect(const wxRect& rcCell) const;
    unsigned ColumnAlign(int nColumn) const;

    wxFont m_fontPrint;
    wxFont m_fontHeader;
    wxFont m_fontFooter;
    wxSize m_szPrintChar;  // "X" in the print font, 4 screen pixels taller: the row height
    std::vector<int> m_pnColumnPos;       // column edges from the printable area's left edge
    std::vector<int> m_pnColumnFormat;    // LVCFMT_* of each column
    std::vector<wxString> m_ppszColumnTitle;
    int m_nRowsPerPage = 1;
    int m_nColumns = 0;
    int m_nItems = 0;
    int m_nHeadHeight = 0;    // the page head's height, the same on every page
    int m_nFooterHeight = 0;  // the band at the bottom of each page
};
