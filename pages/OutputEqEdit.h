#pragma once
// What an edit of the output page's bands and crossover does to the data model. The value goes
// to the shown output's band through the band's marking setter, then, by the same setter with the
// same value, to the same band of every other output of its link group (g_outLinks), in output
// order; the linked outputs are not shown. The bands' plain fields get this copy from their rows
// of the parameter table; the edits here are those a row cannot make: bypass, the band type and
// shelf slope of bands 1 and 10, the crossover with its ordering and tweeter rules, and a drag
// on the EQ graph. Toolkit-free; the page shows what each edit returns.
#include <vector>

class CFilter;
class CKTV_Data;
class CKTV_OutData;

class COutputEqEdit {
public:
    // Edits of output nOutput (0-7) of data.
    COutputEqEdit(CKTV_Data& data, int nOutput);

    // The other outputs of nOutput's link group, in output order (the model's LinkedOutputs).
    static std::vector<int> LinkedOutputs(int nOutput);

    // The bypass button of band k pressed while it showed bShownOn: the band is switched the
    // other way (a band at 0 dB stays flat) and the linked bands take the state it ended in.
    // Returns that state: true for bypassed or flat.
    bool ToggleBypass(int nBand, bool bShownOn);
    // Band 0 (0 parametric, 1 low shelf) or band 9 (0 parametric, 2 high shelf) takes the type,
    // a shelf on its side of 2000 Hz; false when the band already has it (nothing changes).
    bool SetBandType(int nBand, int nType);
    // The shelf slope (0 6 dB, 1 12 dB) of band 0 or 9; false when it already has it.
    bool SetShelfSlope(int nBand, int nSlope);

    struct FreqResult {
        int nShown;     // the frequency the field shows after the rules
        bool bChanged;  // the filter took it
    };
    // The high-pass frequency typed or stepped: a tweeter role keeps it at 1000 Hz or above, and
    // it never passes the low-pass frequency. The linked outputs take it as it is.
    FreqResult SetHpfFreq(int nHz, int nRole);
    // The low-pass frequency: never below the high-pass frequency.
    FreqResult SetLpfFreq(int nHz);
    // Alignment (0 Linkwitz-Riley, 1 Bessel, 2 Butterworth) and slope (0 6 dB, 1 12 dB) of the
    // high-pass (bLpf false) or low-pass filter; false when the filter already has the value. A
    // slope of 6 dB turns a Bessel filter into Butterworth.
    bool SetXoverAlign(bool bLpf, int nAlign);
    bool SetXoverSlope(bool bLpf, int nSlope);

    // Bands the EQ graph lets the user drag on an output: 0-9, the high-pass handle (31) and the
    // low-pass handle (32).
    static bool IsGraphBand(int nBand);
    // After a drag of band n on the graph: the linked outputs take the band's frequency,
    // bandwidth and gain (or the crossover handle's frequency). False for a band the graph
    // cannot drag (nothing is copied).
    bool CopyDraggedBand(int nBand);

    // In the graphic layout a fader whose band's start frequency lies outside the crossover's
    // pass band shows a dimmed thumb.
    static bool IsFaderDimmed(const CKTV_OutData& out, int nBand);

private:
    CFilter& Band(int nBand) const;
    CFilter& Xover(bool bLpf) const;
    // Calls apply on band nBand (or the filter taken by take) of every linked output.
    template <class Apply>
    void ForLinked(int nBand, Apply apply) const;
    template <class Take, class Apply>
    void ForLinkedFilter(Take take, Apply apply) const;

    CKTV_Data& m_data;
    int m_nOutput;
};
