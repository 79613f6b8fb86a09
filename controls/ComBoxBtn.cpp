#include "controls/ComBoxBtn.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include "controls/BitButton.h"
#include "controls/DropBtn.h"
#include "controls/SkinBackground.h"
#include "controls/WinText.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "res/Fonts.h"
#include "res/Skins.h"
#include "res/WinStyles.h"

namespace {
constexpr int kFontHeight = 14;
constexpr int kFontWeight = 400;
}  // namespace

CComBoxBtn::CComBoxBtn()
    : m_fontNormal(MakeFont("Arial", kFontHeight, kFontWeight)),
      m_fontHover(MakeFont("Arial", kFontHeight, kFontWeight)),
      m_layout{5, 20, DT_CENTER}
{
    Bind(wxEVT_MOTION, &CComBoxBtn::OnMouseMove, this);
    Bind(wxEVT_LEAVE_WINDOW, &CComBoxBtn::OnMouseLeave, this);
    Bind(wxEVT_LEFT_DOWN, &CComBoxBtn::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CComBoxBtn::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CComBoxBtn::OnLeftUp, this);
    Bind(wxEVT_MOUSEWHEEL, &CComBoxBtn::OnWheel, this);
    Bind(wxEVT_KILL_FOCUS, &CComBoxBtn::OnKillFocus, this);
}

void CComBoxBtn::PreSubclassWindow()
{
    switch (ButtonDrawOf(GetStyle())) {
    case ButtonDraw::System: m_nKind = kCheck; break;
    case ButtonDraw::None: m_nKind = kRadio; break;
    case ButtonDraw::Custom:
        m_nKind = kPush;
        ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
        break;
    }
    if (m_bHandCursor)
        SetCursor(HandCursor());
    BindMessage(this, WM_DROPLIST_SELECT, [this](WPARAM wParam, LPARAM) {
        return LRESULT(OnDropListSelect(static_cast<int>(wParam)));
    });
}

void CComBoxBtn::FitToBitmap(int nId)
{
    const wxBitmap& bmp = LoadSkin(nId);
    if (bmp.IsOk() && GetSize() != bmp.GetSize())
        SetSize(bmp.GetSize());
}

void CComBoxBtn::SetBitmaps(int nNormalId, int nHoverId)
{
    m_nNormalId = nNormalId;
    m_nHoverId = nHoverId;
    FitToBitmap(nNormalId);
}

void CComBoxBtn::SetTextLayout(const ComboTextLayout* pLayout)
{
    if (pLayout != nullptr)
        m_layout = *pLayout;
}

void CComBoxBtn::SetTextColours(const wxColour& normal, const wxColour& hover)
{
    m_clrNormal = normal;
    m_clrHover = hover;
}

void CComBoxBtn::SetSelectedTextColour(int nUnused, const wxColour& colour)
{
    m_nSelectedValue = nUnused;
    m_clrSelected = colour;
}

void CComBoxBtn::SetSelectedLook(bool bOn)
{
    if (m_bSelectedLook == bOn)
        return;
    m_bSelectedLook = bOn;
    Refresh();
}

void CComBoxBtn::SetFonts(const wxFont& normal, const wxFont& hover)
{
    m_fontNormal = normal;
    m_fontHover = hover;
}

bool CComBoxBtn::CreateDropList(wxWindow* pParent, int nListId)
{
    m_nPopupWidth = GetClientSize().GetWidth();
    m_pDropList = new CDropListWnd(this);
    m_pDropList->GetListBox()->SetListFont(m_fontNormal);
    m_pParent = pParent;
    m_nListId = nListId;
    return true;
}

int CComBoxBtn::AddString(const wxString& strText)
{
    return m_pDropList != nullptr ? m_pDropList->GetListBox()->AddString(strText) : -1;
}

int CComBoxBtn::InsertString(int nIndex, const wxString& strText)
{
    return m_pDropList != nullptr ? m_pDropList->GetListBox()->InsertString(nIndex, strText) : -1;
}

void CComBoxBtn::ResetContent()
{
    if (m_pDropList != nullptr)
        m_pDropList->GetListBox()->ResetContent();
}

void CComBoxBtn::SetCurSel(int nIndex)
{
    if (m_pDropList == nullptr)
        return;
    CDropListBox* pList = m_pDropList->GetListBox();
    pList->SetSelection(nIndex >= 0 && nIndex < pList->Items().GetCount() ? nIndex : wxNOT_FOUND);
    SetLabel(IsThisEnabled() ? pList->GetText(nIndex) : wxString(wxS("NULL")));
    Refresh();
}

int CComBoxBtn::GetCurSel() const
{
    return m_pDropList != nullptr ? m_pDropList->GetListBox()->GetSelection() : -1;
}

void CComBoxBtn::EnableWindow(bool bEnable)
{
    if (m_bNullWhenDisabled && bEnable && GetCurSel() >= 0)
        SetLabel(m_pDropList->GetListBox()->GetText(GetCurSel()));
    Enable(bEnable);
}

