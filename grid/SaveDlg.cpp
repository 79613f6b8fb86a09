#include "grid/SaveDlg.h"

#include <wx/button.h>

#include <string>

#include "controls/ChEnEdit.h"
#include "grid/ProgramDlgLogic.h"
#include "grid/SaveDlgIds.h"
#include "res/DeviceText.h"
#include "res/UiText.h"

using namespace SaveDlgIds;

CSaveDlg::CSaveDlg() : CTemplateDialog(IDD_SAVE)
{
}

void CSaveDlg::CreateControls()
{
    m_editName = CreateItem<CChEnEdit>(IDC_NAME);
}

bool CSaveDlg::OnInitDialog()
{
    m_staticNo = GetDlgItem(IDC_NUMBER);
    m_btnOk = static_cast<wxButton*>(GetDlgItem(IDC_OK));
    m_btnCancel = static_cast<wxButton*>(GetDlgItem(IDC_CANCEL));
    m_editName->SetLimitText(CProgramDlgLogic::kNameChars);
    m_editName->EnableDbcsAlign(false);
    m_editName->SetAsciiOnly(true);
    InitTexts();
    return true;
}

void CSaveDlg::InitTexts()
{
    const wxString strStored = FromDeviceBytes(CProgramDlgLogic::StoredName(m_nPreset));
    m_strName = strStored.utf8_string();
    m_editName->ChangeValue(strStored);
    m_editName->SetInsertionPointEnd();
    m_editName->SetFocus();
    m_strLabel = LangString("序号:", "No.") + wxString::FromUTF8(std::to_string(m_nPreset));
    m_staticNo->SetLabel(m_strLabel);
    m_btnOk->SetLabel(LangString("确定", "OK"));
    m_btnCancel->SetLabel(LangString("取消", "Cancel"));
    SetTitle(LangString("请输入场景名", "Please enter the preset name"));
}

void CSaveDlg::OnOK()
{
    m_strName = m_editName->GetValue().utf8_string();
    EndDialog(IDC_OK);
}
