#pragma once
// The three commands of the music input page that act on a whole input's EQ: bypass every band or
// restore them, reset the EQ, and switch between parametric and graphic EQ. Each asks Yes or No in
// the language of the moment; on Yes the view sends the input's whole block at once (a bypass or
// restore) or resets its bands and sends the block (a reset, a change of mode).
//
// A command acts on the input it started with. While its question is open a status report may
// switch the page to another input; the answer still goes to the input the user asked about, and
// the page reloads whatever it shows afterwards.
class CKTV_Data;
class IPageHost;

class CInputEqCommands {
public:
    CInputEqCommands(CKTV_Data& data, IPageHost& host) : m_data(data), m_host(host) {}

    // bBypass: bypass every band (the button shows "ByPass EQ"), else restore them ("Restore EQ").
    // The bands take the asked state before the question, and get their state back on No; a
    // restore that would give back no band is refused without a question. True when carried out.
    bool BypassAll(int nInput, bool bBypass);
    bool ResetEq(int nInput);
    // bGraphic: to graphic EQ, else to parametric; a full reset of the input either way.
    bool SetEqMode(int nInput, bool bGraphic);

private:
    CKTV_Data& m_data;
    IPageHost& m_host;
};
