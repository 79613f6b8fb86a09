#pragma once
// The whole-EQ commands of the output page: bypass-all and its restore, the PEQ/GEQ conversion
// and the reset of every band. Each asks its question in the language of the moment (Yes, No),
// then changes the output and the outputs of its link group and has the view send their whole
// blocks (only while a link is open; the setters used mark nothing, so nothing is sent later).
//
// The command acts on the output it was started for: a report of the processor that makes
// another output current while the question is open does not redirect it; the page shows
// whatever output is current once the command is done. Toolkit-free.
class CKTV_Data;
class CKTV_OutData;
class IPageHost;

class COutputEqCommand {
public:
    COutputEqCommand(CKTV_Data& data, IPageHost& host, int nOutput);

    // The bypass-all button pressed while it showed bShownOn. Returns the state the button is to
    // show: on while every page band of the output is bypassed or flat.
    bool BypassAll(bool bShownOn);
    // The mode button pressed while it showed bShownGraphic: after Yes the output and its linked
    // outputs take the other mode and every band is reset. True when converted.
    bool ConvertMode(bool bShownGraphic);
    // After Yes every band of the output and its linked outputs is reset (mode and crossover
    // stay). True when reset.
    bool ResetAll();

    int Output() const { return m_nOutput; }

private:
    static bool Ask(const char* szChinese, const char* szEnglish);

    CKTV_Data& m_data;
    IPageHost& m_host;
    int m_nOutput;
    CKTV_OutData& m_out;
};
