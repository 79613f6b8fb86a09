#pragma once
// The one-line editor the grid lays over a cell being edited. It takes the grid's font and at
// most kInPlaceEditLimit characters. Enter, Tab and Escape (which first puts the old text back)
// end the edit, and so do the page and arrow keys when the edit was opened by typing (or with
// Ctrl held); so does losing the focus. The end is told to the grid as WM_NOTIFY with control
// id IDC_INPLACE_EDIT and a GridItemNotify (GRIDN_END_EDIT, the text, and in the item's data the
// key that ended it, 0 for a lost focus); the editor then goes. The grid keeps no pointer to it.
#include <wx/textctrl.h>

#include <string>

#include "grid/GridDefs.h"

class CGridCtrl;

class CInPlaceEdit : public wxTextCtrl {
public:
    // rc in the grid's client coordinates; nStyle DT_LEFT, DT_CENTER or DT_RIGHT; nChar the key
    // or character that opened the edit (VK_LBUTTON for the mouse).
    CInPlaceEdit(CGridCtrl* pGrid, const Rect& rc, unsigned nStyle, int nId, int nRow, int nCol,
                 const std::string& strInitText, int nChar);

    // Tells the grid the text and the key that ended the edit (once), and goes.
    void EndEdit();

private:
    void OnCharHook(wxKeyEvent& event);
    void OnText(wxCommandEvent& event);
    void EndWith(int nKey);

    CGridCtrl* m_pGrid;
    int m_nRow;
    int m_nCol;
    wxString m_strInitText;
    int m_nLastChar = 0;
    bool m_bExitOnArrows;
    bool m_bEnded = false;
};

// Puts the caret or the first typed character into a new editor as the key that opened it asks.
void StartTyping(wxTextEntry& entry, int nChar, bool bList);
// Tells the grid that the editor pEditor ended with a text and a key (the in-place editors'
// shared report).
void ReportEndEdit(CGridCtrl& grid, wxWindow& editor, int nRow, int nCol, const wxString& strText, int nLastKey);
// The character an editor puts in place of its text when typing opened it.
wxString EditStartChar(int nChar);
