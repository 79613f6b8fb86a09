#pragma once
// The output page (page 1 of the main view, template 136): one output channel at a time with its
// EQ, crossover and speaker position, the output strips and the master volume. The view creates
// it inside its page area, hands it the data root and shows and hides it through ShowWindow.
#include "controls/TemplateForm.h"

class CBitButton;
class CEqCurveStatic;
class CHalvekView;
class CKTV_Data;

class COutputDlg : public CTemplateForm {
public:
    COutputDlg();

    // Shows (nonzero) or hides the page; the view shows and hides it only through this.
    virtual void ShowWindow(int nCmdShow);
    // Keeps the data root for the page and its EQ graph.
    void AttachData(CKTV_Data* pData) { m_pData = pData; }
    // The whole page: current channel, speaker positions, link and lock buttons, master volume.
    void RefreshPage();
    // Output g_nCurOutput: strip selection, bands, filters, buttons.
    void RefreshChannel();
    void ShowMasterVolume();
    // The page's own texts in the language of the moment.
    void SetLanguage();
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

    CHalvekView* m_pView = nullptr;
    CKTV_Data* m_pData = nullptr;
    // The link L&R button and the EQ graph, which the view resets when the links are dissolved;
    // none until the page has them.
    CBitButton* m_btnLinkLR = nullptr;
    CEqCurveStatic* m_pEqCurve = nullptr;
};
