#pragma once
// One band of a channel's equaliser: a parametric band, a shelf, or one of the two crossover
// filters (high-pass, low-pass) that close every band set. The band keeps its values in user
// units and hands them out in the processor's units; its device frequency follows the set
// frequency by at most one octave per transmitted step; it computes its response at the 241 grid
// points and the geometry the EQ graph draws and drags (node, bandwidth handles, filled response
// polygon, label).
//
// Values received from the processor or from files are kept as received (so they go back
// unchanged), but clamped where they are used: drawn frequencies stay within 20 Hz to 20 kHz,
// table indices inside their tables, and a band whose type, slope or alignment has no defined
// response draws 0 dB.
#include <string>

#include "model/ChangeFlag.h"
#include "model/Conversions.h"
#include "model/GdiTypes.h"
#include "model/SharedValue.h"

class CArchive;
class IBandSlider;

enum FilterType { FILTER_PEQ = 0, FILTER_LOW_SHELF = 1, FILTER_HIGH_SHELF = 2, FILTER_HPF = 3, FILTER_LPF = 4 };
enum FilterAlign { ALIGN_LINKWITZ_RILEY = 0, ALIGN_BESSEL = 1, ALIGN_BUTTERWORTH = 2 };
// Crossover slopes (filter order = value + 1); shelves use 0 = 6 dB/oct and 1 = 12 dB/oct.
enum FilterSlope {
    SLOPE_6DB = 0, SLOPE_12DB, SLOPE_18DB, SLOPE_24DB, SLOPE_30DB, SLOPE_36DB, SLOPE_42DB, SLOPE_48DB,
    SLOPE_OFF = 8,
};
enum EqTypeCode {
    EQTYPE_PEQ = 0, EQTYPE_LOW_SHELF_6DB, EQTYPE_LOW_SHELF_12DB, EQTYPE_HIGH_SHELF_6DB, EQTYPE_HIGH_SHELF_12DB,
};

// A band's gain position counts 0.1 dB steps up from -20 dB: position 200 is 0 dB. The pages'
// band fields and faders edit positions GAIN_POS_EDIT_MIN to GAIN_POS_EDIT_MAX (-12 to +12 dB).
constexpr double GAIN_POS_DB = 0.1;
constexpr double GAIN_POS_OFFSET_DB = 20.0;
constexpr int GAIN_POS_EDIT_MIN = 80;
constexpr int GAIN_POS_EDIT_MAX = 320;
constexpr double GainOfPos(int nPos)
{
    return nPos * GAIN_POS_DB - GAIN_POS_OFFSET_DB;
}

// The plot rectangle starts this far right of and below the graph's client origin.
constexpr int PLOT_LEFT = 40;
constexpr int PLOT_TOP = 10;
constexpr int POLYGON_POINTS = FREQ_POINTS + 2;

class CFilter {
public:
    CFilter();
    virtual ~CFilter() = default;

    // Plain getters.
    int GetType() const { return m_nType; }
    int GetFreq() const { return m_nFreq; }
    int GetFrequency() const { return m_nFreq; }
    int GetDevFreq() const { return m_nDevFreq; }
    int GetAlign() const { return m_nAlign; }
    int GetSlope() const { return m_nSlope; }
    int GetChanged() const { return m_nChanged.Get(); }
    int GetGroup() const { return m_nGroup; }
    int GetGraphicEQ() const { return m_bGraphicEQ; }
    int GetRangeId() const { return m_nRangeId; }
    int GetShowHandles() const { return m_bShowHandles; }
    int GetTwoSlopes() const { return m_bTwoSlopes; }
    int GetSpare() const { return m_nSpare; }
    double GetGain() const { return m_dGain; }
    double GetBandwidth() const { return m_dBandwidth; }
    int GetFlat() const { return m_bFlat; }
    int GetBypass() const { return m_bBypass; }
    unsigned char GetTypeByte() const { return static_cast<unsigned char>(m_nType); }
    unsigned char GetSlopeByte() const { return static_cast<unsigned char>(m_nSlope); }
    unsigned char GetAlignByte() const { return static_cast<unsigned char>(m_nAlign); }
    unsigned char GetGroupByte() const { return static_cast<unsigned char>(m_nGroup); }
    // 0 parametric, 1 + slope low shelf, 3 + slope high shelf, -1 for the crossover types.
    int GetEqTypeCode() const;

    // Nonzero when the band contributes nothing (bypassed, else flat).
    int IsBypassOrFlat() const { return m_bBypass ? m_bBypass : m_bFlat; }
    // Gain in 0.1 dB positions, 200 = 0 dB; 200 whenever bypassed or flat.
    int GetGainPos() const;
    // Bandwidth code: (octaves - 0.05) / 0.01.
    int GetBandwidthIndex() const;

