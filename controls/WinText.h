#pragma once
// Drawing helpers of the owner-drawn controls. Text drawing with the format flags of the program's controls (DT_* in res/WinStyles.h):
// alignment, single line or word wrap, ellipses, "&" prefixes and clipping. Font, colour and
// background mode are the dc's.
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDC;

void DrawWinText(wxDC& dc, const wxString& strText, const wxRect& rc, unsigned nFormat);
// The size DrawWinText would fill: the widest line and the height of all lines, with the text
// wrapped to nWidth when nFormat has DT_WORDBREAK.
wxSize MeasureWinText(wxDC& dc, const wxString& strText, int nWidth, unsigned nFormat);

// The text as shown with prefix processing: "&&" is "&", a single "&" disappears.
wxString StripPrefixes(const wxString& strText);

// Fills the rectangle with the colour, no outline.
void FillSolidRect(wxDC& dc, const wxRect& rc, const wxColour& colour);
