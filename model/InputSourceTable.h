#pragma once
// Which mixer sources may be chosen while a music input is active under an AUX mode, and the
// chosen source. Sources and inputs are numbered alike: 0 S/PDIF, 1 Hi.Level, 2 Phone, 3 AUX1,
// 4 AUX2, 5 AUX3; source 6 is off. No input is offered as a source to itself; off always is.
constexpr int SOURCE_OFF = 6;
constexpr int SOURCE_COUNT = 7;
// The source as the input-settings byte carries it: 255 for off.
constexpr int SOURCE_BYTE_OFF = 255;

// The table's source for an input-settings byte. The byte comes from the processor or a file:
// one that names no source (255 or anything above 5) is off, so it never indexes a face or a row.
constexpr int SourceFromByte(int bySource)
{
    return bySource >= 0 && bySource < SOURCE_OFF ? bySource : SOURCE_OFF;
}

class CInputSourceTable {
public:
    // Source off, the three tables filled, row 0 of mode 0 current.
    void Init();
    void InitMode0();
    void InitMode1();
    void InitMode2();
    // Makes the active input's row under the mode current; 1 when the chosen source stays
    // offered, 0 when the table turned it off.
    int SelectRow(int nInput, int nMode);
    // A row outside the table copies nothing.
    void CopyRowMode0(int n);
    void CopyRowMode1(int n);
    void CopyRowMode2(int n);

    int m_nSource;
    int m_bAvail[SOURCE_COUNT];
    int m_nAvail6[6][SOURCE_COUNT];  // AUX mode 0
    int m_nAvail5[5][SOURCE_COUNT];  // AUX mode 1
    int m_nAvail4[4][SOURCE_COUNT];  // AUX mode 2
};

extern CInputSourceTable g_inputSourceTable;

// After the active input (g_nCurInput) or the AUX mode (g_nInputMode) changed: their row of
// g_inputSourceTable becomes current, and a mixer source it does not offer is turned off in the
// table and in the input settings (byte 255). 1 when the source stays. Nothing is sent.
int KeepInputSourceOffered();
