#include "pages/Level_Delay_Dlg.h"

namespace {
constexpr int kTemplate = 522;
constexpr int kBackEnglish = 523;
constexpr int kBackChinese = 7030;
}  // namespace

CLevel_Delay_Dlg::CLevel_Delay_Dlg() : CTemplateForm(kTemplate)
{
    SetBackgroundSkins(kBackEnglish, kBackChinese);
}

void CLevel_Delay_Dlg::UpdateOutputMeters()
{
    Refresh();
}

void CLevel_Delay_Dlg::ClearOutputMeters()
{
    Refresh();
}
