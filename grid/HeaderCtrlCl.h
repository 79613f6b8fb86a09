#pragma once
// The header of CListCtrlCl: every column title on a grey vertical gradient that restarts in each
// column (and to the right of the last), aligned by one digit per column ('0' left, '1' centre,
// '2' right), in the list font of the language; its height is the list's own times a factor.
#include <wx/arrstr.h>
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class CReportList;
class wxDC;

class CHeaderCtrlCl {
public:
    // Paints the header of the list across its client width.
    void OnPaint(wxDC& dc, const CReportList& list) const;
    // The header height for the list's own height nDefault.
    int OnLayout(int nDefault) const { return static_cast<int>(nDefault * m_fHeightScale); }
    // DT_LEFT, DT_CENTER or DT_RIGHT by the column's digit (centre where it has none).
    unsigned ColumnAlign(int nColumn) const;

    wxArrayString m_astrTitles;
    wxString m_strAlign;
    int m_nStartRed = 180;
    int m_nStartGreen = 179;
    int m_nStartBlue = 179;
    int m_nColorStep = 3;
    float m_fHeightScale = 1.0f;
    wxColour m_crText = *wxBLACK;

private:
    void PaintGradient(wxDC& dc, int nLeft, int nRight, int nTop, int nBottom) const;
};
