#pragma once
// The advanced settings dialog's combo box that never drops down: a press of the left button
// only gives the dialog the source button's command (2729), which opens the source menu. The
// template places it beyond the dialog's right edge, so it is never seen.
#include "controls/DrawnControl.h"

class CAdv_ComBox : public CDrawnControl {
public:
    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    void OnLButtonDown(wxMouseEvent& event);
};
