#include "controls/ShowLink.h"

#include <wx/dc.h>

#include "controls/WinText.h"
#include "res/WinStyles.h"

namespace {
constexpr int kBlinkPeriodMs = 1001;
constexpr int kRightMargin = 19;
}  // namespace

CShow_Link::CShow_Link() : m_timer([this] { OnTimer(); }) {}

void CShow_Link::SetText(const wxString& strText)
{
    SetLabel(strText);
    Refresh();
}

void CShow_Link::SetTextFont(const wxFont* pFont)
{
    m_pFont = pFont;
}

void CShow_Link::StartBlink()
{
    m_bBlink = true;
    m_nPhase = 0;
    m_timer.Start(kBlinkPeriodMs);
}

void CShow_Link::StopBlink()
{
    m_bBlink = false;
    m_nPhase = 0;
    m_timer.Stop();
    Refresh();
}

void CShow_Link::OnTimer()
{
    m_nPhase ^= 1;
    Refresh();
}

void CShow_Link::Draw(wxDC& dc)
{
    wxRect rc(GetClientSize());
    FillSolidRect(dc, rc, m_clrFill);
    dc.SetTextForeground(!m_bBlink ? m_clrText : m_nPhase == 1 ? m_clrBlinkOn : m_clrBlinkOff);
    dc.SetFont(m_pFont != nullptr && m_pFont->IsOk() ? *m_pFont : GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    rc.width -= kRightMargin;
    DrawWinText(dc, GetLabel(), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
