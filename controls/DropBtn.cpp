#include "controls/DropBtn.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "controls/ControlIds.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"

namespace {
constexpr int kTextLeft = 4;   // text area: from x = 4 to the right edge - 5
constexpr int kTextRight = 5;
constexpr int kRuleGap = 2;    // between a header's text and its rule, and the rule and the edge

wxColour ToWx(const Color& c)
{
    return {c.r, c.g, c.b, c.a};
}

Color FromWx(const wxColour& c)
{
    return {c.Alpha(), c.Red(), c.Green(), c.Blue()};
}
}  // namespace

CDropListBox::CDropListBox(CDropListWnd* pPopup, wxWindow* pParent)
    : wxVListBox(pParent, WxId(ID), wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxVSCROLL),
      m_pPopup(pPopup)
{
    SetBackgroundColour(m_clrBack);
    Bind(wxEVT_MOTION, &CDropListBox::OnMouseMove, this);
    Bind(wxEVT_LEFT_DOWN, &CDropListBox::OnLeftDown, this);
    Bind(wxEVT_LISTBOX, &CDropListBox::OnKeySelect, this);
    Bind(wxEVT_KILL_FOCUS, &CDropListBox::OnKillFocus, this);
}

void CDropListBox::SyncCount()
{
    SetItemCount(static_cast<size_t>(m_items.GetCount()));
    Refresh();
}

int CDropListBox::AddString(const wxString& strText)
{
    bool bSelectPrev = false;
    const int nIndex = m_items.AddString(strText.utf8_string(), bSelectPrev);
    m_pCurItem = &m_items.GetAt(nIndex)->item;
    SyncCount();
    if (bSelectPrev)
        SetSelection(m_items.GetPrevSel());
    return nIndex;
}

int CDropListBox::InsertString(int nIndex, const wxString& strText)
{
    nIndex = m_items.InsertString(nIndex, strText.utf8_string());
    m_pCurItem = &m_items.GetAt(nIndex)->item;
    SyncCount();
    return nIndex;
}

int CDropListBox::AddGroupString(int nGroup, const wxString& strText, const wxColour& clrText,
                                 const wxColour& clrHighlight)
{
    const int nIndex = m_items.AddGroupString(nGroup, strText.utf8_string(), FromWx(clrText), FromWx(clrHighlight));
    if (nIndex >= 0) {
        m_pCurItem = &m_items.GetAt(nIndex)->item;
        SyncCount();
    }
    return nIndex;
}

int CDropListBox::DeleteString(int nIndex)
{
    const int nLeft = m_items.DeleteString(nIndex);
    if (nLeft >= 0) {
        m_pCurItem = nullptr;
        SyncCount();
    }
    return nLeft;
}

void CDropListBox::ResetContent()
{
    m_items.ResetContent();
    m_pCurItem = nullptr;
    SyncCount();
}

wxString CDropListBox::GetText(int nIndex) const
{
    const auto* pEntry = m_items.GetAt(nIndex);
    return pEntry != nullptr ? wxString::FromUTF8(pEntry->strText) : wxString();
}

void CDropListBox::SetListFont(const wxFont& font)
{
    if (m_bFontSet || !font.IsOk())
        return;
    m_bFontSet = true;
    m_fontItem = font;
    m_fontHeader = font.Bold();
    SetFont(font);
    wxClientDC dc(this);
    dc.SetFont(font);
    m_nItemHeight = dc.GetCharHeight();
    RefreshAll();
}

void CDropListBox::SetBackColour(const wxColour& colour)
{
    m_clrBack = colour;
    SetBackgroundColour(colour);
    Refresh();
}

void CDropListBox::SetHighlightColour(const wxColour& colour)
{
    m_clrHighlight = colour;
    Refresh();
}

wxCoord CDropListBox::OnMeasureItem(size_t) const
{
    return m_nItemHeight;
}

void CDropListBox::OnDrawBackground(wxDC&, const wxRect&, size_t) const
{
    // DrawEntry paints the whole item, highlight included.
}

void CDropListBox::OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const
{
    DrawEntry(dc, rect, static_cast<int>(n));
}

