#include "grid/TitleTip.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

bool CTitleTip::Create(wxWindow* pParent)
{
    m_pParent = pParent;
    if (!wxPopupWindow::Create(pParent, wxBORDER_SIMPLE))
        return false;
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK));
    SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT));
    Bind(wxEVT_PAINT, &CTitleTip::OnPaint, this);
    Bind(wxEVT_MOTION, &CTitleTip::OnMotion, this);
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN})
        Bind(type, &CTitleTip::OnButton, this);
    Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent&) { Hide(); });
    return true;
}

void CTitleTip::Show(const wxRect& rcTitle, const wxString& strText, int nXOffset, const wxRect* pHover,
                     const wxFont* pFont)
{
    if (rcTitle.IsEmpty() || m_pParent == nullptr)
        return;
    SetFont(pFont != nullptr && pFont->IsOk() ? *pFont : m_pParent->GetFont());
    m_strText = strText;
    const wxString strShown = wxS(" ") + strText + wxS(" ");
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const wxSize extent = dc.GetTextExtent(strShown);
    // Over the title, moved right by the offset, as wide as the text with its spaces.
    const wxRect rcShow(rcTitle.x + nXOffset, rcTitle.y, nXOffset + extent.x, std::max(rcTitle.height, extent.y));
    wxRect rcHover = pHover != nullptr ? *pHover : rcTitle;
    rcHover.Offset(-rcShow.x, -rcShow.y);
    m_rectHover = rcHover;
    SetSize(wxRect(m_pParent->ClientToScreen(rcShow.GetPosition()), rcShow.GetSize()));
    if (!IsShown())
        wxPopupWindow::Show(true);
    Refresh();
}

void CTitleTip::Hide()
{
    if (IsShown())
        wxPopupWindow::Show(false);
}

void CTitleTip::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.SetFont(GetFont());
    dc.SetTextForeground(GetForegroundColour());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxString strShown = wxS(" ") + m_strText + wxS(" ");
    const int nTextHeight = dc.GetTextExtent(strShown).y;
    dc.DrawText(strShown, 0, std::max(0, (GetClientSize().y - nTextHeight) / 2));
}

void CTitleTip::OnMotion(wxMouseEvent& event)
{
    if (m_rectHover.Contains(event.GetPosition()))
        return;
    Hide();
    PassToParent(event);
}

void CTitleTip::OnButton(wxMouseEvent& event)
{
    Hide();
    PassToParent(event);
}

void CTitleTip::PassToParent(wxMouseEvent& event)
{
    if (m_pParent == nullptr)
        return;
    wxMouseEvent passed(event);
    passed.SetPosition(m_pParent->ScreenToClient(ClientToScreen(event.GetPosition())));
    passed.SetEventObject(m_pParent);
    passed.SetId(m_pParent->GetId());
    m_pParent->GetEventHandler()->ProcessEvent(passed);
}
