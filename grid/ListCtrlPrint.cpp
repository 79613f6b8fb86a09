#include "grid/ListCtrlPrint.h"

#include <wx/dc.h>

#include <algorithm>

#include "controls/ReportList.h"
#include "controls/WinText.h"
#include "grid/ListPrintLayout.h"
#include "res/WinStyles.h"

namespace {
constexpr int kTitleChars = 127;     // longer column titles are cut
constexpr int kRowPaddingPixels = 4;  // added to the print font's height for a row
constexpr int kFootGapPixels = 2;     // between the last row and the page foot
constexpr int kTextGapPixels = 2;     // between a cell's rules and its text
constexpr unsigned kCellFormat = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

// Selects a font for a scope and gives the previous one back.
class FontScope {
public:
    FontScope(wxDC& dc, const wxFont& font) : m_dc(dc), m_previous(dc.GetFont()) { dc.SetFont(font); }
    ~FontScope() { m_dc.SetFont(m_previous); }
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

private:
    wxDC& m_dc;
    wxFont m_previous;
};

// Moves the rectangle's top edge, keeping its bottom edge (wxRect::SetTop keeps the height).
void MoveTop(wxRect& rc, int nTop)
{
    rc.SetHeight(rc.GetBottom() + 1 - nTop);
    rc.SetTop(nTop);
}

void DrawHLine(wxDC& dc, int nLeft, int nRight, int y)
{
    dc.DrawLine(nLeft, y, nRight, y);
}

void DrawVLine(wxDC& dc, int x, int nTop, int nBottom)
{
    dc.DrawLine(x, nTop, x, nBottom);
}
}  // namespace

bool CListCtrlPrint::OnPreparePrinting(CPrintInfo& info)
{
    info.m_nMinPage = 1;
    if (m_pList == nullptr || m_pList->GetItemCount() == 0 || m_pList->GetColumnCount() == 0)
        return false;
    m_nItems = m_pList->GetItemCount();
    m_nColumns = m_pList->GetColumnCount();
    m_pnColumnPos.assign(std::size_t(m_nColumns) + 1, 0);
    m_pnColumnFormat.assign(std::size_t(m_nColumns), 0);
    m_ppszColumnTitle.assign(std::size_t(m_nColumns), wxString());
    for (int i = 0; i < m_nColumns; ++i) {
        const auto n = std::size_t(i);
        m_pnColumnPos[n + 1] = m_pList->GetHeaderItemRect(i).GetWidth();
        m_pnColumnFormat[n] = m_pList->GetColumnFormat(i);
        m_ppszColumnTitle[n] = m_pList->GetColumnHeading(i).Left(kTitleChars);
    }
    return CPrinterJob::OnPreparePrinting(info);
}

void CListCtrlPrint::OnBeginPrinting(wxDC& dc, CPrintInfo& info)
{
    m_fontPrint = PointFont(m_strPrintFace, m_nPrintPoints);
    m_fontHeader = PointFont(m_strHeaderFace, m_nHeaderPoints);
    m_fontFooter = PointFont(m_strFooterFace, m_nFooterPoints);
    {
        FontScope font(dc, m_fontPrint);
        m_szPrintChar = dc.GetTextExtent(wxS("X"));
    }
    m_szPrintChar.y += ScreenPixelsToDevice(kRowPaddingPixels);

    wxRect rcArea = info.m_rectDraw;
    SubtractMargins(rcArea);
    m_pnColumnPos = ListPrintLayout::ColumnEdges(
        std::vector<int>(m_pnColumnPos.begin() + 1, m_pnColumnPos.end()), rcArea.GetWidth());

    // The widest page numbers there can be (never more pages than rows) give the tallest head.
    const int nTop = rcArea.GetTop();
    DrawPageHead(dc, rcArea, std::max(m_nItems, 1), std::max(m_nItems, 1), true);
    m_nHeadHeight = rcArea.GetTop() - nTop;
    DrawColumnHeadings(dc, rcArea, true);
    const wxSize szListFoot = DrawListFoot(dc, rcArea, true);
    const wxSize szPageFoot = DrawPageFoot(dc, rcArea, true);
    const int nFootGap = ScreenPixelsToDevice(kFootGapPixels);
    m_nFooterHeight = szPageFoot.y + szListFoot.y + nFootGap;

    m_nRowsPerPage = ListPrintLayout::RowsPerPage(rcArea.GetHeight() - nFootGap, m_szPrintChar.y);
    info.SetMaxPage(ListPrintLayout::PageCount(m_nItems, m_nRowsPerPage));
}

