#pragma once
// An edit that takes only letters, digits and backspace.
#include <wx/textctrl.h>

class CPassWordEdit : public wxTextCtrl {
public:
    CPassWordEdit();
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, long nStyle = 0);

    void OnChar(wxKeyEvent& event);
};
