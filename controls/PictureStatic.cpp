#include "controls/PictureStatic.h"

#include <wx/dc.h>

#include "controls/SkinBackground.h"
#include "res/Skins.h"

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
