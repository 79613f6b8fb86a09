#pragma once
// The EQ response graph of the music-input page and of the output page: one channel's summed
// response over 20 Hz - 20 kHz and +-12 dB, a numbered node per band, the filled response and
// label of the selected or hovered band, and, for outputs, the curves of the outputs that form a
// crossover pair with the shown one and a link icon. Bands are dragged with the mouse (the
// toolkit-free half, CEqCurveModel, decides); every 200 ms the owner is told which band changed
// (WM_EQCURVE_CHANGED, band, channel code), and WM_EQCURVE_KILLFOCUS when the graph loses the
// focus.
//
// Set-up by the owning page: Create, SetNotifyWnd, (outputs) SetLinkBitmap, AttachData,
// ShowMusicCurve or ShowOutputCurve, SetCurveMode. Redraw after every value change repaints only
// the plot; the curves are drawn anti-aliased.
#include <wx/bitmap.h>
#include <wx/cursor.h>

#include "controls/ControlTimer.h"
#include "controls/DrawnControl.h"
#include "controls/EqCurveModel.h"

class CChannelData;
class CEffect_Data;
class CKTV_Data;
class CKTV_OutData;
class CMIC_InData;
class CMusic_InData;

class CEqCurveStatic : public CDrawnControl, public CEqCurveModel {
public:
    CEqCurveStatic();
    ~CEqCurveStatic() override;

    void SetNotifyWnd(wxWindow* pWnd) { m_pNotifyWnd = pWnd; }
    bool SetLinkBitmap(int nId, int nIgnored);
    // Keeps the data and lays out the grid; type 3 lays out the music inputs' curves for this
    // graph, type 4 the outputs'.
    void AttachData(CKTV_Data* pData, int nType);
    // Takes the client size, lays out plot and grid, and starts the notification timer.
    void LayoutGrid();

    void ShowEffectCurve();
    void ShowMicCurve(int i);
    void ShowMusicCurve(int i);
    void ShowOutputCurve(int i);
    void SetCurveMode(int nMode);
    // Selects band nSelected (-1 none) and repaints the plot now.
    void Redraw(int nSelected = -1);
    // Locks or unlocks editing; forgets the active band and repaints.
    bool Enable(bool bEnable = true) override;
    bool IsShownOutputLinked() const;
    // A pointer resting on the graph would pick the band under it as soon as the keyboard moved
    // on: after an arrow key the pages move it to just below the graph's lower left corner, off
    // the graph and on the page's ground. The graph's place is taken anew, since the window may
    // have moved since the graph last looked.
    void ParkPointerBelow();

    // Axes and plot, in client coordinates.
    void Draw(wxDC& dc) override;
    void DrawAxes(wxDC& dc);
    void DrawPlot(wxDC& dc);

    // The notification tick (timer 3), which the layout arms; stopped, the owner hears of no
    // change until the next layout. Armed, it runs only while there is something to tell: a
    // mouse change starts it and a tick with nothing to tell stops it, so an idle graph never
    // wakes the program (the toolkit walks every window after each event).
    void OnTimer(int nId);
    void StopNotifyTimer();

protected:
    void PreSubclassWindow() override;

private:
    void OnPaint(wxPaintEvent& event);
    // Starts the armed tick when there is something to tell and it is not running.
    void TickWhileNotifyPending();
    void OnMouseMove(wxMouseEvent& event);
    void OnLButtonDown(wxMouseEvent& event);
    void OnLButtonUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void UpdateCursor();

    CChannelData* ShownChannel() const;
    // Recomputes the shown channel's curve; nonzero when all its counted bands are flat.
    int UpdateShownCurve();
    void DrawChannelCurve(wxDC& dc);
    void DrawBandNumbers(wxDC& dc);
    void DrawHandles(wxDC& dc);
    void DrawLabel(wxDC& dc);
    void DrawBypassText(wxDC& dc);
    void DrawLinkIcon(wxDC& dc);

    wxWindow* m_pNotifyWnd = nullptr;
    CKTV_Data* m_pData = nullptr;
    CEffect_Data* m_pEffect = nullptr;
    CMIC_InData* m_pCurMic = nullptr;
    CMusic_InData* m_pCurMusic = nullptr;
    CKTV_OutData* m_pCurOut = nullptr;
    int m_nOutIndex = 0;
    wxBitmap m_bmpLink;
    CControlTimer m_timer;
    bool m_bNotifyArmed = false;
    wxCursor m_hCursorMove;
    wxCursor m_hCursorSizeWE;
    wxCursor m_hCursorSizeNS;
};
