#pragma once
// A picture static: one skin drawn at its own size from the control's top-left corner, in the
// language of the moment, over the parent's skin where the picture is smaller than the control.
#include "controls/DrawnControl.h"

class CPictureStatic : public CDrawnControl {
public:
    // The skin id (0: none); the control takes the picture's size.
    void SetBitmap(int nSkinId);
    int GetBitmap() const { return m_nSkinId; }

    void Draw(wxDC& dc) override;

private:
    int m_nSkinId = 0;
};
