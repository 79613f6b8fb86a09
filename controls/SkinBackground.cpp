#include "controls/SkinBackground.h"

#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/window.h>

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
        dc.SetBrush(wxBrush(pWnd->GetParent()->GetBackgroundColour()));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(wxPoint(0, 0), size);
        wxMemoryDC src;
        src.SelectObjectAsSource(bmp);
        dc.Blit(0, 0, size.x, size.y, &src, offset.x, offset.y);
        return;
    }
    wxWindow* pParent = pCtrl->GetParent();
    dc.SetBrush(wxBrush(pParent != nullptr ? pParent->GetBackgroundColour() : pCtrl->GetBackgroundColour()));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(wxPoint(0, 0), size);
}
