#include "controls/DropBtn.h"

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/settings.h>

#include "controls/ControlIds.h"
#include "controls/GdiConvert.h"
#include "controls/WinText.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "res/Fonts.h"
#include "res/WinStyles.h"

namespace {
constexpr int kTextLeft = 4;   // text area: from x = 4 to the right edge - 5
constexpr int kTextRight = 5;
constexpr int kRuleGap = 2;    // between a header's text and its rule, and the rule and the edge

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
        DrawWinText(dc, strText, text, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS);
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

wxRect CDropListWnd::ShowUnder(wxWindow* pButton, int nWidth, int nHeightLimit)
{
    const wxRect rcButton(pButton->ClientToScreen(wxPoint(0, 0)), pButton->GetClientSize());
    const int nDisplay = wxDisplay::GetFromWindow(pButton);
    const wxRect work = wxDisplay(nDisplay != wxNOT_FOUND ? static_cast<unsigned>(nDisplay) : 0).GetClientArea();
    const Rect rc = DropListRect(FromWx(rcButton), nWidth, m_pList->Items().GetCount(), m_pList->GetItemHeight(),
                                 nHeightLimit, FromWx(work));
    const wxRect rcPopup = ToWx(rc);
    SetSize(rcPopup);
    Show();
    return rcPopup;
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

CDropBtn::CDropBtn()
{
    Bind(wxEVT_MOTION, &CDropBtn::OnMouseMove, this);
    Bind(wxEVT_LEFT_DOWN, &CDropBtn::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CDropBtn::OnLeftDown, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CDropBtn::OnCaptureLost, this);
}

bool CDropBtn::Create(wxWindow* pParent, const wxRect& rc, const wxColour& clrFace, const wxColour& clrHover,
                      const wxColour& clrText, const wxColour& clrUnused, const wxFont* pFont, int nId)
{
    const bool bDefaultFace = !clrFace.IsOk();
    m_clrFace = bDefaultFace ? wxColour(255, 217, 205) : clrFace;
    m_clrHover = bDefaultFace ? wxColour(233, 228, 255) : clrHover;
    m_clrText = clrText.IsOk() ? clrText : wxColour(0, 255, 0);
    m_clrUnused = clrUnused.IsOk() ? clrUnused : *wxBLACK;
    m_font = pFont != nullptr && pFont->IsOk() ? *pFont : MakeFont("Arial", 15, 400);
    m_nId = nId;
    if (!CDrawnControl::Create(pParent, nId, rc))
        return false;
    m_pDropList = new CDropListWnd(this);
    m_pDropList->GetListBox()->SetListFont(m_font);
    BindMessage(this, WM_DROPLIST_SELECT,
                [this](WPARAM wParam, LPARAM) { return LRESULT(OnDropListSelect(static_cast<int>(wParam))); });
    return true;
}

void CDropBtn::DrawArrow(wxDC& dc, const wxRect& rc)
{
    const int nSize = dc.GetTextExtent(wxS("M")).GetWidth();
    const int x = rc.GetRight() - nSize - 2;
    const int y = rc.y + (rc.height - nSize / 2) / 2;
    const wxPoint points[] = {{x, y}, {x + nSize, y}, {x + nSize / 2, y + nSize / 2}};
    dc.SetPen(wxPen(m_clrText));
    dc.SetBrush(wxBrush(m_clrText));
    dc.DrawPolygon(3, points);
}

void CDropBtn::Draw(wxDC& dc)
{
    const wxRect rc(GetClientSize());
    dc.SetPen(wxPen(m_clrText));
    dc.SetBrush(wxBrush(m_bHover ? m_clrHover : m_clrFace));
    dc.DrawRectangle(rc);
    dc.SetFont(m_font);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(m_clrText);
    const int nArrow = dc.GetTextExtent(wxS("M")).GetWidth();
    DrawWinText(dc, GetLabel(), wxRect(5, 0, rc.width - 5 - nArrow - 4, rc.height),
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    DrawArrow(dc, rc);
}

void CDropBtn::ShowDropList()
{
    m_pDropList->ShowUnder(this, GetClientSize().GetWidth(), LIST_HEIGHT_LIMIT);
    m_pDropList->GetListBox()->SetFocus();
}

int CDropBtn::OnDropListSelect(int nIndex)
{
    CDropListBox* pList = m_pDropList->GetListBox();
    SetLabel(pList->GetText(nIndex));
    Refresh();
    PostMessage(GetParent(), WM_DROPLIST_SELECT, static_cast<WPARAM>(m_nId), nIndex);
    pList->SetPrevSel(nIndex);
    return 1;
}

void CDropBtn::OnMouseMove(wxMouseEvent& event)
{
    const bool bInside = wxRect(GetClientSize()).Contains(event.GetPosition());
    if (bInside != m_bHover) {
        m_bHover = bInside;
        if (bInside)
            TakeMouse();
        else
            FreeMouse();
        Refresh();
    }
    event.Skip();
}

void CDropBtn::OnLeftDown(wxMouseEvent&)
{
    if (m_pDropList->IsDropped())
        m_pDropList->Hide();
    else
        ShowDropList();
}

void CDropBtn::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bHover = false;
    Refresh();
}
