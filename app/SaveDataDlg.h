#pragma once
// The exit prompt: save the presets file (6), leave without saving (7) or stay (2).
#include "controls/TemplateDialog.h"

class CSaveData_Dlg : public CTemplateDialog {
public:
    explicit CSaveData_Dlg(wxWindow* pParent = nullptr);
    int DoModal();
    int GetResult() const { return m_nResult; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    wxWindow* m_pParent;
    int m_nResult = 1;
};
