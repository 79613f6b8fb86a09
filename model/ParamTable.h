#pragma once
// The parameters the pages and dialogs edit, one row each: how a field shows the value (display
// type, range, scale, offset, unit), where the value lives (a device-state item, a channel or a
// band of a channel) and how it is read and written through the data model's marking setters.
//
// A page binds its fields to rows (pages/ParamBinder.h) instead of configuring each field by
// hand; loading reads through the row and never marks anything, committing writes through it.
// Rules of a field that are not a plain read and write stay in the page's own handler.
#include <span>

class CKTV_Data;

enum class ParamId : int {
    MasterVolume,  // system item 5: master volume code 0..66, shown as code - 60 dB
    OutBandFreq,   // output band k: frequency in Hz
    OutBandWidth,  // output band k: bandwidth index 0..295
    OutBandGain,   // output band k: gain position, 200 = 0 dB, edited within +-12 dB
    OutHpfFreq,    // output crossover: high-pass frequency
    OutLpfFreq,    // output crossover: low-pass frequency
    OutLevel,      // output level code 0..600, 600 = 0 dB, 0 = off
    OutDelayMs,    // output delay code in 1/48 ms steps, shown in ms, cm or inch
    OutDelayCm,
    OutDelayInch,
    MusicBandFreq,   // music input band k: frequency in Hz
    MusicBandWidth,  // music input band k: bandwidth index 0..295
    MusicBandGain,   // music input band k: gain position
    MusicLevel,      // music input level code 0..600
    // Advanced settings dialog
    MixThreshold,     // system item 2: ducking threshold 0..120, shown as code - 120 dBu
    MixAtten,         // system item 2: attenuation of the music 0..120, shown as code - 120 dB
    MixRelease,       // system item 2: ducking release 2..30 s
    GroupDelay,       // system item 5: music group delay 0..100 in 0.01 s
    NoiseThreshold,   // system item 5: input noise threshold, 0 off, else code - 120 dBu
    AdvLimLevelDbu,   // output limiter level 0..420 (code x 0.1 - 30 dBu), the top shown as off
    AdvLimLevelVolt,  // the same level as a peak-to-peak voltage
    LimAttack,        // output limiter attack code 0..206
    AdvLimRelease,    // output limiter release code, shown as that many ms (50..5000)
    // Dynamics dialog
    DynLimLevel,      // output limiter level 0..420, never below the output's compressor level
    DynLimRelease,    // output limiter release, shown as code + 50 ms
    CompLevel,        // output compressor level 0..360, never above the output's limiter level
    CompRatio,        // output compressor ratio code 1..191
    CompAttack,       // output compressor attack code 0..206
    CompRelease,      // output compressor release, shown as code + 50 ms
    MusicGate,        // music input noise-gate threshold, 0 off, else code - 120 dB (0..100)
};

// Where a row's value lives, which fixes how the target's channel and band are read.
enum class ParamScope {
    Device,      // a device-state item; the target's channel and band are not used
    Output,      // output nChannel (0..7)
    OutputBand,  // band nBand of output nChannel
    Music,       // music input nChannel (0..5)
    MusicBand,   // band nBand of music input nChannel
};

// The device-state item a row's edit leaves to be sent by the link worker (the page asks the view
// to mark it pending); channel rows are sent through their change flags instead.
enum class ParamPending { None, Master, Input };

// What a field edits: the data root, the channel and the band (where the row's scope uses them).
struct ParamTarget {
    CKTV_Data* pData = nullptr;
    int nChannel = 0;
    int nBand = 0;
};

struct ParamRow {
    ParamId id;
    const char* szName;
    ParamScope scope;
    int nType;      // display type of the field
    int nMin;       // the range the field edits
    int nMax;
    double dScale;  // the scaled types show value x scale - offset
    double dOffset;
    const char* szUnit;
    int nSpinType;  // the spin's stepping type; -1 keeps the one the spin takes from its field
    // The value type of the field's fader (CBitmapSlider): 0 plain, 10 a band gain, whose fader
    // counts from GAIN_POS_EDIT_MIN; -1 for a field no page gives a fader. A fader spans the
    // row's range (FaderRange), the maximum at its top.
    int nFaderType;
    ParamPending pending;
    // Band and crossover edits of an output go to the same band of every output linked to it; the
    // model's setters of the other rows copy what they copy themselves.
    bool bCopyToLinked;
    int (*pfnGet)(const ParamTarget&);
    void (*pfnSet)(const ParamTarget&, int);
};

std::span<const ParamRow> ParamRows();
const ParamRow& ParamRowOf(ParamId id);

// True when the target names a channel and band the row's scope has.
bool IsValidTarget(const ParamRow& row, const ParamTarget& target);
// The stored value as the model holds it (it may lie outside the row's range), or the row's
// minimum for a target that does not exist.
int ReadParam(const ParamRow& row, const ParamTarget& target);
// The stored value limited to the row's range: what a field shows.
int ShownParam(const ParamRow& row, const ParamTarget& target);
// Writes v through the row's setter, then, for a row that copies, to the same band of every
// other output of the target's link group, in output order. Nothing for a target that does not
// exist. The caller gives a value within the row's range (the binder limits what its controls
// give, once).
void WriteParam(const ParamRow& row, const ParamTarget& target, int v);
// The raw range of a row's fader runs from 0, which shows the row's maximum, to this, which
// shows its minimum.
int FaderRange(const ParamRow& row);

// The delay row of a display unit (1 ms, 2 cm, 3 inch; anything else ms).
ParamId DelayParamOfUnit(int nUnit);