void CDropListBox::DrawEntry(wxDC& dc, const wxRect& rect, int nIndex) const
{
    const auto* pEntry = m_items.GetAt(nIndex);
    if (pEntry == nullptr)
        return;
    m_pCurItem = &pEntry->item;
    const DropListItem& item = pEntry->item;
    const bool bHighlight = IsSelected(static_cast<size_t>(nIndex)) && !item.bHeader;
    const wxRect rc = wxRect(rect).Inflate(1);
    dc.SetPen(wxPen(m_clrBack));
    dc.SetBrush(wxBrush(bHighlight ? m_clrHighlight : m_clrBack));
    dc.DrawRectangle(rc);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(ToWx(bHighlight ? item.clrHighlightText : item.clrText));
    const wxRect text(kTextLeft, rect.y, rect.GetRight() - kTextRight - kTextLeft, rect.height);
    const wxString strText = wxString::FromUTF8(pEntry->strText);
    if (item.bHeader) {
        dc.SetFont(m_fontHeader.IsOk() ? m_fontHeader : GetFont().Bold());
        const wxSize size = dc.GetTextExtent(strText);
        const wxRect own(text.x, text.y, size.GetWidth(), text.height);
        dc.DrawLabel(strText, own, wxALIGN_CENTER);
        const int y = own.y + own.height / 2;
        dc.SetPen(wxPen(ToWx(item.clrText)));
        dc.DrawLine(own.GetRight() + 1 + kRuleGap, y, GetClientSize().GetWidth() - kRuleGap, y);
    } else {
        dc.SetFont(m_fontItem.IsOk() ? m_fontItem : GetFont());
        const wxString strShown = wxControl::Ellipsize(strText, dc, wxELLIPSIZE_END, text.width);
        dc.DrawLabel(strShown, text, wxALIGN_CENTER);
    }
}

void CDropListBox::Draw(wxDC& dc)
{
    dc.SetBrush(wxBrush(m_clrBack));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(wxPoint(0, 0), GetClientSize());
    const int nFirst = static_cast<int>(GetVisibleRowsBegin());
    const int nEnd = std::min(static_cast<int>(GetVisibleRowsEnd()), m_items.GetCount());
    for (int i = nFirst; i < nEnd; ++i)
        DrawEntry(dc, wxRect(0, (i - nFirst) * m_nItemHeight, GetClientSize().GetWidth(), m_nItemHeight), i);
}

void CDropListBox::OnMouseMove(wxMouseEvent& event)
{
    const int nItem = VirtualHitTest(event.GetPosition().y);
    if (nItem != wxNOT_FOUND && nItem != GetSelection())
        SetSelection(nItem);  // no notification, as the mouse only points
}

void CDropListBox::OnLeftDown(wxMouseEvent& event)
{
    const int nItem = VirtualHitTest(event.GetPosition().y);
    if (nItem == wxNOT_FOUND)
        return;
    SetSelection(nItem);
    m_pPopup->OnSelChange(ClientToScreen(event.GetPosition()));
}

void CDropListBox::OnKeySelect(wxCommandEvent&)
{
    m_pPopup->OnSelChange(wxGetMousePosition());
}

void CDropListBox::OnKillFocus(wxFocusEvent& event)
{
    m_pPopup->Hide();
    event.Skip();
}

CDropListWnd::CDropListWnd(wxWindow* pOwner) : wxPopupWindow(pOwner, wxBORDER_NONE), m_pOwner(pOwner)
{
    m_pList = new CDropListBox(this, this);
    Bind(wxEVT_SIZE, &CDropListWnd::OnSize, this);
    wxPopupWindow::Show(false);
}

bool CDropListWnd::Show(bool bShow)
{
    m_bShown = bShow;
    return wxPopupWindow::Show(bShow);
}

void CDropListWnd::OnSize(wxSizeEvent& event)
{
    m_pList->SetSize(GetClientSize());
    event.Skip();
}

void CDropListWnd::OnSelChange(const wxPoint& ptScreen)
{
    const int nSel = m_pList->GetSelection();
    const auto* pEntry = m_pList->Items().GetAt(nSel);
    if (pEntry == nullptr || pEntry->item.bHeader)
        return;
    const bool bInside = GetScreenRect().Contains(ptScreen);
    Hide();
    if (bInside)
        SendMessage(m_pOwner, WM_DROPLIST_SELECT, static_cast<WPARAM>(nSel), 0);
    else if (m_pList->GetPrevSel() < m_pList->Items().GetCount())
        m_pList->SetSelection(m_pList->GetPrevSel());
}
