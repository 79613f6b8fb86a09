// The grid's printout. A page is the grid's own pixels scaled to the paper: the logical page is
// the grid's whole width plus four characters of margin each side, as tall as the paper's shape
// makes it, so every column fits across. Top down: a header of two character heights and a gap of
// one, the heading rows, the rows of the page, and a footer of two character heights at the
// bottom. The page layout rules are grid/GridPrintLayout.h.
#include <wx/datetime.h>
#include <wx/control.h>
#include <wx/dc.h>

#include "grid/GridCtrl.h"
#include "model/DataDefine.h"
#include "res/Fonts.h"

namespace {
constexpr char kPrinterFace[] = "Times New Roman";
constexpr int kPrinterFontHeight = 9;  // grid pixels
constexpr char kCharSample[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";
constexpr int kSampleChars = 52;

// The job wx runs: its hooks are the grid's printing steps.
class CGridPrintout final : public CPrinterJob {
public:
    explicit CGridPrintout(CGridCtrl& grid) : CPrinterJob(wxString::FromUTF8(g_strAppTitle)), m_grid(grid) {}

protected:
    bool OnPreparePrinting(CPrintInfo&) override { return m_grid.GetRowCount() > m_grid.GetFixedRowCount(); }
    void OnBeginPrinting(wxDC& dc, CPrintInfo& info) override { m_grid.OnBeginPrinting(dc, info); }
    void OnPrint(wxDC& dc, CPrintInfo& info) override { m_grid.OnPrint(dc, info); }
    void OnEndPrinting(wxDC& dc, CPrintInfo& info) override { m_grid.OnEndPrinting(dc, info); }

private:
    CGridCtrl& m_grid;
};

// The text of the nearest window above the grid that has one (its dialog's or frame's title).
wxString OwnerText(const wxWindow& grid)
{
    for (const wxWindow* pWnd = grid.GetParent(); pWnd != nullptr; pWnd = pWnd->GetParent())
        if (!pWnd->GetLabel().empty())
            return pWnd->GetLabel();
    return {};
}

// A cell's rectangle as the drawing code takes it: right and bottom edges inside.
Rect Inclusive(const wxRect& rc)
{
    return {rc.x, rc.y, rc.GetRight(), rc.GetBottom()};
}

// The thinnest line the printer draws, whatever the page's scale (width 0 is the device's own).
wxPen HairlinePen()
{
    return wxPen(*wxBLACK, 0);
}

int VCentred(const wxRect& rc, int nHeight)
{
    return rc.y + (rc.height - nHeight) / 2;
}
}  // namespace

void CGridCtrl::Print()
{
    CGridPrintout job(*this);
    job.DoPrint(this);
}

void CGridCtrl::OnBeginPrinting(wxDC& dc, CPrintInfo& info)
{
    m_printFirstRows.clear();
    if (GetRowCount() <= GetFixedRowCount()) {
        info.SetMaxPage(0);
        return;
    }
    m_printerFont = MakeFont(kPrinterFace, kPrinterFontHeight, 400);
    const wxFont previous = dc.GetFont();
    dc.SetUserScale(1.0, 1.0);
    dc.SetFont(m_printerFont);
    const wxSize sample = dc.GetTextExtent(wxString::FromAscii(kCharSample, kSampleChars));
    dc.SetFont(previous);

    const wxSize paper = info.m_rectDraw.GetSize();
    m_print = GridPrintLayout::Metrics(paper.x, paper.y, GetTotalWidth(), GetFixedRowHeight(),
                                       std::max(sample.x / kSampleChars, 1), std::max(sample.y, 1));
    std::vector<int> heights;
    for (int r = GetFixedRowCount(); r < GetRowCount(); ++r)
        heights.push_back(GetRowHeight(r));
    m_printFirstRows = GridPrintLayout::PageFirstRows(heights, m_print.nUsableHeight);
    info.SetMaxPage(int(m_printFirstRows.size()));
    info.m_nCurPage = 1;
}

void CGridCtrl::OnPrint(wxDC& dc, CPrintInfo& info)
{
    const int nPage = info.m_nCurPage;
    if (nPage < 1 || nPage > int(m_printFirstRows.size()))
        return;
    const GridPrintMetrics& m = m_print;
    const wxSize paper = info.m_rectDraw.GetSize();
    const wxFont previous = dc.GetFont();
    dc.SetFont(m_printerFont);
    dc.SetUserScale(double(paper.x) / m.nPageWidth, double(paper.y) / m.nPageHeight);
    const int nLeft = -4 * m.nCharWidth;
    const int nTextWidth = m.nPageWidth - 8 * m.nCharWidth;

    dc.SetLogicalOrigin(nLeft, 0);
    info.m_rectDraw = wxRect(0, 0, nTextWidth, 2 * m.nCharHeight);
    PrintHeader(dc, info);

    dc.SetLogicalOrigin(nLeft, -3 * m.nCharHeight);
    info.m_rectDraw.SetHeight(GetFixedRowHeight());
    PrintColumnHeadings(dc, info);

    dc.SetLogicalOrigin(nLeft, -3 * m.nCharHeight - GetFixedRowHeight());
    const int nFixedRows = GetFixedRowCount();
    const int nFirst = nFixedRows + m_printFirstRows[std::size_t(nPage - 1)];
    const int nEnd = std::size_t(nPage) < m_printFirstRows.size() ? nFixedRows + m_printFirstRows[std::size_t(nPage)]
                                                                  : GetRowCount();
    int nTop = 0;
    for (int r = nFirst; r < nEnd; ++r) {
        const int nHeight = GetRowHeight(r);
        int nCellLeft = 0;
        for (int c = 0; c < GetColumnCount(); ++c) {
            const int nWidth = GetColumnWidth(c);
            const wxRect rcCell(nCellLeft, nTop, nWidth, nHeight);
            DrawCell(dc, r, c, Inclusive(rcCell));
            PrintGridLines(dc, rcCell, r, c, r == nFirst);
            nCellLeft += nWidth;
        }
        nTop += nHeight;
    }

    info.m_rectDraw = wxRect(0, 0, nTextWidth, 2 * m.nCharHeight);
    dc.SetLogicalOrigin(nLeft, 2 * m.nCharHeight - m.nPageHeight);
    PrintFooter(dc, info);
    dc.SetLogicalOrigin(0, 0);
    dc.SetUserScale(1.0, 1.0);
    dc.SetFont(previous);
}

void CGridCtrl::OnEndPrinting(wxDC&, CPrintInfo&)
{
    m_printerFont = wxNullFont;
}

void CGridCtrl::PrintColumnHeadings(wxDC& dc, CPrintInfo&)
{
    const wxFont previous = dc.GetFont();
    dc.SetFont(m_printerFont);
    int nTop = 0;
    for (int r = 0; r < GetFixedRowCount(); ++r) {
        const int nHeight = GetRowHeight(r);
        int nCellLeft = 0;
        for (int c = 0; c < GetColumnCount(); ++c) {
            const int nWidth = GetColumnWidth(c);
            const wxRect rcCell(nCellLeft, nTop, nWidth, nHeight);
            DrawFixedCell(dc, r, c, Inclusive(rcCell));
            PrintGridLines(dc, rcCell, r, c, r == 0);
            nCellLeft += nWidth;
        }
        nTop += nHeight;
    }
    dc.SetFont(previous);
}

void CGridCtrl::PrintGridLines(wxDC& dc, const wxRect& rcCell, int nRow, int nCol, bool bFirstRow)
{
    dc.SetPen(HairlinePen());
    const int nLeft = rcCell.GetLeft();
    const int nTop = rcCell.GetTop();
    const int nRight = rcCell.GetRight();
    const int nBottom = rcCell.GetBottom();
    const int nLines = GetGridLines();
    if (nLines == GRID_LINES_HORZ || nLines == GRID_LINES_BOTH) {
        dc.DrawLine(nCol == 0 ? nLeft : nLeft - 1, nBottom, nRight, nBottom);
        if (nRow == 0)
            dc.DrawLine(nCol == 0 ? nLeft : nLeft - 1, nTop, nRight, nTop);
    }
    if (nLines == GRID_LINES_VERT || nLines == GRID_LINES_BOTH) {
        dc.DrawLine(nRight, bFirstRow ? nTop : nTop - 1, nRight, nBottom);
        if (nCol == 0)
            dc.DrawLine(nLeft, bFirstRow ? nTop : nTop - 1, nLeft, nBottom);
    }
}

void CGridCtrl::PrintHeader(wxDC& dc, CPrintInfo& info)
{
    const wxRect rc = info.m_rectDraw;
    const wxFont previous = dc.GetFont();
    dc.SetFont(m_printerFont.Bold());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    const wxString strTitle = wxString::FromUTF8(g_strAppTitle);
    const wxSize title = dc.GetTextExtent(strTitle);
    const int nTitleLeft = rc.GetRight() + 1 - title.x;
    dc.DrawText(strTitle, nTitleLeft, VCentred(rc, title.y));

    // The owner's text is centred, but ends a character before the title begins: the two never
    // overlap, and a text too long for the room left is cut short with an ellipsis.
    const int nStop = nTitleLeft - m_print.nCharWidth;
    if (const wxString strOwner = OwnerText(*this); !strOwner.empty() && nStop > rc.x) {
        const wxString strShown = wxControl::Ellipsize(strOwner, dc, wxELLIPSIZE_END, nStop - rc.x);
        const wxSize owner = dc.GetTextExtent(strShown);
        dc.DrawText(strShown, GridPrintLayout::CentredLeftBefore(rc.x, rc.GetRight() + 1, nStop, owner.x),
                    VCentred(rc, owner.y));
    }
    dc.SetPen(HairlinePen());
    dc.DrawLine(rc.x, rc.GetBottom(), rc.GetRight() + 1, rc.GetBottom());
    dc.SetFont(previous);
}

void CGridCtrl::PrintFooter(wxDC& dc, CPrintInfo& info)
{
    wxRect rc = info.m_rectDraw;
    dc.SetPen(HairlinePen());
    dc.DrawLine(rc.x, rc.y, rc.GetRight() + 1, rc.y);
    rc.Offset(0, m_print.nCharHeight / 2);
    const wxFont previous = dc.GetFont();
    dc.SetFont(m_printerFont.Bold());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    const wxString strPage = wxString::Format(wxS("Page %d of %d"), info.m_nCurPage, info.GetMaxPage());
    const wxSize page = dc.GetTextExtent(strPage);
    dc.DrawText(strPage, rc.x, VCentred(rc, page.y));
    // The date is right-aligned, but starts after the page number.
    const wxString strDate = wxDateTime::Now().Format(wxS("%c"));
    const wxSize date = dc.GetTextExtent(strDate);
    const int nDateLeft = std::max(rc.GetRight() + 1 - date.x, rc.x + page.x + m_print.nCharWidth);
    dc.DrawText(strDate, nDateLeft, VCentred(rc, date.y));
    dc.SetFont(previous);
}
