#include "controls/WinText.h"

#include <wx/control.h>
#include <wx/dc.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/TextLayout.h"
#include "res/WinStyles.h"

namespace {
bool IsWide(wxUniChar ch)
{
    return ch.GetValue() >= 0x2E80;  // CJK text breaks between any two characters
}

// Greedy word wrap of one paragraph to nWidth pixels.
void WrapInto(wxDC& dc, const wxString& strLine, int nWidth, std::vector<wxString>& lines)
{
    wxString strCurrent;
    size_t i = 0;
    while (i < strLine.length()) {
        // The next piece: a word with its trailing spaces, or one wide character.
        size_t j = i + 1;
        if (!IsWide(strLine[i])) {
            while (j < strLine.length() && strLine[j] != ' ' && !IsWide(strLine[j]))
                ++j;
            while (j < strLine.length() && strLine[j] == ' ')
                ++j;
        }
        const wxString strPiece = strLine.Mid(i, j - i);
        if (!strCurrent.empty() && dc.GetTextExtent(strCurrent + strPiece.Strip(wxString::trailing)).x > nWidth) {
            lines.push_back(strCurrent.Strip(wxString::trailing));
            strCurrent.clear();
        }
        strCurrent += strPiece;
        i = j;
    }
    lines.push_back(strCurrent.Strip(wxString::trailing));
}

// The lines the text shows in a rectangle nWidth wide.
std::vector<wxString> LinesOf(wxDC& dc, const wxString& strText, int nWidth, unsigned nFormat)
{
    wxString strShown = (nFormat & DT_NOPREFIX) ? strText : StripPrefixes(strText);
    std::vector<wxString> lines;
    if (nFormat & DT_SINGLELINE) {
        strShown.Replace(wxS("\r"), wxS(""));
        strShown.Replace(wxS("\n"), wxS(""));
        lines.push_back(strShown);
    } else {
        strShown.Replace(wxS("\r\n"), wxS("\n"));
        for (const wxString& strPara : wxSplit(strShown, '\n', '\0')) {
            if (nFormat & DT_WORDBREAK)
                WrapInto(dc, strPara, nWidth, lines);
            else
                lines.push_back(strPara);
        }
    }
    return lines;
}
}  // namespace

wxString StripPrefixes(const wxString& strText)
{
    wxString strOut;
    for (size_t i = 0; i < strText.length(); ++i) {
        if (strText[i] != '&')
            strOut += strText[i];
        else if (i + 1 < strText.length())
            strOut += strText[++i];  // "&&" shows "&", "&x" shows "x"
    }
    return strOut;
}

wxSize MeasureWinText(wxDC& dc, const wxString& strText, int nWidth, unsigned nFormat)
{
    const std::vector<wxString> lines = LinesOf(dc, strText, nWidth, nFormat);
    int nWidest = 0;
    for (const wxString& strLine : lines)
        nWidest = std::max(nWidest, dc.GetTextExtent(strLine).x);
    return {nWidest, dc.GetCharHeight() * int(lines.size())};
}

void DrawWinText(wxDC& dc, const wxString& strText, const wxRect& rc, unsigned nFormat)
{
    const std::vector<wxString> lines = LinesOf(dc, strText, rc.width, nFormat);
    const wxEllipsizeMode ellipsis = (nFormat & DT_PATH_ELLIPSIS)                        ? wxELLIPSIZE_MIDDLE
                                     : (nFormat & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) ? wxELLIPSIZE_END
                                                                                        : wxELLIPSIZE_NONE;
    const int nLineHeight = dc.GetCharHeight();
    const int nTotal = nLineHeight * int(lines.size());
    int y = rc.y;
    if ((nFormat & DT_SINGLELINE) && (nFormat & DT_VCENTER))
        y = rc.y + (rc.height - nTotal) / 2;
    else if ((nFormat & DT_SINGLELINE) && (nFormat & DT_BOTTOM))
        y = rc.GetBottom() + 1 - nTotal;

    std::unique_ptr<wxDCClipper> clip;
    if (!(nFormat & DT_NOCLIP))
        clip = std::make_unique<wxDCClipper>(dc, rc);
    for (wxString strLine : lines) {
        if (ellipsis != wxELLIPSIZE_NONE)
            strLine = wxControl::Ellipsize(strLine, dc, ellipsis, rc.width, wxELLIPSIZE_FLAGS_NONE);
        CTextLayout layout(dc, strLine);
        int x = rc.x;
        if (nFormat & DT_CENTER)
            x = rc.x + (rc.width - layout.GetSize().x) / 2;
        else if (nFormat & DT_RIGHT)
            x = rc.GetRight() + 1 - layout.GetSize().x;
        layout.Draw(x, y);
        y += nLineHeight;
    }
}

void FillSolidRect(wxDC& dc, const wxRect& rc, const wxColour& colour)
{
    if (rc.width <= 0 || rc.height <= 0)
        return;
    dc.SetBrush(wxBrush(colour));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(rc);
}
