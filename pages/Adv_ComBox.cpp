#include "pages/Adv_ComBox.h"

#include <wx/dc.h>

#include "controls/ControlIds.h"
#include "pages/Adv_SetingIds.h"
#include "res/SkinPaint.h"

void CAdv_ComBox::PreSubclassWindow()
{
    Bind(wxEVT_LEFT_DOWN, &CAdv_ComBox::OnLButtonDown, this);
}

// The press is not passed on: the list never drops down.
void CAdv_ComBox::OnLButtonDown(wxMouseEvent&)
{
    wxCommandEvent command(wxEVT_BUTTON, WxId(Adv_SetingIds::IDC_SOURCE));
    command.SetEventObject(this);
    GetParent()->GetEventHandler()->ProcessEvent(command);
}

void CAdv_ComBox::Draw(wxDC& dc)
{
    skin::PaintButtonFace(dc, wxRect(GetClientSize()), skin::Face::Normal, wxString(), false);
}
