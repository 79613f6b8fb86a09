#pragma once
// How a control on a skin gets its background. GTK cannot read back screen pixels, so a window
// whose ground is a skin bitmap says so by implementing ISkinBackground, and each control on it
// (however deep) paints its own slice of that bitmap before drawing itself.
#include <wx/bitmap.h>

class wxDC;
class wxWindow;

class ISkinBackground {
public:
    virtual ~ISkinBackground() = default;
    // The bitmap drawn at the window's client origin; a null bitmap while there is none.
    virtual const wxBitmap& GetSkinBackground() const = 0;
};

// Paints pCtrl's client area from the nearest ancestor's skin, or with its parent's background
// colour when no ancestor has one.
void PaintParentBackground(wxWindow* pCtrl, wxDC& dc);
