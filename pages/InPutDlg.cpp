#include "pages/InPutDlg.h"

namespace {
constexpr int kTemplate = 382;
constexpr int kBackEnglish = 383;
constexpr int kBackChinese = 389;
}  // namespace

CInPutDlg::CInPutDlg() : CTemplateForm(kTemplate)
{
    SetBackgroundSkins(kBackEnglish, kBackChinese);
}

void CInPutDlg::ShowChannel()
{
    Refresh();
}

void CInPutDlg::UpdateSourceButtons()
{
    Refresh();
}

void CInPutDlg::RefreshInputControls()
{
    UpdateSourceButtons();
}