void CComBoxBtn::Draw(wxDC& dc)
{
    const wxRect rcClient(GetClientSize());
    if (m_nKind == kRadio) {
        PaintParentBackground(this, dc);
        return;
    }
    if (m_nKind == kCheck) {  // the system's own look
        dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
        dc.DrawRectangle(rcClient);
        dc.SetFont(m_fontNormal);
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
        DrawWinText(dc, GetLabel(), rcClient, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    const bool bEnabled = IsThisEnabled();
    int nBitmap = m_nNormalId;
    const wxFont* pFont = &m_fontNormal;
    wxColour colour = m_bSelectedLook ? m_clrSelected : m_clrNormal;
    if (!bEnabled) {
        nBitmap = m_nDisabledId;
        colour = m_clrDisabled;
    } else if (m_bHover) {
        nBitmap = m_nHoverId;
        pFont = &m_fontHover;
        colour = m_clrHover;
    }
    const wxBitmap& bmp = LoadSkin(nBitmap);
    if (nBitmap != 0 && bmp.IsOk()) {
        if (bmp.GetSize() == rcClient.GetSize()) {
            dc.DrawBitmap(bmp, 0, 0);
        } else {
            const wxImage image = bmp.ConvertToImage().Scale(rcClient.width, rcClient.height);
            dc.DrawBitmap(wxBitmap(image), 0, 0);
        }
    } else {
        dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(rcClient);
    }
    if (GetLabel().empty())
        return;
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(*pFont);
    dc.SetTextForeground(colour);
    const unsigned nFormat = m_layout.nFormat | DT_SINGLELINE | DT_VCENTER;
    if (!bEnabled) {
        DrawWinText(dc, m_bNullWhenDisabled ? wxString(wxS("NULL")) : GetLabel(), rcClient, nFormat);
        return;
    }
    wxRect rc = rcClient;
    rc.x += m_layout.nLeftMargin;
    rc.width -= m_layout.nLeftMargin + m_layout.nRightMargin;
    DrawWinText(dc, GetLabel(), rc, nFormat);
}

void CComBoxBtn::ShowDropList()
{
    m_rcPopup = m_pDropList->ShowUnder(this, m_nPopupWidth, LIST_HEIGHT_LIMIT);
}

int CComBoxBtn::OnDropListSelect(int nIndex)
{
    CDropListBox* pList = m_pDropList->GetListBox();
    SetLabel(pList->GetText(nIndex));
    m_bHover = true;
    Refresh();
    PostMessage(m_pParent, WM_DROPLIST_SELECT, static_cast<WPARAM>(m_nListId), nIndex);
    pList->SetPrevSel(nIndex);
    return 1;
}

void CComBoxBtn::OnMouseMove(wxMouseEvent& event)
{
    if (!m_bHover) {
        m_bHover = true;
        Refresh(false);
    }
    if (m_bHoverNotify && m_lastNotified != event.GetPosition()) {
        m_lastNotified = event.GetPosition();
        wxWindow* pFocus = FindFocus();
        if (m_pDropList != nullptr && m_pDropList->IsDropped()) {
            if (pFocus != m_pDropList && pFocus != m_pDropList->GetListBox()) {
                SendMessage(GetParent(), WM_BUTTON_HOVER, static_cast<WPARAM>(-1), GetCtrlId());
                m_pDropList->GetListBox()->SetFocus();
            }
        } else if (pFocus != this) {
            SendMessage(GetParent(), WM_BUTTON_HOVER, MouseKeyFlags(event), GetCtrlId());
        }
    }
    event.Skip();
}

void CComBoxBtn::OnMouseLeave(wxMouseEvent& event)
{
    m_bHover = false;
    Refresh(false);
    event.Skip();
}

void CComBoxBtn::OnLeftDown(wxMouseEvent& event)
{
    m_bHover = false;
    if (m_pDropList != nullptr) {
        if (m_pDropList->IsDropped()) {
            if (!m_rcPopup.Contains(ClientToScreen(event.GetPosition())))
                m_pDropList->Hide();
        } else {
            ShowDropList();
        }
    }
    Refresh();
    SetFocus();
}

void CComBoxBtn::OnLeftUp(wxMouseEvent& event)
{
    if (wxRect(GetClientSize()).Contains(event.GetPosition()))
        SendCommandToParent(this);
}

void CComBoxBtn::OnWheel(wxMouseEvent& event)
{
    // wx gives a notch away from the user as a positive rotation, as the other system did.
    const auto index = m_wheel.OnWheel(event.GetWheelRotation(), m_pDropList != nullptr
                                                                  ? m_pDropList->GetListBox()->Items().GetCount()
                                                                  : 0,
                                       GetCurSel());
    if (!index)
        return;
    SetCurSel(*index);
    PostMessage(m_pParent, WM_DROPLIST_SELECT, static_cast<WPARAM>(m_nListId), *index);
}

void CComBoxBtn::OnKillFocus(wxFocusEvent& event)
{
    m_bHover = false;
    Refresh(false);
    event.Skip();
}
