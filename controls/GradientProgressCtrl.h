#pragma once
// The progress bar of the main view, the transfer dialog and the firmware update dialog: a red-to-
// blue gradient over the whole width, uncovered from the left as the position grows, the rest in
// the background colour, optionally with a centred percent text. SetPos may be called from any
// thread: it stores the position and posts the bar a repaint, so a worker never touches the
// window and never waits for the UI.
#include <wx/colour.h>

#include <atomic>

#include "controls/DrawnControl.h"
#include "link/ProgressTarget.h"
#include "platform/Message.h"

class CGradientProgressCtrl : public CDrawnControl, public IProgressBar {
public:
    CGradientProgressCtrl();

    void SetRange(int nLower, int nUpper);
    int GetRangeUpper() const { return m_nUpper; }
    int GetUpper() const override { return m_nUpper; }
    int GetRangeLower() const { return m_nLower; }
    // Clamps to the upper bound only; any thread.
    void SetPos(int nPos) override;
    int GetPos() const override { return m_nPos; }
    void SetStep(int nStep) { m_nStep = nStep; }
    void StepIt();
    void SetBkColor(const wxColour& colour);
    void SetShowPercent(bool bOn);

    void Draw(wxDC& dc) override;
    // The percent text shown for the position ("%3.0f %%" at the upper bound, "%3.2f %%" below).
    wxString PercentText() const;

protected:
    void PreSubclassWindow() override;

private:
    void DrawGradient(wxDC& dc, const wxRect& rc, int nExtent, bool bVertical);

    std::atomic<int> m_nLower{0};
    std::atomic<int> m_nUpper{100};
    int m_nStep = 10;
    std::atomic<int> m_nPos{0};
    wxColour m_clrStart{255, 0, 0};
    wxColour m_clrEnd{0, 0, 255};
    wxColour m_clrBack;
    wxColour m_clrText = *wxBLACK;
    bool m_bShowPercent = false;
    std::atomic<WndHandle> m_hWnd{0};
};
