// The dialog templates of the program, in dialog units.

#include "res/DialogTemplate.h"
#include "res/WinStyles.h"
#include "app/ViewIds.h"
#include "grid/DataViewDlgIds.h"
#include "grid/ProgramDlgIds.h"
#include "grid/SaveDlgIds.h"
#include "link/UpgradeDlgIds.h"
#include "pages/Adv_SetingIds.h"
#include "pages/CH_Link_DlgIds.h"
#include "pages/CurSYSDlgIds.h"
#include "pages/InMode_DlgIds.h"
#include "pages/InPutDlgIds.h"
#include "pages/Level_Delay_DlgIds.h"
#include "pages/All_Link_DlgIds.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputDlgIds.h"
#include "pages/ReMap_DlgIds.h"

namespace {
using enum DlgClass;
namespace up = UpgradeDlgIds;

// Message box: the text, then OK on the left and Cancel on the right.
constexpr DlgItem kMessageBox[] = {
    {1001, Static, 7, 7, 169, 40, "", SS_CENTER},
    {1, Button, 26, 56, 50, 15, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {2, Button, 107, 56, 50, 15, "Cancel", WS_TABSTOP},
};

// Exit prompt: the question, then YES, NO and Cancel.
constexpr DlgItem kSaveData[] = {
    {2774, Static, 7, 10, 186, 30, "", SS_CENTER},
    {1, Button, 14, 52, 50, 15, "YES", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {2790, Button, 75, 52, 50, 15, "NO", WS_TABSTOP},
    {2, Button, 136, 52, 50, 15, "Cancel", WS_TABSTOP},
};

// About box: logo, fixed line, web address, the two versions, Help and Quit.
constexpr DlgItem kVersion[] = {
    {2065, Static, 8, 8, 36, 36, "", SS_BITMAP, 0, 275},
    {1894, Static, 56, 8, 140, 10, "Tarvi audio processor editor", SS_LEFT | SS_NOPREFIX},
    {1875, Static, 56, 20, 140, 10, "", SS_LEFT | SS_NOPREFIX},
    {1877, Static, 56, 32, 140, 10, "", SS_LEFT | SS_NOPREFIX},
    {1876, Static, 56, 44, 140, 8, "", SS_LEFT},
    {1895, Static, 56, 52, 120, 10, "https://www.tarvi.example", SS_LEFT | SS_NOTIFY},
    {8802, Button, 88, 65, 50, 14, "Help", WS_TABSTOP},
    {1874, Button, 145, 65, 50, 14, "Quit", BS_DEFPUSHBUTTON | WS_TABSTOP},
};

// One-button warning.
constexpr DlgItem kWarn[] = {
    {2753, Static, 7, 7, 166, 36, "", SS_CENTER},
    {1, Button, 65, 50, 50, 15, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
};

// Transfer progress: the blinking label over the bar.
constexpr DlgItem kDisplay[] = {
    {1433, Static, 8, 6, 184, 14, "", SS_CENTER},
    {2777, Progress, 8, 25, 184, 10},
};

// Communication monitor: the write log on the left, the read log on the right.
constexpr DlgItem kLockData[] = {
    {-1, Static, 7, 5, 100, 9, "写数据"},
    {1221, Edit, 7, 16, 227, 178, "", ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL},
    {-1, Static, 242, 5, 100, 9, "读数据"},
    {1024, Edit, 242, 16, 227, 178, "", ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL},
    {1222, Button, 7, 199, 50, 14, "Clear", WS_TABSTOP},
    {1884, Edit, 242, 199, 60, 13},
    {1885, Edit, 310, 199, 60, 13},
};

// Connection: three transports, the serial port to use, OK and Cancel.
constexpr DlgItem kConnect[] = {
    {1798, Button, 12, 10, 176, 12, "Use the USB connect to the device", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {1799, Button, 12, 26, 176, 12, "Use the WIFI connect to the device", BS_AUTORADIOBUTTON},
    {1888, Button, 12, 42, 176, 12, "Use the COM connect to the device", BS_AUTORADIOBUTTON},
    {1896, Static, 24, 58, 150, 60, "", WS_TABSTOP | WS_VSCROLL},
    {1, Button, 40, 82, 50, 14, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {2, Button, 110, 82, 50, 14, "Cancel", WS_TABSTOP},
};

// Firmware update: the file with Browse, the status line and bar, Update and Quit; the serial
// choice below them is kept hidden.
constexpr DlgItem kUpgrade[] = {
    {up::IDC_FILE_GROUP, Static, 4, 2, 218, 27, "Update File", BS_GROUPBOX},
    {up::IDC_PATH, Edit, 10, 12, 150, 12},
    {up::IDC_BROWSE, Button, 166, 11, 50, 14, "Browse file", WS_TABSTOP},
    {up::IDC_TIP, Static, 6, 32, 214, 9, "", SS_LEFT},
    {up::IDC_PROGRESS, Progress, 6, 42, 214, 9},
    {up::IDC_UPDATE, Button, 55, 54, 50, 14, "Update", WS_TABSTOP},
    {up::IDC_QUIT, Button, 121, 54, 50, 14, "Quit", WS_TABSTOP},
    {up::IDC_COM_GROUP, Static, 4, 72, 218, 30, "Communication interface", BS_GROUPBOX},
    {up::IDC_COM_LABEL, Static, 10, 82, 60, 9, "Communication interface", SS_LEFT},
    {up::IDC_HEX_LABEL, Static, 10, 92, 60, 9, "Hex File", SS_LEFT},
    {up::IDC_USB, Button, 80, 82, 40, 10, "USB", BS_AUTORADIOBUTTON | WS_GROUP},
    {up::IDC_WIFI, Button, 125, 82, 40, 10, "WIFI", BS_AUTORADIOBUTTON},
    {up::IDC_COM, Button, 170, 82, 40, 10, "COM", BS_AUTORADIOBUTTON},
    {up::IDC_PORTS, Static, 80, 92, 100, 60, ""},
};

// Main view: the top bar above the page area. Left to right: logo; page selectors (music input,
// output, level and delay); quick input select over the mode buttons "1" to "4"; preset name over
// the link lamp and the batch progress bar; connect, minimise and close over the preset and tools
// pop-up buttons and "System". "Report" and the name edit are never shown. IDC_TAB is the tab
// control that holds the pages; the view makes it and fits it to the page area.
constexpr DlgItem kMainView[] = {
    {IDC_LOGO, Static, 6, 6, 88, 30},
    {IDC_PAGE_INPUT, Button, 102, 13, 54, 17},
    {IDC_PAGE_OUTPUT, Button, 158, 13, 54, 17},
    {IDC_PAGE_LEVEL, Button, 214, 13, 54, 17},
    {IDC_INPUT_HILEVEL, Button, 276, 4, 32, 15},
    {IDC_INPUT_PHONE, Button, 310, 4, 32, 15},
    {IDC_INPUT_AUX, Button, 344, 4, 32, 15},
    {IDC_MODE1, Button, 276, 24, 22, 15, "1"},
    {IDC_MODE1 + 1, Button, 302, 24, 22, 15, "2"},
    {IDC_MODE1 + 2, Button, 328, 24, 22, 15, "3"},
    {IDC_MODE1 + 3, Button, 354, 24, 22, 15, "4"},
    {IDC_PRESET_NAME, Button, 384, 4, 120, 15, "", WS_DISABLED},
    {IDC_NAME_EDIT, Edit, 384, 4, 120, 15},
    {IDC_LINK_LAMP, Static, 384, 24, 120, 15},
    {IDC_PROGRESS, Progress, 384, 40, 120, 2},
    {IDC_CONNECT, Button, 512, 4, 54, 15},
    {IDC_MINIMIZE, Button, 588, 4, 14, 15},
    {IDC_CLOSE, Button, 604, 4, 14, 15},
    {IDC_PRESET_MENU, Button, 512, 24, 34, 15},
    {IDC_TOOLS_MENU, Button, 548, 24, 34, 15},
    {IDC_SYSTEM, Button, 584, 24, 34, 15},
    {IDC_REPORT, Button, 584, 4, 34, 15},
    {IDC_TAB, Static, 0, 43, 624, 348},
};

// About box of the application object: icon, version line, one more line, OK.
constexpr DlgItem kAbout[] = {
    {-1, Static, 11, 11, 24, 24, "", SS_BITMAP, 0, 275},
    {1867, Static, 44, 12, 130, 9, "", SS_LEFT | SS_NOPREFIX},
    {-1, Static, 44, 26, 130, 9, "Tarvi audio processor editor", SS_LEFT | SS_NOPREFIX},
    {1, Button, 178, 7, 50, 14, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
};

// Start view: two buttons without skins, left and right.
constexpr DlgItem kCaptionView[] = {
    {1837, Button, 40, 98, 170, 40},
    {1781, Button, 261, 98, 170, 40},
};

constexpr DlgTemplate kAboutTemplate{100, 235, 55, "About", "Arial", 8, kAbout};
constexpr DlgTemplate kMainViewTemplate{IDD_VIEW, 624, 390, "", "Arial", 10, kMainView};
constexpr DlgTemplate kDisplayTemplate{104, 200, 42, "Data transmission", "Arial", 10, kDisplay};
constexpr DlgTemplate kLockDataTemplate{109, 476, 219, "Lock", "System", 10, kLockData};
constexpr DlgTemplate kMessageBoxTemplate{116, 183, 78, "", "Arial", 9, kMessageBox};
constexpr DlgTemplate kConnectTemplate{144, 200, 104, "Link", "Arial", 9, kConnect};
constexpr DlgTemplate kVersionTemplate{269, 203, 84, "About", "Arial", 9, kVersion};
constexpr DlgTemplate kUpgradeTemplate{up::IDD_UPGRADE, 226, 72, "软件升级", "Arial", 9, kUpgrade};
constexpr DlgTemplate kCaptionViewTemplate{227, 471, 237, "", "Arial", 10, kCaptionView};
constexpr DlgTemplate kWarnTemplate{676, 180, 72, "", "Arial", 9, kWarn};
constexpr DlgTemplate kSaveDataTemplate{719, 200, 75, "", "Arial", 9, kSaveData};

// The pages keep their templates beside their code.
const DlgTemplate* const kTemplates[] = {
    &kAboutTemplate,      &kMainViewTemplate, &kDisplayTemplate, &kLockDataTemplate, &kMessageBoxTemplate,
    &kConnectTemplate,    &kVersionTemplate,  &kUpgradeTemplate, &kWarnTemplate,     &kSaveDataTemplate,
    &kCaptionViewTemplate,
    &g_tplOutputDlg, &g_tplInPutDlg, &g_tplLevel_Delay_Dlg, &g_tplInMode_Dlg, &g_tplDataViewDlg,
    &g_tplOutRoute_Dlg, &g_tplAdv_Seting, &g_tplCurSYSDlg, &g_tplCH_Link_Dlg, &g_tplReMap_Dlg,
    &g_tplAll_Link_Dlg, &g_tplProgramDlg, &g_tplSaveDlg,
};
}  // namespace

const DlgTemplate* FindDialogTemplate(int nId)
{
    for (const DlgTemplate* pTemplate : kTemplates)
        if (pTemplate->nId == nId)
            return pTemplate;
    return nullptr;
}
