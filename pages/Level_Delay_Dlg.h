#pragma once
// The level and delay page (page 2 of the main view): input and output levels, delays and the
// output meters.
#include "pages/Page.h"

class CLevel_Delay_Dlg : public CPage {
public:
    CLevel_Delay_Dlg(IPageHost& host, CKTV_Data& data);
    ~CLevel_Delay_Dlg() override;

    void RefreshFromModel() override { UpdateAllControls(); }
    // The meters go dark whenever a link ends.
    void OnLinkClosed() override { ClearOutputMeters(); }

    void UpdateAllControls();
    // The eight output meters from status elements 6 to 13: low four bits the lit lamps (0-9),
    // bits 0x10, 0x20 and 0x40 three indicators.
    void UpdateOutputMeters();
    // Every lamp off.
    void ClearOutputMeters();
};

// The level and delay page while it exists (UI thread); the music input page posts to it.
extern CLevel_Delay_Dlg* g_pLevelPage;
