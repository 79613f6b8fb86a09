#pragma once
// The editor of a cell whose column has an option list (CComboGridCtrl): a combo box over the
// cell offering the options, at least as wide as the widest of them. With an edit field
// (CBS_DROPDOWN) the typed text goes back as typed, and the grid keeps it only when it is one of
// the options. The arrows and page keys move in the list; with Ctrl held they end the edit and
// move on, as Tab, Enter and Escape (which first puts the old text back) end it. The end is told
// to the grid as the one-line editor tells it (grid/InPlaceEdit.h), and the editor goes.
#include <wx/combobox.h>

#include <string>
#include <vector>

#include "grid/GridDefs.h"

class CGridCtrl;

// Combo-box styles of the list editor.
constexpr unsigned CBS_SIMPLE = 1;
constexpr unsigned CBS_DROPDOWN = 2;      // a list with an edit field
constexpr unsigned CBS_DROPDOWNLIST = 3;  // a list alone

class CInPlaceList : public wxComboBox {
public:
    CInPlaceList(CGridCtrl* pGrid, const Rect& rc, unsigned nListStyle, int nId, int nRow, int nCol,
                 const std::vector<std::string>& options, const std::string& strInitText, int nChar);

    void EndEdit();

private:
    void OnCharHook(wxKeyEvent& event);
    void EndWith(int nKey);

    CGridCtrl* m_pGrid;
    wxString m_strInitText;
    int m_nRow;
    int m_nCol;
    int m_nLastChar = 0;
    bool m_bDropped = false;  // the list is open (and has the pointer and keys)
    bool m_bCancelled = false;  // Escape: the old text goes back
    bool m_bEnded = false;
};
