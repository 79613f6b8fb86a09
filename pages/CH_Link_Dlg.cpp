#include "pages/CH_Link_Dlg.h"

#include "controls/ButtonRadio.h"
#include "pages/CH_Link_DlgIds.h"

using namespace CH_Link_DlgIds;

namespace {
struct PairTexts {
    const char* szFirst;
    const char* szSecond;
    const char* szCaption;
};
constexpr PairTexts kPairs[] = {
    {"CH1 be applied?", "CH2 be applied? ", "Linking of CH1 and CH2 channel"},
    {"CH3 be applied? ", "CH4 be applied? ", "Linking of CH3 and CH4 channel"},
    {"CH5 be applied? ", "CH6 be applied? ", "Linking of CH5 and CH6 channel"},
};
}  // namespace

CCH_Link_Dlg::CCH_Link_Dlg() : CTemplateDialog(IDD_CH_LINK) {}

void CCH_Link_Dlg::CreateControls()
{
    m_pFirst = CreateItem<CButtonRadio>(IDC_FIRST);
    m_pSecond = CreateItem<CButtonRadio>(IDC_SECOND);
    // m_nApply follows every click.
    m_pFirst->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { m_nApply = 0; });
    m_pSecond->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { m_nApply = 1; });
}

// Another pair keeps the template's texts.
bool CCH_Link_Dlg::OnInitDialog()
{
    m_pFirst->SetValue(m_nApply == 0);
    m_pSecond->SetValue(m_nApply == 1);
    if (m_nPair < 0 || m_nPair >= static_cast<int>(std::size(kPairs)))
        return true;
    const PairTexts& texts = kPairs[m_nPair];
    m_pFirst->SetLabel(wxString::FromUTF8(texts.szFirst));
    m_pSecond->SetLabel(wxString::FromUTF8(texts.szSecond));
    SetTitle(wxString::FromUTF8(texts.szCaption));
    return true;
}
