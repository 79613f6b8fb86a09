#pragma once
// The about box: logo, web address, the device's and the software's versions.
#include "controls/TemplateDialog.h"

class CHyLink;
class CTransparentStatic;

class CVersionDlg : public CTemplateDialog {
public:
    explicit CVersionDlg(wxWindow* pParent = nullptr);
    int DoModal();

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    wxWindow* m_pParent;
    CHyLink* m_pLink = nullptr;
    CTransparentStatic* m_pSoftware = nullptr;
    CTransparentStatic* m_pDevice = nullptr;
};