void CListCtrlPrint::OnPrint(wxDC& dc, CPrintInfo& info)
{
    wxRect rcArea = info.m_rectDraw;
    SubtractMargins(rcArea);
    const int nAreaTop = rcArea.GetTop();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    dc.SetPen(wxPen(*wxBLACK, ScreenPixelsToDevice(1)));

    DrawPageHead(dc, rcArea, info.m_nCurPage, info.GetMaxPage(), false);
    MoveTop(rcArea, nAreaTop + m_nHeadHeight);
    DrawColumnHeadings(dc, rcArea, false);

    const int nLeft = rcArea.GetLeft();
    const int nRowHeight = m_szPrintChar.y;
    const int nFirst = ListPrintLayout::FirstRowOfPage(info.m_nCurPage, m_nRowsPerPage);
    int y = rcArea.GetTop();
    {
        FontScope font(dc, m_fontPrint);
        for (int nItem = nFirst; nItem < nFirst + m_nRowsPerPage; ++nItem) {
            for (int j = 0; j < m_nColumns; ++j) {
                const int nCellLeft = nLeft + m_pnColumnPos[std::size_t(j)];
                const int nCellRight = nLeft + m_pnColumnPos[std::size_t(j) + 1];
                if (nItem < m_nItems)
                    DrawWinText(dc, m_pList->GetItemText(nItem, j),
                                CellTextRect(wxRect(nCellLeft, y, nCellRight - nCellLeft, nRowHeight)),
                                ColumnAlign(j) | kCellFormat);
                DrawVLine(dc, nCellLeft, y, y + nRowHeight);
                DrawHLine(dc, nCellLeft, nCellRight, y);
                if (j == m_nColumns - 1)
                    DrawVLine(dc, nCellRight, y, y + nRowHeight);
            }
            y += nRowHeight + 1;
        }
        DrawHLine(dc, rcArea.GetLeft(), rcArea.GetRight() + 1, y);
    }

    wxRect rcFoot = info.m_rectDraw;
    SubtractMargins(rcFoot);
    MoveTop(rcFoot, rcFoot.GetBottom() + 1 - m_nFooterHeight);
    DrawListFoot(dc, rcFoot, false);
    DrawPageFoot(dc, rcFoot, false);
}

void CListCtrlPrint::OnEndPrinting(wxDC&, CPrintInfo&) {}

void CListCtrlPrint::SubtractMargins(wxRect& rc) const
{
    const int nLeft = MillimetresToDevice(m_rcMargins.left);
    const int nTop = MillimetresToDevice(m_rcMargins.top);
    const int nRight = MillimetresToDevice(m_rcMargins.right);
    const int nBottom = MillimetresToDevice(m_rcMargins.bottom);
    rc = wxRect(wxPoint(rc.GetLeft() + nLeft, rc.GetTop() + nTop),
                wxPoint(rc.GetRight() - nRight, rc.GetBottom() - nBottom));
}

