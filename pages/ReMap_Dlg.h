#pragma once
// The question the output page asks before it resets the output map: empty it (1), restore the
// default map (2) or leave it (0, also Escape and the close box; Enter gives 1). The caller acts
// on m_nChoice alone.
#include "controls/TemplateDialog.h"

class CReMap_Dlg : public CTemplateDialog {
public:
    CReMap_Dlg();

    int m_nChoice = 1;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnDefault();
};
