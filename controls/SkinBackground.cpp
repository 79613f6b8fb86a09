#include "controls/SkinBackground.h"

#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/window.h>

#include "controls/WinText.h"

void PaintParentBackground(wxWindow* pCtrl, wxDC& dc)
{
    const wxSize size = pCtrl->GetClientSize();
    wxPoint offset;  // the control's client origin in the ancestor's client coordinates
    for (wxWindow* pWnd = pCtrl; pWnd->GetParent() != nullptr && !pWnd->IsTopLevel(); pWnd = pWnd->GetParent()) {
        offset += pWnd->GetPosition();
        auto* pSkinned = dynamic_cast<ISkinBackground*>(pWnd->GetParent());
        if (pSkinned == nullptr || !pSkinned->GetSkinBackground().IsOk()) {
            offset += pWnd->GetParent()->GetClientAreaOrigin();
            continue;
        }
        const wxBitmap& bmp = pSkinned->GetSkinBackground();
        FillSolidRect(dc, wxRect(size), pWnd->GetParent()->GetBackgroundColour());
        wxMemoryDC src;
        src.SelectObjectAsSource(bmp);
        dc.Blit(0, 0, size.x, size.y, &src, offset.x, offset.y);
        return;
    }
    wxWindow* pParent = pCtrl->GetParent();
    FillSolidRect(dc, wxRect(size), pParent != nullptr ? pParent->GetBackgroundColour() : pCtrl->GetBackgroundColour());
}
