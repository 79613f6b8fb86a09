#include "pages/InputPageRules.h"

#include "model/ActiveInput.h"
#include "pages/InPutDlgIds.h"

using namespace InPutDlgIds;

namespace {
constexpr int kHidden = -1;
constexpr int kPhoneBit = 1;
constexpr int kSpdifBit = 2;

bool HasSpdif(int nOptInputs)
{
    return (nOptInputs & kSpdifBit) != 0;
}

bool HasPhone(int nOptInputs)
{
    return (nOptInputs & kPhoneBit) != 0;
}

// The edit ids of one row of columns 0-14.
bool InRow(int nId, int nFirst)
{
    return nId >= nFirst && nId < nFirst + INPUT_PAGE_BANDS;
}

constexpr int kLastBand = INPUT_PAGE_BANDS - 1;
}  // namespace

std::optional<std::array<int, MUSIC_CHANNELS>> InputButtonSlots(int nOptInputs)
{
    if (nOptInputs < 0 || nOptInputs > 3)
        return std::nullopt;
    // Shown buttons fill the slots in input order: S/PDIF, Hi.Level, Phone, AUX1-AUX3.
    std::array<int, MUSIC_CHANNELS> slots{};
    int nSlot = 0;
    for (int nInput = 0; nInput < MUSIC_CHANNELS; ++nInput) {
        const bool bShown = (nInput != 0 || HasSpdif(nOptInputs)) && (nInput != 2 || HasPhone(nOptInputs));
        slots[nInput] = bShown ? nSlot++ : kHidden;
    }
    return slots;
}

bool IsInputButtonShown(int nInput, int nOptInputs, int nMode)
{
    const auto slots = InputButtonSlots(nOptInputs);
    return slots && IsMusicInput(nInput) && (*slots)[nInput] != kHidden && IsInputOfMode(nInput, nMode);
}

int ConnectorInput(InputConnector c)
{
    switch (c) {
    case InputConnector::Spdif: return 0;
    case InputConnector::HiLevel: return 1;
    case InputConnector::Phone: return 2;
    case InputConnector::AuxPair1:
    case InputConnector::Aux4ch:
    case InputConnector::Aux6ch: return 3;
    case InputConnector::AuxPair2:
    case InputConnector::Aux2ch:
    case InputConnector::Aux4Alt: return 4;
    case InputConnector::AuxPair3:
    case InputConnector::Aux5Alt: return 5;
    case InputConnector::None: break;
    }
    return -1;
}

bool IsConnectorShown(InputConnector c, int nMode, int nOptInputs)
{
    switch (c) {
    case InputConnector::HiLevel: return true;
    case InputConnector::Spdif: return HasSpdif(nOptInputs);
    case InputConnector::Phone: return HasPhone(nOptInputs);
    case InputConnector::AuxPair1:
    case InputConnector::AuxPair2:
    case InputConnector::AuxPair3: return nMode == 0;
    case InputConnector::Aux4ch:
    case InputConnector::Aux2ch: return nMode == 1;
    case InputConnector::Aux6ch: return nMode == 2;
    case InputConnector::Aux4Alt:
    case InputConnector::Aux5Alt:
    case InputConnector::None: break;
    }
    return false;
}

InputConnector CheckedConnector(int nInput, int nMode)
{
    switch (nInput) {
    case 0: return InputConnector::Spdif;
    case 1: return InputConnector::HiLevel;
    case 2: return InputConnector::Phone;
    default: break;
    }
    // The AUX connectors of each mode, for inputs 3, 4 and 5.
    static constexpr InputConnector kAux[INPUT_MODES][3] = {
        {InputConnector::AuxPair1, InputConnector::AuxPair2, InputConnector::AuxPair3},
        {InputConnector::Aux4ch, InputConnector::Aux2ch, InputConnector::Aux4ch},
        {InputConnector::Aux6ch, InputConnector::Aux6ch, InputConnector::None},
    };
    if (nInput < 3 || nInput > 5 || !IsInputMode(nMode))
        return InputConnector::None;
    return kAux[nMode][nInput - 3];
}

int NextBandEdit(int nId, bool bGraphic)
{
    if (bGraphic)
        return InRow(nId, IDC_GAIN_EDIT) ? (nId == IDC_GAIN_EDIT + kLastBand ? IDC_GAIN_EDIT : nId + 1) : 0;
    if (nId == IDC_FREQ_EDIT + kLastBand)
        return IDC_Q_EDIT;
    if (nId == IDC_Q_EDIT + kLastBand)
        return IDC_GAIN_EDIT;
    if (nId == IDC_GAIN_EDIT + kLastBand)
        return IDC_FREQ_EDIT;
    return BandOfEdit(nId) >= 0 ? nId + 1 : 0;
}

int PrevBandEdit(int nId, bool bGraphic)
{
    if (bGraphic)
        return InRow(nId, IDC_GAIN_EDIT) ? (nId == IDC_GAIN_EDIT ? IDC_GAIN_EDIT + kLastBand : nId - 1) : 0;
    if (nId == IDC_FREQ_EDIT)
        return IDC_GAIN_EDIT + kLastBand;
    if (nId == IDC_Q_EDIT)
        return IDC_FREQ_EDIT + kLastBand;
    if (nId == IDC_GAIN_EDIT)
        return IDC_Q_EDIT + kLastBand;
    return BandOfEdit(nId) >= 0 ? nId - 1 : 0;
}

int NextRowBandEdit(int nId)
{
    const int nBand = BandOfEdit(nId);
    switch (RowOfEdit(nId)) {
    case 0: return IDC_Q_EDIT + nBand;
    case 1: return IDC_GAIN_EDIT + nBand;
    case 2: return IDC_FREQ_EDIT + (nBand == kLastBand ? 0 : nBand + 1);
    default: return 0;
    }
}

int BandOfEdit(int nId)
{
    for (const int nFirst : {IDC_FREQ_EDIT, IDC_Q_EDIT, IDC_GAIN_EDIT})
        if (InRow(nId, nFirst))
            return nId - nFirst;
    return -1;
}

int RowOfEdit(int nId)
{
    if (InRow(nId, IDC_FREQ_EDIT))
        return 0;
    if (InRow(nId, IDC_Q_EDIT))
        return 1;
    if (InRow(nId, IDC_GAIN_EDIT))
        return 2;
    return -1;
}
