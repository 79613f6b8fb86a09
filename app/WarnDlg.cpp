#include "app/WarnDlg.h"

#include "controls/FontStatic.h"
#include "res/UiText.h"

namespace {
constexpr int kTemplate = 676;
constexpr int kTextId = 2753;
}  // namespace

CWarnDlg::CWarnDlg(const wxString& strText) : CTemplateDialog(kTemplate), m_strText(strText) {}

bool CWarnDlg::OnInitDialog()
{
    if (auto* pText = dynamic_cast<CTransparentStatic*>(GetDlgItem(kTextId)))
        pText->SetText(m_strText);
    GetDlgItem(1)->SetLabel(LangString("退出", "Quit"));
    return true;
}
