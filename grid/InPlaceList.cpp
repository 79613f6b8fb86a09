#include "grid/InPlaceList.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "controls/ControlIds.h"
#include "controls/WinKeys.h"
#include "grid/GridCtrl.h"
#include "grid/InPlaceEdit.h"
#include "grid/InPlaceEditRules.h"

CInPlaceList::CInPlaceList(CGridCtrl* pGrid, const Rect& rc, unsigned nListStyle, int nId, int nRow, int nCol,
                           const std::vector<std::string>& options, const std::string& strInitText, int nChar)
    : m_pGrid(pGrid), m_strInitText(wxString::FromUTF8(strInitText)), m_nRow(nRow), m_nCol(nCol)
{
    wxArrayString choices;
    for (const std::string& strOption : options)
        choices.Add(wxString::FromUTF8(strOption));
    // As wide as the widest option with a scroll bar and a space each side, at least the cell.
    int nWidth = rc.right - rc.left + 1;
    {
        wxClientDC dc(pGrid);
        dc.SetFont(pGrid->GetFont());
        int nWidest = 0;
        for (const wxString& strChoice : choices)
            nWidest = std::max(nWidest, dc.GetTextExtent(strChoice).x);
        nWidth = std::max(nWidth, nWidest + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, pGrid) +
                                      2 * dc.GetTextExtent(wxS(" ")).x);
    }
    const bool bListOnly = nListStyle == CBS_DROPDOWNLIST;
    if (!wxComboBox::Create(pGrid, WxId(nId), wxEmptyString, wxPoint(rc.left, rc.top),
                            wxSize(nWidth, rc.bottom - rc.top + 1), choices,
                            (bListOnly ? wxCB_READONLY : wxCB_DROPDOWN) | wxTE_PROCESS_ENTER))
        return;
    SetFont(pGrid->GetFont());

    // The first option the old text begins (in any letter case) is chosen; with none, the old
    // text stands in the edit field.
    int nFound = wxNOT_FOUND;
    for (size_t i = 0; i < choices.size() && nFound == wxNOT_FOUND; ++i)
        if (choices[i].Lower().StartsWith(m_strInitText.Lower()))
            nFound = int(i);
    if (nFound != wxNOT_FOUND)
        SetSelection(nFound);
    else if (!bListOnly)
        ChangeValue(m_strInitText);

    Bind(wxEVT_CHAR_HOOK, &CInPlaceList::OnCharHook, this);
    Bind(wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent& event) {
        m_bDropped = true;
        event.Skip();
    });
    Bind(wxEVT_COMBOBOX_CLOSEUP, [this](wxCommandEvent& event) {
        m_bDropped = false;
        event.Skip();
    });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        // The open list takes the keyboard for a while; the edit goes on.
        if (!m_bDropped && event.GetWindow() != this)
            EndEdit();
    });
    SetFocus();
    if (bListOnly)
        return;
    StartTyping(*this, nChar, true);
}

void CInPlaceList::OnCharHook(wxKeyEvent& event)
{
    if (event.AltDown())
        return;
    const int nKey = WinKeyCode(event);
    if (KeyDownEndsEdit(nKey, false, event.ControlDown())) {
        EndWith(nKey);
        return;
    }
    switch (nKey) {
    case VK_ESCAPE:
        m_bCancelled = true;
        EndWith(VK_ESCAPE);
        return;
    case VK_TAB:
    case VK_RETURN: EndWith(nKey); return;
    default: event.Skip(); return;
    }
}

void CInPlaceList::EndWith(int nKey)
{
    m_nLastChar = nKey;
    m_pGrid->SetFocus();
    EndEdit();
}

void CInPlaceList::EndEdit()
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    ReportEndEdit(*m_pGrid, *this, m_nRow, m_nCol, m_bCancelled ? m_strInitText : GetValue(), m_nLastChar);
}
