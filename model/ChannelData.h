#pragma once
// What the four channel classes (outputs, music inputs, microphone, effect) share: the channel
// name with the field bytes it came from, and a base holding the channel's EQ, its curve points
// and colours with the operations that are the same for every channel.
//
// The pattern of every channel class: a setter stores the value, then marks its group (copies
// g_bSynced into the group's change flag), so nothing edited while no processor is synchronised
// is ever sent. The link worker reads a flag, clears it, then packs the group into g_liveImage
// and builds its frame. Unpacking a received block never marks anything.
//
// Threads: setters run on the UI thread without a lock while the worker, holding g_csLink,
// packs. Every value the worker packs is a CSharedValue (relaxed atomic) and every flag a
// CChangeFlag, whose release mark and acquire clear order the values; a name has a lock of its
// own (CChannelName). Whole-block packing and loading run under g_csLink on either thread.
#include <array>
#include <memory>
#include <mutex>
#include <string>

#include "link/SendData.h"
#include "model/ChangeFlag.h"
#include "model/ChannelGroups.h"
#include "model/GdiTypes.h"
#include "model/KTVEQ.h"
#include "model/SharedValue.h"

class CArchive;

// A channel's name and the 8-byte field it was last read from. A name that is unchanged since
// it was read goes back as the very bytes it came from: a name filling all 8 bytes is then not
// refused by the field writer each time it is packed, and nothing in the field is lost. The UI
// sets names while the link worker packs them: every access holds the name's own lock, never
// g_csLink, so a rename does not wait for a transaction. Lock order: g_csLink (when the caller
// holds it), then the name's lock; nothing is taken, and no message shown, while holding it.
class CChannelName {
public:
    static constexpr int FIELD_SIZE = 8;

    std::string Get() const;
    void Set(const std::string& strName);
    // Reads the field: all 8 bytes (bWhole), or the first 7; trimmed.
    void Load(const BYTE* pField, bool bWhole);
    // Writes the name into the field; a changed name of 8 characters or more is refused with
    // the field writer's message and the field keeps its bytes. False when refused.
    bool Pack(BYTE* pField) const;

private:
    mutable std::mutex m_mutex;
    std::string m_strName;
    std::string m_strRead;  // the name as read from m_byRead
    std::array<BYTE, FIELD_SIZE> m_byRead{};
    bool m_bRead = false;
};

class CChannelData {
public:
    CChannelData(const CChannelData&) = delete;
    CChannelData& operator=(const CChannelData&) = delete;
    virtual ~CChannelData() = default;

    CKTVEQ* GetEQ() { return &m_EQ; }
    const CKTVEQ* GetEQ() const { return &m_EQ; }
    CFilter* GetBand(int i) const;
    CFilter* GetHPF() const { return m_EQ.GetHPF(); }
    CFilter* GetLPF() const { return m_EQ.GetLPF(); }

    void SetChannelColor(Color cr) { m_crChannel = cr; }
    Color GetChannelColor() const { return m_crChannel; }
    void SetCurveColor(Color clr) { m_clrCurve = clr; }
    void GetCurveColor(Color& clr) const { clr = m_clrCurve; }
    void SetFirst(int b) { m_bFirst = b; }
    int GetFirst() const { return m_bFirst; }
    int GetEQBypass() const { return m_bEQBypass; }

    // The curve the EQ graph draws, one point per grid frequency.
    const Point* GetCurve() const { return m_ptCurve; }
    const PointF* GetCurveF() const { return m_ptfCurve; }
    int GetLevelY() const { return m_nLevelY; }
    int GetPlotHeight() const { return m_nPlotHeight; }
    int GetPlotWidth() const { return m_nPlotWidth; }
    // Plot size: the x of both curves follow it, the integer curve starts at half height.
    void SetGraphRect(const Rect& rc);
    // The EQ's summed response into both curves.
    virtual void UpdateCurve();
    // One band's response alone into the integer curve.
    virtual void UpdateBandCurve(int nBand) { TakeBandCurve(nBand, false); }
    // y of the level line: the 0 dB line + 10.
    void UpdateLevelLine();

    // Runs the one-octave device-frequency step on the HPF and the LPF when marked; true when
    // either was marked, so the crossover group is to be sent.
    bool TakeCrossoverChange();

protected:
    CChannelData() = default;

    // Stores the value, then marks its group.
    template <typename T, typename V>
    static void StoreAndMark(CSharedValue<T>& member, V value, CChangeFlag& flag)
    {
        member = static_cast<T>(value);
        flag.Mark();
    }

    // The EQ's summed y into the float curve, and into the integer one too when asked.
    void TakeCurveY(bool bInteger);
    // One band's response alone into the integer curve, and into the float one when asked.
    void TakeBandCurve(int nBand, bool bFloatToo);

    void BypassBands(int nCount, bool bOn);
    // The EQ mode into the first nCount bands (their node and label follow it).
    void SetBandsGraphicEQ(int nCount, bool bGraphic);
    // Every one of the first nCount bands bypassed or flat.
    int UpdateEQBypass(int nCount);
    // Every band's flag to b. A band still stepping towards its set frequency settles on it
    // first: after a change of connection the processor is read anew, and a half-done step must
    // not be sent then with a frequency from before.
    void ResetBandFlags(int b);

    void PackBands(ParamGroup* pGroups, int nCount) const;
    void LoadBands(const ParamGroup* pGroups, int nCount);
    // HPF and LPF device frequency, alignment and slope.
    CrossoverGroup GetCrossover() const;
    // Set and device frequency, alignment and slope without marking; nothing stays marked.
    void LoadCrossover(const CrossoverGroup& g);
    // The group's write frame when bFrame, else none.
    static std::unique_ptr<CSendData> GroupFrame(int bFrame, int nBlock, int nChannel, int nGroup);

    CKTVEQ m_EQ;
    Point m_ptCurve[FREQ_POINTS];
    PointF m_ptfCurve[FREQ_POINTS];
    int m_nLevelY = 0;
    int m_nPlotHeight = 0;
    int m_nPlotWidth = 0;
    Color m_crChannel;
    Color m_clrCurve;
    int m_bFirst = 1;
    int m_bEQBypass = 0;
};

// Texts that several channel kinds share (Chinese while the language flag is set).
std::string OnText(int bOn);                 // "On" / "OFF"
std::string PolarityText(int nPolarity);     // "Pol+" / "Pol-"
std::string DelayText(int nCode);            // "9.9ms", "10.0ms"
std::string GateThresholdText(int nCode);    // "OFF", "-80.0dBu"
std::string InputLevelText(int nCode);       // "-80dB"
std::string LimiterText(int nCode);          // "20.0"
std::string PercentText(int nValue);         // "50%"
