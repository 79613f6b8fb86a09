#include "controls/ReportList.h"

#include <wx/dcbuffer.h>
#include <wx/listbase.h>
#include <wx/settings.h>

#include <algorithm>

#include "controls/ControlIds.h"

namespace {
constexpr int kTextMargin = 6;  // between a cell's edge and its text
constexpr int kWheelRows = 3;
constexpr int kLinePixels = 20;  // a horizontal scroll step

int AlignmentOf(int nFormat)
{
    switch (nFormat) {
    case LVCFMT_RIGHT: return wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL;
    case LVCFMT_CENTER: return wxALIGN_CENTER;
    default: return wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL;
    }
}
}  // namespace

CReportList::CReportList()
    : m_clrBack(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)),
      m_clrTextBack(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)),
      m_clrText(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT))
{
}

bool CReportList::Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, long nStyle)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxControl::Create(pParent, WxId(nCtrlId), rc.GetPosition(), rc.GetSize(),
                           nStyle | wxBORDER_SIMPLE | wxVSCROLL | wxHSCROLL | wxWANTS_CHARS))
        return false;
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const int nText = GetCharHeight();
    m_nRowHeight = nText + 4;
    m_nHeaderHeight = nText + 6;
    Bind(wxEVT_PAINT, &CReportList::OnPaint, this);
    Bind(wxEVT_SIZE, &CReportList::OnSize, this);
    Bind(wxEVT_LEFT_DOWN, &CReportList::OnLeftDown, this);
    Bind(wxEVT_MOUSEWHEEL, &CReportList::OnWheel, this);
    Bind(wxEVT_KEY_DOWN, &CReportList::OnKeyDown, this);
    for (const auto type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                            wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                            wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        Bind(type, &CReportList::OnScroll, this);
    UpdateScrollBar();
    return true;
}

int CReportList::InsertColumn(int nCol, const wxString& strHeading, int nFormat, int nWidth, int)
{
    nCol = std::clamp(nCol, 0, GetColumnCount());
    if (nWidth < 0)
        nWidth = GetTextExtent(strHeading).GetWidth() + 2 * kTextMargin;
    m_columns.insert(m_columns.begin() + nCol, Column{strHeading, nFormat, nWidth});
    for (auto& item : m_items)
        item.insert(item.begin() + std::min<int>(nCol, static_cast<int>(item.size())), wxString());
    UpdateScrollBar();
    Refresh();
    return nCol;
}

wxString CReportList::GetColumnHeading(int nCol) const
{
    return nCol >= 0 && nCol < GetColumnCount() ? m_columns[static_cast<std::size_t>(nCol)].strHeading : wxString();
}

int CReportList::GetColumnFormat(int nCol) const
{
    return nCol >= 0 && nCol < GetColumnCount() ? m_columns[static_cast<std::size_t>(nCol)].nFormat : LVCFMT_LEFT;
}

int CReportList::InsertItem(int nItem, const wxString& strText)
{
    if (nItem < 0)
        return -1;
    nItem = std::min(nItem, GetItemCount());
    std::vector<wxString> texts(static_cast<std::size_t>(std::max(GetColumnCount(), 1)));
    texts[0] = strText;
    m_items.insert(m_items.begin() + nItem, std::move(texts));
    if (m_nSelected >= nItem)
        ++m_nSelected;
    UpdateScrollBar();
    Refresh();
    return nItem;
}

bool CReportList::SetItemText(int nItem, int nSubItem, const wxString& strText)
{
    if (nItem < 0 || nItem >= GetItemCount() || nSubItem < 0 || nSubItem >= std::max(GetColumnCount(), 1))
        return false;
    auto& texts = m_items[static_cast<std::size_t>(nItem)];
    if (texts.size() <= static_cast<std::size_t>(nSubItem))
        texts.resize(static_cast<std::size_t>(nSubItem) + 1);
    texts[static_cast<std::size_t>(nSubItem)] = strText;
    Refresh();
    return true;
}

wxString CReportList::GetItemText(int nItem, int nSubItem) const
{
    if (nItem < 0 || nItem >= GetItemCount() || nSubItem < 0)
        return {};
    const auto& texts = m_items[static_cast<std::size_t>(nItem)];
    return static_cast<std::size_t>(nSubItem) < texts.size() ? texts[static_cast<std::size_t>(nSubItem)] : wxString();
}

bool CReportList::DeleteItem(int nItem)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return false;
    m_items.erase(m_items.begin() + nItem);
    if (m_nSelected == nItem)
        m_nSelected = -1;
    else if (m_nSelected > nItem)
        --m_nSelected;
    ScrollTo(m_nTopIndex);
    Refresh();
    return true;
}

bool CReportList::DeleteAllItems()
{
    m_items.clear();
    m_nSelected = -1;
    ScrollTo(0);
    Refresh();
    return true;
}

void CReportList::SetBkColor(const wxColour& colour)
{
    m_clrBack = colour;
    Refresh();
}

bool CReportList::SetTextColor(const wxColour& colour)
{
    m_clrText = colour;
    Refresh();
    return true;
}

