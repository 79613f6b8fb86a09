#pragma once
// The output page (page 1 of the main view): one output channel at a time with its EQ, crossover
// and speaker position, the output strips and the master volume.
#include "pages/Page.h"

class CBitButton;
class CBitmapSlider;
class CNumEdit;
class CNumSpin;

class COutputDlg : public CPage {
public:
    COutputDlg(IPageHost& host, CKTV_Data& data);

    // Shows (nonzero) or hides the page; the view shows and hides it only through this.
    virtual void ShowWindow(int nCmdShow);
    // A preset load replaces the outputs the page shows, so the page follows it even while hidden.
    void OnDataLoaded() override { RefreshPage(); }
    void RefreshFromModel() override { RefreshPage(); }
    void SetLanguage() override;

    // The whole page: current channel, speaker positions, link and lock buttons, master volume.
    void RefreshPage();
    // Output g_nCurOutput: strip selection, bands, filters, buttons.
    void RefreshChannel();
    // Master volume, its fader and the master-on switch from the master settings.
    void ShowMasterVolume();
    // Unless an edit has the focus, focuses the page's first edit (Tab and Enter on the page).
    void FocusFirstEdit();
    // The band, high-pass and low-pass controls of the current output (after a band reset).
    void RefreshBands();
    // The music input a status reply reports as active, on the page's input indicator.
    void ShowInputChannel(int nInput);
    // Applies g_bOutMapLocked to the strips; with the flag clear every strip is enabled and the
    // outputs are unlinked (the view's UnlinkAllOutputs).
    void ApplyOutputMapLock();
    // After a preset or file load with the map locked: an output that has a role stays or
    // becomes the current one; with no role anywhere the map is unlocked.
    void CheckOutputMapLock();
    // The strips and markers of the outputs linked to nOutput lose their highlight.
    void ClearLinkedHighlights(int nOutput);
    // Every output was given a link group of its own: the link button and the graph follow.
    void ShowOutputsUnlinked();

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    void InitMasterControls();
    void OnMasterOn();

    CBitmapSlider* m_sliderMaster = nullptr;
    CNumEdit* m_editMaster = nullptr;
    CNumSpin* m_spinMaster = nullptr;
    CBitButton* m_btnMasterOn = nullptr;
    int m_nMasterBinding = -1;
};