wxSize CListCtrlPrint::DrawPageHead(wxDC& dc, wxRect& rc, int nPage, int nPages, bool bMeasureOnly)
{
    FontScope font(dc, m_fontHeader);
    wxSize size(0, 0);
    if (!m_strPageFormat.empty()) {
        const wxString strPage = wxString::Format(m_strPageFormat, nPage, nPages);
        size = MeasureWinText(dc, strPage, rc.GetWidth(), DT_WORDBREAK | DT_RIGHT | DT_NOPREFIX);
        if (!bMeasureOnly)
            DrawWinText(dc, strPage, wxRect(rc.GetLeft(), rc.GetTop(), rc.GetWidth(), size.y),
                        DT_WORDBREAK | DT_RIGHT | DT_NOPREFIX);
    }
    if (!m_strHeader.empty()) {
        // The header ends where the page number begins, so the two never overlap.
        const int nWidth = std::max(rc.GetWidth() - size.x, 1);
        const wxSize szHeader = MeasureWinText(dc, m_strHeader, nWidth, DT_WORDBREAK | DT_NOPREFIX);
        if (!bMeasureOnly)
            DrawWinText(dc, m_strHeader, wxRect(rc.GetLeft(), rc.GetTop(), nWidth, szHeader.y),
                        DT_WORDBREAK | DT_LEFT | DT_NOPREFIX);
        size.y = std::max(size.y, szHeader.y);
    }
    MoveTop(rc, rc.GetTop() + size.y);
    return size;
}

wxSize CListCtrlPrint::DrawColumnHeadings(wxDC& dc, wxRect& rc, bool bMeasureOnly)
{
    const int nRowHeight = m_szPrintChar.y;
    if (!bMeasureOnly) {
        FontScope font(dc, m_fontPrint);
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawRectangle(rc.GetLeft(), rc.GetTop(), rc.GetWidth(), nRowHeight);
        for (int i = 0; i < m_nColumns; ++i) {
            const int nCellLeft = rc.GetLeft() + m_pnColumnPos[std::size_t(i)];
            const wxRect rcCell(nCellLeft, rc.GetTop(), rc.GetLeft() + m_pnColumnPos[std::size_t(i) + 1] - nCellLeft,
                                nRowHeight);
            dc.DrawRectangle(rcCell);
            DrawWinText(dc, m_ppszColumnTitle[std::size_t(i)], CellTextRect(rcCell), ColumnAlign(i) | kCellFormat);
            DrawVLine(dc, rcCell.GetLeft(), rcCell.GetTop(), rcCell.GetBottom());
            DrawHLine(dc, rcCell.GetLeft(), rcCell.GetRight(), rcCell.GetTop());
        }
    }
    MoveTop(rc, rc.GetTop() + nRowHeight);
    return {0, nRowHeight};
}

wxSize CListCtrlPrint::DrawListFoot(wxDC&, wxRect&, bool)
{
    return {0, 0};
}

wxSize CListCtrlPrint::DrawPageFoot(wxDC& dc, wxRect& rc, bool bMeasureOnly)
{
    if (m_strFooter.empty())
        return {0, 0};
    FontScope font(dc, m_fontFooter);
    const wxSize size = MeasureWinText(dc, m_strFooter, rc.GetWidth(), DT_WORDBREAK | DT_NOPREFIX);
    if (!bMeasureOnly)
        DrawWinText(dc, m_strFooter, wxRect(rc.GetLeft(), rc.GetTop(), rc.GetWidth(), size.y),
                    DT_WORDBREAK | DT_LEFT | DT_NOPREFIX);
    rc.SetBottom(rc.GetBottom() - size.y);
    return {0, size.y};
}

wxRect CListCtrlPrint::CellTextRect(const wxRect& rcCell) const
{
    return rcCell.Deflate(ScreenPixelsToDevice(kTextGapPixels), 0);
}

unsigned CListCtrlPrint::ColumnAlign(int nColumn) const
{
    const int nFormat = m_pnColumnFormat[std::size_t(nColumn)];
    if (nFormat & LVCFMT_CENTER)
        return DT_CENTER;
    if (nFormat & LVCFMT_RIGHT)
        return DT_RIGHT;
    return DT_LEFT;
}
