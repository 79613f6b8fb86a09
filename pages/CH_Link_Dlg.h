#pragma once
// Asks, before the two channels of a pair are linked, which of them gives its data to the other.
// The opener sets the pair (0: CH1 and CH2, 1: CH3 and CH4, 2: CH5 and CH6) before running it;
// OK returns with m_nApply, the index of the checked choice (0 the first channel of the pair).
// The texts are English in both languages. Nothing in the program opens it yet.
#include "controls/TemplateDialog.h"

class wxRadioButton;

class CCH_Link_Dlg : public CTemplateDialog {
public:
    CCH_Link_Dlg();

    int m_nApply = 0;
    int m_nPair = 0;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    wxRadioButton* m_pFirst = nullptr;
    wxRadioButton* m_pSecond = nullptr;
};
