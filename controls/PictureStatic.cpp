#include "controls/PictureStatic.h"

#include <wx/dc.h>

#include "controls/SkinBackground.h"
#include "res/Skins.h"
#include "res/WinStyles.h"

CPictureStatic::CPictureStatic()
{
    Bind(wxEVT_LEFT_DOWN, &CPictureStatic::PassMouseToParent, this);
    Bind(wxEVT_LEFT_UP, &CPictureStatic::PassMouseToParent, this);
    Bind(wxEVT_LEFT_DCLICK, &CPictureStatic::PassMouseToParent, this);
    Bind(wxEVT_MOTION, &CPictureStatic::PassMouseToParent, this);
}

void CPictureStatic::PassMouseToParent(wxMouseEvent& event)
{
    wxWindow* pParent = GetParent();
    if ((GetStyle() & SS_NOTIFY) != 0 || pParent == nullptr) {
        event.Skip();
        return;
    }
    wxMouseEvent onParent(event);
    onParent.SetPosition(event.GetPosition() + GetPosition());
    onParent.SetEventObject(pParent);
    onParent.SetId(pParent->GetId());
    pParent->GetEventHandler()->ProcessEvent(onParent);
}

void CPictureStatic::SetBitmap(int nSkinId)
{
    m_nSkinId = nSkinId;
    const wxBitmap& bmp = LoadSkin(nSkinId);
    if (bmp.IsOk() && GetSize() != bmp.GetSize())
        SetSize(bmp.GetSize());
    Refresh();
}

void CPictureStatic::Draw(wxDC& dc)
{
    PaintParentBackground(this, dc);
    if (const wxBitmap& bmp = LoadSkin(m_nSkinId); bmp.IsOk())
        dc.DrawBitmap(bmp, 0, 0);
}
