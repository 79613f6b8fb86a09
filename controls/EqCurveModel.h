#pragma once
// The toolkit-free half of the EQ response graph (CEqCurveStatic): the plot and grid layout, the
// axis labels, which bands carry a number and how it is aligned, and the mouse editing of the
// bands: hover, node, bandwidth and crossover drags, the cursor, and when the owner is told that
// a band changed. The wx half draws this state and turns its answers into repaints and posts.
//
// The graph shows one band set at a time. Bands are edited through their own drag operations
// (CFilter), which change the preset data directly; the graph only picks the band and decides.
#include <string>
#include <vector>

#include "controls/GraphLabel.h"
#include "model/GdiTypes.h"

class CFilter;
class CKTVEQ;

enum EqCurveMode { EQ_MODE_GRID = 0, EQ_MODE_EFFECT = 1, EQ_MODE_MIC = 2, EQ_MODE_MUSIC = 3, EQ_MODE_OUTPUT = 4 };
enum class EqCursor { Arrow, Move, SizeWE, SizeNS };
enum class EqTextAlign { Left, Centre, Right };

// Channel codes sent with the change notification.
constexpr int EQ_SOURCE_MIC = 256;
constexpr int EQ_SOURCE_OUTPUT = 768;

constexpr int EQ_GRID_LINES = 27;
constexpr int EQ_NOTIFY_TIMER = 3;
constexpr int EQ_NOTIFY_PERIOD_MS = 200;

// What differs between the modes when the plot is painted.
struct EqPlotStyle {
    Color clrBorder;
    bool bBezier;         // the channel curve as cubic Bezier segments, else straight ones
    bool bRedHighlight;   // the highlighted band's number red, the others white
    Color clrLabel;       // the band label
    bool bChannelHandles; // handles outlined in the channel's colour, else red
    bool bBypassText;     // "All Bypass" over a channel whose counted bands are all flat
};

class CEqCurveModel {
public:
    // Client size in pixels: derives the plot rectangle and the x of the 27 grid lines.
    void LayoutGrid(int nClientWidth, int nClientHeight);
    const Rect& GetPlotRect() const { return m_rcPlot; }
    int GetGridX(int i) const { return m_nGridX[i]; }
    // y of horizontal grid line k (1-8), every 3 dB.
    int GetGridY(int k) const;
    // Client x of a frequency and y of a gain, the mapping the bands use.
    int FreqX(double dHz) const;
    int GainY(double dB) const;
    // Gain labels (dim) down the left side, frequency labels along the bottom.
    std::vector<GraphLabel> GetAxisLabels() const;

    // Shows a band set in a mode (1-4) with the channel code of its notifications; forgets the
    // active band.
    void ShowBands(CKTVEQ* pEQ, int nMode, int nSourceCode);
    void SetCurveMode(int nMode) { m_nMode = nMode; }
    int GetCurveMode() const { return m_nMode; }
    CKTVEQ* GetBands() const { return m_pEQ; }
    int GetSourceCode() const { return m_nSourceCode; }
    int GetBand() const { return m_nBand; }
    bool IsHover() const { return m_bHover; }

    // Band chosen by the owner (-1 none); it lasts until the next repaint request.
    void SetSelected(int nSelected) { m_nSelected = nSelected; }
    int GetSelected() const { return m_nSelected; }
    // The selected band, else the active band, else none.
    CFilter* GetHighlightBand() const;
    // Whether element nBand carries its number in this mode.
    bool IsNumberShown(int nBand) const;
    static std::string GetNumberText(const CFilter& band, int nBand);
    EqTextAlign GetNumberAlign(const CFilter& band) const;
    // The active band shows its bandwidth handles.
    bool ShowsHandles() const;
    static const EqPlotStyle& GetPlotStyle(int nMode);

    // Mouse, in client coordinates. Each returns true when the plot must be repainted (with no
    // band selected).
    bool MouseMoved(Point pt);
    void ButtonPressed(Point pt);
    void ButtonReleased();
    EqCursor GetCursorKind() const;
    // The 200 ms tick: true when the owner is to be told (WM_EQCURVE_CHANGED, GetBand(),
    // GetSourceCode()).
    bool NotifyDue();
    // Whether a tick would tell the owner now (NotifyDue without its clearing).
    bool NotifyPending() const { return m_bChanged != 0 || m_bButtonUp != 0; }

    // Read and written by the pages: the band under the mouse or being dragged (the pages clear
    // it before whole-EQ commands), the released flag (set when the button goes up in the
    // graph; while set every tick tells the owner again, so the page clears it once it has
    // loaded the band), and the graph's rectangles (the window's in screen coordinates).
    CFilter* m_pActive = nullptr;
    int m_bButtonUp = 0;
    Rect m_rcClient;
    Rect m_rcWindow;

private:
    void TrackMouse(Point pt);
    void TrackCrossover(Point pt);
    void BeginDrag(Point pt);
    void EndDrag();
    void Repaint();
    int TrackedBandCount() const;

    CKTVEQ* m_pEQ = nullptr;
    Rect m_rcPlot;
    int m_nGridX[EQ_GRID_LINES] = {};
    int m_bHover = 0;
    int m_bDragResult = 0;
    int m_bChanged = 0;
    int m_nBand = 0;
    int m_nSelected = -1;
    int m_nMode = EQ_MODE_GRID;
    int m_nSourceCode = 0;
    bool m_bRepaint = false;
};
