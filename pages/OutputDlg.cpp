#include "pages/OutputDlg.h"

namespace {
constexpr int kTemplate = 136;
constexpr int kBackEnglish = 286;
constexpr int kBackChinese = 287;
}  // namespace

COutputDlg::COutputDlg() : CTemplateForm(kTemplate)
{
    SetBackgroundSkins(kBackEnglish, kBackChinese);
}

void COutputDlg::ShowWindow(int nCmdShow)
{
    Show(nCmdShow != 0);
}

void COutputDlg::RefreshPage()
{
    RefreshChannel();
    ShowMasterVolume();
}

void COutputDlg::RefreshChannel()
{
    Refresh();
}

void COutputDlg::ShowMasterVolume()
{
    Refresh();
}

void COutputDlg::SetLanguage()
{
    Refresh();
}

void COutputDlg::FocusFirstEdit()
{
    SetFocus();
}
