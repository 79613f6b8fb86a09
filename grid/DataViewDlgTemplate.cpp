// Template of the parameter report dialog, in dialog units of Arial 9 (7 x 14 pixels per 4 x 8
// units at 96 dpi): the list of parameters over the Print and Export buttons.
#include "grid/DataViewDlgIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace DataViewDlgIds;
using enum DlgClass;

constexpr DlgItem kItems[] = {
    {IDC_PARAM_LIST, Static, 7, 7, 496, 262, "", WS_TABSTOP},
    {IDC_PRINT, Button, 380, 276, 58, 16, "打印", WS_TABSTOP},
    {IDC_EXPORT, Button, 445, 276, 58, 16, "导出Excel", WS_TABSTOP},
};
}  // namespace

constexpr DlgTemplate g_tplDataViewDlg{IDD_DATA_VIEW, 510, 300, "参数值显示", "Arial", 9, kItems};
