#pragma once
// The music-input page (page 0 of the main view, template 382): one music input at a time with
// its EQ, filters, gate, limiter and source. The view creates it inside its page area and calls
// it through IInPutPage.
#include "controls/TemplateForm.h"
#include "link/PageServices.h"

class CInPutDlg : public CTemplateForm, public IInPutPage {
public:
    CInPutDlg();

    void AttachData(CKTV_Data* pData) override { m_pData = pData; }
    void ShowChannel() override;
    void UpdateSourceButtons() override;
    void RefreshInputControls() override;

private:
    CKTV_Data* m_pData = nullptr;
};
