#pragma once
// A channel's equaliser: an ordered set of bands, N parametric bands followed by the high-pass and
// the low-pass band (always the last two). It builds the set with the channel kind's default
// frequencies, sums the bands' responses into the channel curve at the 241 grid points, and
// converts one band to and from the 8-byte band group of the preset images and frames.
#include <memory>
#include <vector>

#include "model/DataDefine.h"
#include "model/Filter.h"
#include "model/GdiTypes.h"

class CArchive;

// A band group's gain code is the gain position (model/Filter.h) plus this offset.
constexpr int GAIN_CODE_OFFSET = 400;

// Default band frequencies in Hz.
extern const int g_nInBandFreq[15];
extern const int g_nOutBandFreq[31];
extern const int g_nEffectBandFreq[3];

class CKTVEQ {
public:
    CKTVEQ() = default;
    CKTVEQ(const CKTVEQ&) = delete;
    CKTVEQ& operator=(const CKTVEQ&) = delete;
    virtual ~CKTVEQ() = default;

    // Create bands 0 to nLast, then the high-pass and the low-pass; called once on an empty set.
    void InitMicBands(int nLast, int nGroup, int nLpfFreq);
    void InitMusicBands(int nLast, int nGroup, int nLpfFreq);
    void InitEffectBands(int nLast, int nGroup, int nLpfFreq);
    void InitOutBands(int nLast, int nGroup, int nRangeId, int nHpfFreq, int nLpfFreq);

    int GetSize() const { return static_cast<int>(m_bands.size()); }
    CFilter* GetAt(int nBand) const { return m_bands[static_cast<size_t>(nBand)].get(); }
    CFilter* GetHPF() const;
    CFilter* GetLPF() const;
    // The band's group number in the processor's block, as the byte the frames carry.
    BYTE GetGroupByte(int nBand) const { return GetAt(nBand)->GetGroupByte(); }
    // Never set: always 0.
    int GetReserved() const { return m_nReserved; }

    // Plot size; the curve's x values and every band's geometry follow it.
    void SetGraphRect(const Rect& rect);
    // The sum of all bands into both curves (effect, microphone and music channels).
    void UpdateCurve();
    // The same sum into the anti-aliased curve only (output channels).
    void UpdateCurveF();
    // The same sum into the integer curve only.
    void UpdateCurveI();
    // One band alone into the integer curve.
    void UpdateBandCurve(int nBand);
    void UpdateOutBandCurve(int nBand) { UpdateBandCurve(nBand); }

    // Each band takes the values of the other set's band of the same index.
    void CopyBands(const CKTVEQ& other);
    BandGroup BandToGroup(int nBand) const;
    // Sets the band from a received group; the band ends unchanged, so it is not sent back.
    void GroupToBand(const BandGroup& group, int nBand);
    // The bands in order, without a count: a load needs a set of the same shape.
    void Serialize(CArchive& ar);

    const Point* GetPoints() const { return m_pts; }
    const PointF* GetPointsF() const { return m_ptfs; }
    int GetHeight() const { return m_nHeight; }
    int GetWidth() const { return m_nWidth; }

private:
    CFilter& AddBand(int nFreq);
    CFilter& AddCrossover(int nType, int nGroup);
    void AddCrossovers(int nGroup, int nLpfFreq);
    void SumResponses(double* pSum) const;

    std::vector<std::unique_ptr<CFilter>> m_bands;
    Point m_pts[FREQ_POINTS] = {};
    PointF m_ptfs[FREQ_POINTS] = {};
    int m_nHeight = 0;
    int m_nWidth = 0;
    int m_nReserved = 0;
};
