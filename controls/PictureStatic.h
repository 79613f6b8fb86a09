#pragma once
// A picture static: one skin drawn at its own size from the control's top-left corner, in the
// language of the moment, over the parent's skin where the picture is smaller than the control.
// Without SS_NOTIFY it is no target of the mouse: presses, releases and moves over it go to the
// parent, in the parent's coordinates, as over a bare part of the parent (the main view is
// dragged by its logo, for one).
#include "controls/DrawnControl.h"

class CPictureStatic : public CDrawnControl {
public:
    CPictureStatic();

    // The skin id (0: none); the control takes the picture's size.
    void SetBitmap(int nSkinId);
    int GetBitmap() const { return m_nSkinId; }

    void Draw(wxDC& dc) override;

private:
    void PassMouseToParent(wxMouseEvent& event);

    int m_nSkinId = 0;
};
