#include "controls/CurveContext.h"

#include <wx/dc.h>

std::unique_ptr<wxGraphicsContext> CurveContext(wxDC& dc, const Rect& rcClip)
{
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (gc) {
        gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
        gc->Clip(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height());
    }
    return gc;
}
