#pragma once
// The music input page's rules without the toolkit: where its input select buttons stand for the
// optional inputs the processor has, which connectors of its strip show and which one is checked
// under each AUX mode, and how the keyboard walks the band edits of columns 0-14.
//
// Every rule starts from the globals as they are (active input, AUX mode, optional inputs), so a
// refresh shows the same whatever the page showed before: a button hidden by an earlier mode comes
// back, and exactly the active input's button and connector are checked.
#include <array>
#include <optional>

#include "model/DataDefine.h"

// Columns 0-14 (bands "1" to "15") are the page's; the input's other bands are never shown.
constexpr int INPUT_PAGE_BANDS = 15;

// ---- Input select buttons ----
// Slot of each input's select button (-1: hidden) for an optional-inputs byte (bit 0 Phone, bit 1
// S/PDIF). A byte other than 0-3 has no layout (nullopt): the buttons stay where they were.
std::optional<std::array<int, MUSIC_CHANNELS>> InputButtonSlots(int nOptInputs);
// Whether input nInput's select button shows for a laid-out byte (0-3) under AUX mode nMode.
bool IsInputButtonShown(int nInput, int nOptInputs, int nMode);

// ---- Connectors of the strip ----
enum class InputConnector {
    HiLevel,   // input 1, always
    Spdif,     // input 0, when the processor has it
    Phone,     // input 2, when the processor has it
    AuxPair1,  // inputs 3, 4, 5 under mode 0
    AuxPair2,
    AuxPair3,
    Aux4ch,    // input 3 under mode 1 (AUX1 and AUX2)
    Aux2ch,    // input 4 under mode 1 (AUX3)
    Aux6ch,    // input 3 under mode 2 (AUX1 to AUX3)
    Aux4Alt,   // two pairs that never show
    Aux5Alt,
    None,
};
constexpr int INPUT_CONNECTORS = static_cast<int>(InputConnector::None);

// The input a click on the connector chooses.
int ConnectorInput(InputConnector c);
// Whether the connector shows under AUX mode nMode for a laid-out optional-inputs byte (0-3).
bool IsConnectorShown(InputConnector c, int nMode, int nOptInputs);
// The connector that stands for the active input under the mode (None for none).
InputConnector CheckedConnector(int nInput, int nMode);

// ---- Keyboard ----
// The band edits of columns 0-14 form one ring: frequency, then Q, then gain (parametric layout),
// or the gain edits alone (graphic layout). The next or previous edit of the ring, 0 for an id
// outside it.
int NextBandEdit(int nId, bool bGraphic);
int PrevBandEdit(int nId, bool bGraphic);
// Enter in the parametric layout: down the column (frequency, Q, gain), then the next band's
// frequency; 0 for an id outside the ring.
int NextRowBandEdit(int nId);
// The band (0-14) and the row (0 frequency, 1 Q, 2 gain) of a band edit, -1 for another id.
int BandOfEdit(int nId);
int RowOfEdit(int nId);
