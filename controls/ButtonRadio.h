#pragma once
// A radio button drawn by the system whose label takes a chosen colour; the ground under it stays
// the parent's.
#include <wx/radiobut.h>

class CButtonRadio : public wxRadioButton {
public:
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, unsigned nStyle = 0, const wxString& strText = {},
                unsigned nExStyle = 0);
    void SetTextColor(const wxColour& colour);
    wxColour GetTextColor() const { return m_clrText; }

private:
    wxColour m_clrText = *wxBLACK;
};
