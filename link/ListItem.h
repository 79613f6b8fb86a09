#pragma once
// A template item of the link dialogs made as a drop-down list: the template's width, wx's height.
#include <wx/choice.h>

#include "controls/ControlIds.h"

class CListItem : public wxChoice {
public:
    bool Create(wxWindow* pParent, int nId, const wxRect& rc, unsigned, const wxString&, unsigned)
    {
        return wxChoice::Create(pParent, WxId(nId), rc.GetPosition(), wxSize(rc.width, -1));
    }
};