void CReportList::SetSelectionMark(int nItem)
{
    m_nSelected = nItem >= 0 && nItem < GetItemCount() ? nItem : -1;
    if (m_nSelected >= 0 && m_nSelected < m_nTopIndex)
        ScrollTo(m_nSelected);
    else if (m_nSelected >= m_nTopIndex + VisibleRows())
        ScrollTo(m_nSelected - VisibleRows() + 1);
    Refresh();
}

void CReportList::SetRowHeightPixels(int nHeight)
{
    m_nRowHeight = std::max(nHeight, 1);
    UpdateScrollBar();
    Refresh();
}

void CReportList::SetHeaderHeightPixels(int nHeight)
{
    m_nHeaderHeight = std::max(nHeight, 0);
    UpdateScrollBar();
    Refresh();
}

wxRect CReportList::GetHeaderItemRect(int nCol) const
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return {};
    int x = -m_nScrollLeft;
    for (int i = 0; i < nCol; ++i)
        x += m_columns[static_cast<std::size_t>(i)].nWidth;
    return {x, 0, m_columns[static_cast<std::size_t>(nCol)].nWidth, m_nHeaderHeight};
}

wxRect CReportList::GetCellRect(int nItem, int nCol) const
{
    if (nItem < m_nTopIndex || nItem >= GetItemCount() || nItem >= m_nTopIndex + VisibleRows() + 1)
        return {};
    const wxRect header = GetHeaderItemRect(nCol);
    if (header.IsEmpty())
        return {};
    return {header.x, m_nHeaderHeight + (nItem - m_nTopIndex) * m_nRowHeight, header.width, m_nRowHeight};
}

int CReportList::HitTest(const wxPoint& pt) const
{
    if (pt.y < m_nHeaderHeight)
        return -1;
    const int nItem = m_nTopIndex + (pt.y - m_nHeaderHeight) / m_nRowHeight;
    return nItem < GetItemCount() ? nItem : -1;
}

int CReportList::VisibleRows() const
{
    return std::max((GetClientSize().GetHeight() - m_nHeaderHeight) / m_nRowHeight, 1);
}

int CReportList::ColumnsWidth() const
{
    int nWidth = 0;
    for (const Column& column : m_columns)
        nWidth += column.nWidth;
    return nWidth;
}

void CReportList::ScrollTo(int nTop)
{
    m_nTopIndex = std::clamp(nTop, 0, std::max(GetItemCount() - VisibleRows(), 0));
    UpdateScrollBar();
    Refresh();
}

void CReportList::ScrollLeftTo(int nLeft)
{
    m_nScrollLeft = std::clamp(nLeft, 0, std::max(ColumnsWidth() - GetClientSize().GetWidth(), 0));
    UpdateScrollBar();
    Refresh();
}

void CReportList::UpdateScrollBar()
{
    if (GetHandle() == nullptr)
        return;
    SetScrollbar(wxVERTICAL, m_nTopIndex, VisibleRows(), GetItemCount());
    SetScrollbar(wxHORIZONTAL, m_nScrollLeft, GetClientSize().GetWidth(), ColumnsWidth());
}

void CReportList::GetCellColours(int, int, wxColour& text, wxColour& back) const
{
    text = m_clrText;
    back = m_clrTextBack;
}

void CReportList::DrawHeader(wxDC& dc)
{
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    dc.SetPen(wxPen(shadow));
    dc.SetBrush(wxBrush(face));
    dc.DrawRectangle(0, 0, GetClientSize().GetWidth(), m_nHeaderHeight);
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
    for (int i = 0; i < GetColumnCount(); ++i) {
        const wxRect rc = GetHeaderItemRect(i);
        dc.DrawLine(rc.GetRight(), rc.y, rc.GetRight(), rc.GetBottom());
        dc.DrawLabel(GetColumnHeading(i), rc.Deflate(kTextMargin, 0), AlignmentOf(GetColumnFormat(i)));
    }
}

void CReportList::DrawRow(wxDC& dc, int nItem)
{
    const bool bSelected = nItem == m_nSelected;
    for (int i = 0; i < GetColumnCount(); ++i) {
        const wxRect rc = GetCellRect(nItem, i);
        wxColour text, back;
        if (bSelected) {
            text = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
            back = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
        } else {
            GetCellColours(nItem, i, text, back);
        }
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(back));
        dc.DrawRectangle(rc);
        dc.SetTextForeground(text);
        dc.DrawLabel(GetItemText(nItem, i), rc.Deflate(kTextMargin, 0), AlignmentOf(GetColumnFormat(i)));
    }
}

void CReportList::Draw(wxDC& dc)
{
    const wxSize size = GetClientSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(m_clrBack));
    dc.DrawRectangle(0, 0, size.GetWidth(), size.GetHeight());
    dc.SetFont(GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const int nEnd = std::min(GetItemCount(), m_nTopIndex + VisibleRows() + 1);
    for (int nItem = m_nTopIndex; nItem < nEnd; ++nItem)
        DrawRow(dc, nItem);
    if (m_bGridLines)
        DrawGridLines(dc);
    if (m_nHeaderHeight > 0)
        DrawHeader(dc);
}

