#pragma once
// The level and delay page (page 2 of the main view, template 522): input and output levels,
// delays and the output meters. The view creates it inside its page area and calls it through
// ILevelDelayPage.
#include "controls/TemplateForm.h"
#include "link/PageServices.h"

class CHalvekView;

class CLevel_Delay_Dlg : public CTemplateForm, public ILevelDelayPage {
public:
    CLevel_Delay_Dlg();

    void UpdateOutputMeters() override;
    void ClearOutputMeters() override;

    CHalvekView* m_pView = nullptr;
    CKTV_Data* m_pData = nullptr;
};
