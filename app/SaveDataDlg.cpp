#include "app/SaveDataDlg.h"

#include "controls/FontStatic.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "res/UiText.h"

namespace {
constexpr int kTemplate = 719;
constexpr int kNoButton = 2790;
constexpr int kTextId = 2774;
}  // namespace

CSaveData_Dlg::CSaveData_Dlg(wxWindow* pParent) : CTemplateDialog(kTemplate), m_pParent(pParent)
{
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        m_nResult = IDNO;
        EndDialog(IDCANCEL);
    }, WxId(kNoButton));
}

int CSaveData_Dlg::DoModal()
{
    CTemplateDialog::DoModal(m_pParent);
    return m_nResult;
}

bool CSaveData_Dlg::OnInitDialog()
{
    m_nResult = IDOK;
    GetDlgItem(1)->SetLabel(LangString("是", "YES"));
    GetDlgItem(kNoButton)->SetLabel(LangString("否", "NO"));
    GetDlgItem(2)->SetLabel(LangString("取消", "Cancel"));
    SetTitle(LangString(g_strTipTitleCn, g_strTipTitleEn));
    if (auto* pText = dynamic_cast<CTransparentStatic*>(GetDlgItem(kTextId)))
        pText->SetText(LangString("是否保存当前场景文件?", "Whether to save the current Presets file?"));
    return true;
}

void CSaveData_Dlg::OnOK()
{
    m_nResult = IDYES;
    EndDialog(IDOK);
}

void CSaveData_Dlg::OnCancel()
{
    m_nResult = IDCANCEL;
    EndDialog(IDCANCEL);
}