    // Setters. Those that mark copy the synchronised flag into the change flag, so an edit made
    // while no processor is synchronised is never sent.
    void SetFreq(int nHz, bool bNotify);
    void SetDevFreq(int nHz) { m_nDevFreq = nHz; }
    // Moves the device frequency one octave towards the set frequency (called by the link
    // worker just before the band is sent); once they agree, this step's included, the change
    // flag takes nFlag. A set frequency stored before a mark that this clear takes away still
    // gets its steps.
    void StepDeviceFreq(int nFlag);
    void SetGainPos(int nPos);
    void SetBandwidthIndex(int nIndex);
    void SetSlope(int nSlope, bool bNotify);
    void SetAlign(int nAlign, bool bNotify);
    void SetType(int nType);
    void SetEqType(int nType);
    void SetEqTypeCode(int nCode);
    void SetLowShelf(int nSlope);
    void SetHighShelf(int nSlope);
    void SetFlat(bool bFlat);
    void SetBypassAll(bool bOn);
    void ResetToPeq(int nHz);
    void SetGraphicEQ(bool bOn);
    void SetShowHandles(bool bShow) { m_bShowHandles = bShow; }
    void SetTwoSlopes(bool bTwo) { m_bTwoSlopes = bTwo; }
    void SetGroup(int nGroup) { m_nGroup = nGroup; }
    void SetRangeId(int nRangeId) { m_nRangeId = nRangeId; }
    void SetSpare(int nSpare) { m_nSpare = nSpare; }
    void SetSlider(IBandSlider* pSlider) { m_pSlider = pSlider; }
    void SetBandwidth(double dOctaves);
    void SetGain(double dB);
    void SetGraphRect(const Rect& rect);
    // Takes the other band's values; the device frequency takes its set frequency.
    void CopyFrom(const CFilter& other);
    void Serialize(CArchive& ar);

    // Texts (Chinese while the language flag is set).
    std::string GetFreqText() const;
    std::string GetGainText() const;
    std::string GetBandwidthText() const;
    std::string GetQText() const;
    std::string GetAlignText() const;
    std::string GetShelfSlopeText() const;
    std::string GetSlopeText() const;
    std::string GetTypeText() const;
    // The label drawn beside the node; other types keep the previous label.
    std::string BuildLabel();

    // Mouse editing by the EQ graph, points in its client coordinates.
    void BeginNodeDrag(Point pt);
    void BeginBandwidthDrag(Point pt);
    bool DragNode(Point pt);
    bool DragBandwidth(Point pt);
    // nLimit: the set frequency of the channel's other crossover band.
    bool DragCrossover(Point pt, int nLimit);

    // Response in dB at the grid points, and what the graph draws.
    const double* GetResponse() const { return m_dResponse; }
    const Point* GetPolygon() const { return m_ptPolygon; }
    const Rect& GetNodeRect() const { return m_rcNode; }
    const Rect& GetLeftRect() const { return m_rcLeft; }
    const Rect& GetRightRect() const { return m_rcRight; }
    const Rect& GetLabelRect() const { return m_rcLabel; }
    const std::string& GetLabel() const { return m_strLabel; }

    // Recomputes the response and the polygon from the current values.
    void UpdateResponse();

    // Hover and drag state, owned by the EQ graph.
    int m_bOverNode = 0;
    int m_bOverLeft = 0;
    int m_bOverRight = 0;
    int m_bDragNode = 0;
    int m_bDragLeft = 0;
    int m_bDragRight = 0;

private:
    void Mark();
    void FlatFromGain();
    void ApplyEqType(int nType);
    void UpdateGeometry();
    void UpdateNodeGeometry();
    void UpdateCrossoverGeometry();
    void UpdateHandleGeometry();
    void CalcPeakResponse();
    void CalcShelfResponse();
    void CalcHighPassResponse();
    void CalcLowPassResponse();
    void ClearResponse();
    // Plot x of a frequency, the frequency held inside 20 Hz to 20 kHz.
    int FreqX(double dHz) const;

    double m_dResponse[FREQ_POINTS] = {};
    Point m_ptDragOffset;
    // Where the node drag began: while the pointer is back at that x the band keeps the
    // frequency it had then (a pixel maps back to a nearby grid frequency, not to the band's).
    int m_nDragStartX = 0;
    int m_nDragStartFreq = 1000;
    int m_nLeftDragOffset = 0;
    int m_nRightDragOffset = 0;
    Rect m_rcNode;
    Rect m_rcLeft;
    Rect m_rcRight;
    IBandSlider* m_pSlider = nullptr;
    // What the link worker packs (and, for the device frequency, steps) while the UI edits.
    CSharedValue<int> m_nType{FILTER_PEQ};
    CSharedValue<int> m_nFreq{1000};
    CSharedValue<int> m_nDevFreq{20};
    CSharedValue<double> m_dGain{0.0};
    CSharedValue<int> m_bFlat{1};
    CSharedValue<int> m_bBypass{0};
    CSharedValue<double> m_dBandwidth{1.2};
    CSharedValue<int> m_nAlign{ALIGN_LINKWITZ_RILEY};
    CSharedValue<int> m_nSlope{0};
    CSharedValue<int> m_nGroup{0};
    CChangeFlag m_nChanged;  // the link worker reads and clears it
    // The rest is the UI thread's alone.
    int m_nRangeId = 0;
    int m_bSavedBypass = 0;
    int m_nPlotWidth = 0;
    int m_nPlotHeight = 0;
    int m_bShowHandles = 1;
    int m_nSpare = -1;
    int m_bTwoSlopes = 0;
    int m_bGraphicEQ = 0;
    Point m_ptPolygon[POLYGON_POINTS];
    Rect m_rcLabel;
    std::string m_strLabel;
};