void CReportList::SetGridLines(bool bGridLines)
{
    m_bGridLines = bGridLines;
    Refresh();
}

void CReportList::DrawGridLines(wxDC& dc)
{
    const wxSize size = GetClientSize();
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    for (int y = m_nHeaderHeight + m_nRowHeight - 1; y < size.GetHeight(); y += m_nRowHeight)
        dc.DrawLine(0, y, size.GetWidth(), y);
    for (int i = 0; i < GetColumnCount(); ++i) {
        const int x = GetHeaderItemRect(i).GetRight();
        dc.DrawLine(x, m_nHeaderHeight, x, size.GetHeight());
    }
}

void CReportList::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    Draw(dc);
}

void CReportList::OnSize(wxSizeEvent& event)
{
    // GTK sends the size without the scroll bars before the size with them; clamped at once, a
    // list scrolled to its end would lose its last row or column.
    CallAfter([this] {
        ScrollTo(m_nTopIndex);
        ScrollLeftTo(m_nScrollLeft);
    });
    event.Skip();
}

void CReportList::OnLeftDown(wxMouseEvent& event)
{
    SetFocus();
    const int nItem = HitTest(event.GetPosition());
    if (nItem < 0)
        return;
    SetSelectionMark(nItem);
    wxListEvent selected(wxEVT_LIST_ITEM_SELECTED, GetId());
    selected.SetEventObject(this);
    selected.m_itemIndex = nItem;
    ProcessWindowEvent(selected);
}

void CReportList::OnWheel(wxMouseEvent& event)
{
    const int nSteps = event.GetWheelRotation() / std::max(event.GetWheelDelta(), 1);
    // A tilted wheel turns right with a positive rotation; Shift turns the wheel's rolling upward
    // into a move to the left.
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL)
        ScrollLeftTo(m_nScrollLeft + nSteps * kWheelRows * kLinePixels);
    else if (event.ShiftDown())
        ScrollLeftTo(m_nScrollLeft - nSteps * kWheelRows * kLinePixels);
    else
        ScrollTo(m_nTopIndex - nSteps * kWheelRows);
}

void CReportList::OnScroll(wxScrollWinEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (event.GetOrientation() == wxHORIZONTAL) {
        const int nPage = GetClientSize().GetWidth();
        if (type == wxEVT_SCROLLWIN_TOP)
            ScrollLeftTo(0);
        else if (type == wxEVT_SCROLLWIN_BOTTOM)
            ScrollLeftTo(ColumnsWidth());
        else if (type == wxEVT_SCROLLWIN_LINEUP)
            ScrollLeftTo(m_nScrollLeft - kLinePixels);
        else if (type == wxEVT_SCROLLWIN_LINEDOWN)
            ScrollLeftTo(m_nScrollLeft + kLinePixels);
        else if (type == wxEVT_SCROLLWIN_PAGEUP)
            ScrollLeftTo(m_nScrollLeft - nPage);
        else if (type == wxEVT_SCROLLWIN_PAGEDOWN)
            ScrollLeftTo(m_nScrollLeft + nPage);
        else
            ScrollLeftTo(event.GetPosition());
        return;
    }
    if (type == wxEVT_SCROLLWIN_TOP)
        ScrollTo(0);
    else if (type == wxEVT_SCROLLWIN_BOTTOM)
        ScrollTo(GetItemCount());
    else if (type == wxEVT_SCROLLWIN_LINEUP)
        ScrollTo(m_nTopIndex - 1);
    else if (type == wxEVT_SCROLLWIN_LINEDOWN)
        ScrollTo(m_nTopIndex + 1);
    else if (type == wxEVT_SCROLLWIN_PAGEUP)
        ScrollTo(m_nTopIndex - VisibleRows());
    else if (type == wxEVT_SCROLLWIN_PAGEDOWN)
        ScrollTo(m_nTopIndex + VisibleRows());
    else
        ScrollTo(event.GetPosition());
}

void CReportList::OnKeyDown(wxKeyEvent& event)
{
    const int nLast = GetItemCount() - 1;
    switch (event.GetKeyCode()) {
    case WXK_UP: SetSelectionMark(std::max(m_nSelected - 1, 0)); break;
    case WXK_DOWN: SetSelectionMark(std::min(m_nSelected + 1, nLast)); break;
    case WXK_HOME: SetSelectionMark(0); break;
    case WXK_END: SetSelectionMark(nLast); break;
    case WXK_PAGEUP: SetSelectionMark(std::max(m_nSelected - VisibleRows(), 0)); break;
    case WXK_PAGEDOWN: SetSelectionMark(std::min(m_nSelected + VisibleRows(), nLast)); break;
    case WXK_LEFT: ScrollLeftTo(m_nScrollLeft - kLinePixels); break;
    case WXK_RIGHT: ScrollLeftTo(m_nScrollLeft + kLinePixels); break;
    default: event.Skip(); break;
    }
}
