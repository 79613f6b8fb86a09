#include "controls/PassWordEdit.h"

#include "controls/ControlIds.h"

CPassWordEdit::CPassWordEdit()
{
    Bind(wxEVT_CHAR, &CPassWordEdit::OnChar, this);
}

bool CPassWordEdit::Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, long nStyle)
{
    return wxTextCtrl::Create(pParent, WxId(nCtrlId), wxString(), rc.GetPosition(), rc.GetSize(), nStyle);
}

void CPassWordEdit::OnChar(wxKeyEvent& event)
{
    const wxChar c = event.GetUnicodeKey();
    if (c == WXK_BACK || c == WXK_NONE)  // backspace; keys that are no character (the arrows)
        event.Skip();
    else if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        WriteText(wxString(c));
}
