#pragma once
// The music-input page (page 0 of the main view): one music input at a time with its EQ, the
// input selection and the mixer source.
#include "pages/Page.h"

class CInPutDlg : public CPage {
public:
    CInPutDlg(IPageHost& host, CKTV_Data& data);
    ~CInPutDlg() override;

    void RefreshFromModel() override { ShowChannel(); }

    // Loads music input g_nCurInput into the band controls, channel buttons and curve.
    void ShowChannel();
    // Shows the current input source and presses the option button of the optional inputs.
    void UpdateSourceButtons();
    // After an all-presets file load: source, options, input-mode layout, channel buttons.
    void RefreshInputControls();
};

// The music input page while it exists (UI thread); the level and delay page posts to it.
extern CInPutDlg* g_pInputPage;
