#pragma once
// The question the output page asks before it links every left output with its right partner:
// which side is copied onto the other. After OK, m_nDirection is 0 (each left output into its
// right partner) or 1 (each right output into its left partner).
#include "controls/TemplateDialog.h"

class CButtonRadio;

class CAll_Link_Dlg : public CTemplateDialog {
public:
    CAll_Link_Dlg();

    int m_nDirection = 0;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    CButtonRadio* m_pLeftToRight = nullptr;
    CButtonRadio* m_pRightToLeft = nullptr;
};
