#pragma once
// A report-style list drawn by our own code (GTK's list cannot colour single cells): a header
// of column titles over rows of texts, one selected row, a vertical scroll bar, a horizontal one
// when the columns are wider than the list (the header scrolls with the cells), and keys that
// move the selection. Columns keep the width they were given; dividers are not dragged.
// Subclasses choose the colours of each cell and the look of the header. Draw paints the whole
// control, so tests can draw it into a memory bitmap. Choosing a row sends the parent
// wxEVT_LIST_ITEM_SELECTED with the list's id.
#include <wx/control.h>

#include <vector>

// Column formats (the values of the system the program came from).
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

class CReportList : public wxControl {
public:
    CReportList();
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, long nStyle = 0);
    // A dialog template's item (its style bits, text and extended style are the system's and not
    // used: the list draws its own border).
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, unsigned, const wxString&, unsigned)
    {
        return Create(pParent, nCtrlId, rc);
    }

    // Returns the new column's index; nWidth -1 takes the heading's width.
    virtual int InsertColumn(int nCol, const wxString& strHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                             int nSubItem = -1);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    wxString GetColumnHeading(int nCol) const;
    int GetColumnFormat(int nCol) const;

    // Returns the new item's index, or -1.
    int InsertItem(int nItem, const wxString& strText);
    bool SetItemText(int nItem, int nSubItem, const wxString& strText);
    wxString GetItemText(int nItem, int nSubItem) const;
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    virtual bool DeleteItem(int nItem);
    virtual bool DeleteAllItems();

    void SetBkColor(const wxColour& colour);
    wxColour GetBkColor() const { return m_clrBack; }
    void SetTextBkColor(const wxColour& colour) { m_clrTextBack = colour; }
    bool SetTextColor(const wxColour& colour);
    wxColour GetTextColor() const { return m_clrText; }
    wxColour GetTextBkColor() const { return m_clrTextBack; }

    // Lines between the cells, down to the bottom of the list as on a ruled page.
    void SetGridLines(bool bGridLines);
    bool GetGridLines() const { return m_bGridLines; }

    int GetSelectionMark() const { return m_nSelected; }
    void SetSelectionMark(int nItem);
    int GetTopIndex() const { return m_nTopIndex; }
    // How far the columns are scrolled to the left, in pixels.
    int GetScrollLeft() const { return m_nScrollLeft; }

    int GetHeaderHeight() const { return m_nHeaderHeight; }
    int GetRowHeight() const { return m_nRowHeight; }
    // The column's rectangle in the header (as scrolled), and a cell's label rectangle (empty when
    // the cell's row is not in view).
    wxRect GetHeaderItemRect(int nCol) const;
    wxRect GetCellRect(int nItem, int nCol) const;
    // The row at a client point, or -1.
    int HitTest(const wxPoint& pt) const;

    void Draw(wxDC& dc);

protected:
    void SetRowHeightPixels(int nHeight);
    void SetHeaderHeightPixels(int nHeight);
    virtual void DrawHeader(wxDC& dc);
    virtual void DrawRow(wxDC& dc, int nItem);
    virtual void GetCellColours(int nItem, int nSubItem, wxColour& text, wxColour& back) const;
    virtual void OnKeyDown(wxKeyEvent& event);

private:
    struct Column {
        wxString strHeading;
        int nFormat = LVCFMT_LEFT;
        int nWidth = 0;
    };

    int VisibleRows() const;
    int ColumnsWidth() const;
    void DrawGridLines(wxDC& dc);
    void ScrollTo(int nTop);
    void ScrollLeftTo(int nLeft);
    void UpdateScrollBar();
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnScroll(wxScrollWinEvent& event);

    std::vector<Column> m_columns;
    std::vector<std::vector<wxString>> m_items;
    wxColour m_clrBack;
    wxColour m_clrTextBack;
    wxColour m_clrText;
    int m_nSelected = -1;
    int m_nTopIndex = 0;
    int m_nScrollLeft = 0;
    int m_nRowHeight = 17;
    int m_nHeaderHeight = 20;
    bool m_bGridLines = false;
};
