#include "app/AboutDlg.h"

#include "res/UiText.h"

namespace {
constexpr int kTemplate = 100;
constexpr int kVersionId = 1867;
}  // namespace

CAboutDlg::CAboutDlg(wxWindow* pParent) : CTemplateDialog(kTemplate), m_pParent(pParent)
{
}

bool CAboutDlg::OnInitDialog()
{
    SetTitle(LangString("帮助", "About"));
    GetDlgItem(kVersionId)->SetLabel(wxS("Quindo Version 1.0"));
    return true;
}
