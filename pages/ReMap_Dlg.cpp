#include "pages/ReMap_Dlg.h"

#include "controls/FontStatic.h"
#include "pages/ReMap_DlgIds.h"
#include "res/UiText.h"

using namespace ReMap_DlgIds;

CReMap_Dlg::CReMap_Dlg() : CTemplateDialog(IDD_REMAP)
{
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDefault(); }, WxId(IDC_DEFAULT));
}

bool CReMap_Dlg::OnInitDialog()
{
    SetTitle(LangString(g_strTipTitleCn, g_strTipTitleEn));
    if (auto* pQuestion = dynamic_cast<CTransparentStatic*>(GetDlgItem(IDC_QUESTION)))
        pQuestion->SetText(LangString("输出配置清空或恢复默认", "The output map emptied or restore default"));
    GetDlgItem(1)->SetLabel(LangString("清空", "Emptied"));
    GetDlgItem(IDC_DEFAULT)->SetLabel(LangString("默认", "Default"));
    GetDlgItem(2)->SetLabel(LangString("取消", "Cancel"));
    m_nChoice = 1;
    return true;
}

void CReMap_Dlg::OnOK()
{
    m_nChoice = 1;
    EndDialog(1);
}

void CReMap_Dlg::OnDefault()
{
    m_nChoice = 2;
    EndDialog(1);
}

void CReMap_Dlg::OnCancel()
{
    m_nChoice = 0;
    EndDialog(2);
}
