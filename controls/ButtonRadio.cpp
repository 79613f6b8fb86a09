#include "controls/ButtonRadio.h"

#include "controls/ControlIds.h"
#include "res/WinStyles.h"

bool CButtonRadio::Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, unsigned nStyle,
                          const wxString& strText, unsigned)
{
    if (!wxRadioButton::Create(pParent, WxId(nCtrlId), strText, rc.GetPosition(), rc.GetSize(),
                               (nStyle & WS_GROUP) ? wxRB_GROUP : 0))
        return false;
    SetForegroundColour(m_clrText);
    return true;
}

void CButtonRadio::SetTextColor(const wxColour& colour)
{
    m_clrText = colour;
    SetForegroundColour(colour);
}
