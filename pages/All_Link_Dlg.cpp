#include "pages/All_Link_Dlg.h"

#include "controls/ButtonRadio.h"
#include "controls/FontStatic.h"
#include "pages/All_Link_DlgIds.h"
#include "res/UiText.h"

using namespace All_Link_DlgIds;

CAll_Link_Dlg::CAll_Link_Dlg() : CTemplateDialog(IDD_ALL_LINK) {}

void CAll_Link_Dlg::CreateControls()
{
    m_pLeftToRight = CreateItem<CButtonRadio>(IDC_LEFT_TO_RIGHT);
    m_pRightToLeft = CreateItem<CButtonRadio>(IDC_RIGHT_TO_LEFT);
}

// The direction follows the radio buttons at every click.
bool CAll_Link_Dlg::OnInitDialog()
{
    if (g_bChinese) {
        if (auto* pNote = dynamic_cast<CTransparentStatic*>(GetDlgItem(IDC_NOTE)))
            pNote->SetText(Utf8("联调前需要同步左右通道的数据,\n请选择同步方式"));
        m_pLeftToRight->SetLabel(Utf8("从左复制到右"));
        m_pRightToLeft->SetLabel(Utf8("从右复制到左"));
        GetDlgItem(1)->SetLabel(Utf8("确定"));
        GetDlgItem(2)->SetLabel(Utf8("取消"));
    }
    SetTitle(LangString(g_strTipTitleCn, g_strTipTitleEn));
    m_pLeftToRight->SetValue(m_nDirection == 0);
    m_pRightToLeft->SetValue(m_nDirection == 1);
    for (CButtonRadio* pRadio : {m_pLeftToRight, m_pRightToLeft})
        pRadio->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { m_nDirection = m_pRightToLeft->GetValue() ? 1 : 0; });
    return true;
}
