#pragma once
// The output page (page 1 of the main view, template 136): one output channel at a time with its
// EQ, crossover and speaker position, the output strips and the master volume. The view creates
// it inside its page area, hands it the data root and shows and hides it through ShowWindow.
#include "controls/TemplateForm.h"

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

    CHalvekView* m_pView = nullptr;
    CKTV_Data* m_pData = nullptr;
};
