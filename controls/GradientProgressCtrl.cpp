#include "controls/GradientProgressCtrl.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "controls/MyMemDC.h"
#include "controls/WinText.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "res/WinStyles.h"

namespace {
// printf's "%W.Pf" with a decimal point whatever the locale.
std::string FormatFixed(double value, int nWidth, int nPrecision)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, nPrecision);
    std::string text(buffer, result.ptr);
    if (int(text.size()) < nWidth)
        text.insert(0, nWidth - text.size(), ' ');
    return text;
}
}  // namespace

CGradientProgressCtrl::CGradientProgressCtrl() : m_clrBack(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)) {}

void CGradientProgressCtrl::PreSubclassWindow()
{
    m_hWnd = GetWndHandle(this);
    BindMessage(this, PBM_SETPOS, [this](WPARAM, LPARAM) {
        Refresh();
        return LRESULT(0);
    });
}

void CGradientProgressCtrl::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
    m_nPos = nLower;
    Refresh();
}

void CGradientProgressCtrl::SetPos(int nPos)
{
    nPos = std::min(nPos, m_nUpper.load());
    m_nPos = nPos;
    PostMessage(m_hWnd.load(), PBM_SETPOS, WPARAM(nPos), 0);
}

void CGradientProgressCtrl::StepIt()
{
    m_nPos += m_nStep;
    Refresh();
}

void CGradientProgressCtrl::SetBkColor(const wxColour& colour)
{
    m_clrBack = colour;
    Refresh();
}

void CGradientProgressCtrl::SetShowPercent(bool bOn)
{
    m_bShowPercent = bOn;
    Refresh();
}

wxString CGradientProgressCtrl::PercentText() const
{
    const int nLower = m_nLower, nUpper = m_nUpper, nPos = m_nPos;
    if (nUpper == nLower)
        return {};
    const double percent = double(nPos - nLower) * 100.0 / double(nUpper - nLower);
    return wxString::FromUTF8(FormatFixed(percent, 3, nPos == nUpper ? 0 : 2)) + wxS(" %");
}

void CGradientProgressCtrl::Draw(wxDC& dc)
{
    const wxRect rc(GetClientSize());
    const int nLower = m_nLower, nUpper = m_nUpper, nPos = m_nPos;
    if (nPos <= nLower || nPos > nUpper) {
        FillSolidRect(dc, wxRect(rc).Inflate(2), m_clrBack);
        return;
    }
    const bool bVertical = (GetStyle() & PBS_VERTICAL) != 0;
    const int nExtent = int(double(nPos) / double(nUpper) * (bVertical ? rc.height : rc.width));
    {
        CMyMemDC memDC(dc, rc.GetSize());
        DrawGradient(memDC, rc, nExtent, bVertical);
    }
    if (m_bShowPercent) {
        dc.SetTextForeground(m_clrText);
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        dc.SetFont(GetFont());
        DrawWinText(dc, PercentText(), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

// The gradient always spans the whole bar; the position decides how much of it shows. The band
// holding the extent is drawn whole.
void CGradientProgressCtrl::DrawGradient(wxDC& dc, const wxRect& rc, int nExtent, bool bVertical)
{
    int dR = m_clrEnd.Red() - m_clrStart.Red();
    int dG = m_clrEnd.Green() - m_clrStart.Green();
    int dB = m_clrEnd.Blue() - m_clrStart.Blue();
    int nBands;
    if (m_clrStart == m_clrEnd && m_clrStart == *wxBLACK) {
        nBands = 255;
    } else {
        if (m_clrStart == m_clrEnd) {
            dR = m_clrStart.Red();
            dG = m_clrStart.Green();
            dB = m_clrStart.Blue();
        }
        nBands = std::max({std::abs(dR), std::abs(dG), std::abs(dB)});
    }
    const int nLength = bVertical ? rc.height : rc.width;
    const int nAcross = (bVertical ? rc.width : rc.height) + 1;
    const double band = double(nLength) / nBands;
    dc.SetPen(*wxTRANSPARENT_PEN);
    auto fill = [&](int nFrom, int nTo, const wxColour& colour) {
        dc.SetBrush(wxBrush(colour));
        if (bVertical)
            dc.DrawRectangle(0, nFrom, nAcross, nTo - nFrom);
        else
            dc.DrawRectangle(nFrom, 0, nTo - nFrom, nAcross);
    };
    for (int i = 0; i < nBands; ++i) {
        const int nFrom = int(i * band);
        const int nTo = int((i + 1) * band);
        fill(nFrom, nTo,
             wxColour(static_cast<unsigned char>(m_clrStart.Red() + double(i) * dR / nBands),
                      static_cast<unsigned char>(m_clrStart.Green() + double(i) * dG / nBands),
                      static_cast<unsigned char>(m_clrStart.Blue() + double(i) * dB / nBands)));
        if (nExtent < nTo) {
            fill(nTo, nLength, m_clrBack);
            break;
        }
    }
}
