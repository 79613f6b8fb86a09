#include "res/Menus.h"

#include <wx/menu.h>

#include <array>

#include "controls/ControlIds.h"
#include "model/StdAfx.h"
#include "pages/InPutDlgIds.h"
#include "res/InputNames.h"

namespace {
// The speaker-role menu: item 4100 + role. Within each pop-up the roles keep their order, so a
// role's position is its code less the first code of its pop-up.
constexpr MenuRow kSpeakerMenu[] = {
    {0, 0, "Speaker", "扬声器"},
    {1, 4100, "NULL", "空"},
    {1, 0, "Front", "前置"},
    {2, 0, "Left", "左"},
    {3, 4101, "Tweeter", "高频"},
    {3, 4102, "Midrange", "中频"},
    {3, 4103, "Woofer", "低频"},
    {3, 4104, "Midrange Tweeter", "中高频"},
    {3, 4105, "Midrange Woofer", "中低频"},
    {3, 4106, "Full", "全频"},
    {2, 0, "Right", "右"},
    {3, 4107, "Tweeter", "高频"},
    {3, 4108, "Midrange", "中频"},
    {3, 4109, "Woofer", "低频"},
    {3, 4110, "Midrange Tweeter", "中高频"},
    {3, 4111, "Midrange Woofer", "中低频"},
    {3, 4112, "Full", "全频"},
    {1, 0, "Rear", "后置"},
    {2, 0, "Left", "左"},
    {3, 4113, "Tweeter", "高频"},
    {3, 4114, "Woofer", "低频"},
    {3, 4115, "Full", "全频"},
    {2, 0, "Right", "右"},
    {3, 4116, "Tweeter", "高频"},
    {3, 4117, "Woofer", "低频"},
    {3, 4118, "Full", "全频"},
    {1, 0, "Center", "中置"},
    {2, 4119, "Tweeter", "高频"},
    {2, 4120, "Woofer", "低频"},
    {2, 4121, "Full", "全频"},
    {1, 0, "Subwoofer", "超低"},
    {2, 4122, "L-Subwoofer", "左超低"},
    {2, 4123, "R-Subwoofer", "右超低"},
    {2, 4124, "Subwoofer", "超低"},
};

// The preset pop-up: stored presets of the processor, then one-preset PC files, then all presets.
constexpr MenuRow kPresetMenu[] = {
    {0, 720, "Load Machine Preset(&E)", "加载 机器预置场景(&E)"},
    {0, 721, "Save As Machine Preset(&I)", "另存为 机器预置场景(&I)"},
    {0, 722, "Delete Machine Preset(&D)", "删除 机器预置场景(&D)"},
    {0, kMenuSeparator, "", ""},
    {0, 723, "Load PC Presets File(&O)", "加载 电脑上场景文件(&O)"},
    {0, 725, "Save As PC Presets File(&S)", "另存为 电脑上场景文件(&S)"},
    {0, kMenuSeparator, "", ""},
    {0, 724, "Load All Presets", "加载 整机场景"},
    {0, 726, "Save All Presets", "保存 整机场景"},
};

// The tools pop-up. Its language item names the other language.
constexpr MenuRow kToolsMenu[] = {
    {0, 729, "Chinese", "English"},
    {0, 728, "Advanced", "高级"},
    {0, 727, "Firmware Update", "固件更新"},
    {0, 730, "Help(&F)", "帮助(&F)"},
    {0, 731, "About(&A)", "关于(&A)..."},
};

// The connect pop-up: a USB device or the network.
constexpr MenuRow kConnectMenu[] = {
    {0, 732, "USB", "USB"},
    {0, 733, "Network", "Network"},
};

// The music input page's mixer source pop-up: item 174 + source, 180 off.
constexpr auto kMixerMenu = [] {
    std::array<MenuRow, kSourceNames.size()> rows{};
    for (std::size_t n = 0; n < rows.size(); ++n)
        rows[n] = {0, InPutDlgIds::ID_MIXER_SOURCE + static_cast<int>(n), kSourceNames[n].szEnglish, kSourceNames[n].szChinese};
    return rows;
}();

// The output strip's copy and paste.
constexpr MenuRow kStripMenu[] = {
    {0, 200, "Copy", "复制"},
    {0, 201, "Paste", "粘贴"},
};

constexpr std::span<const MenuRow> kRelabelled[] = {kPresetMenu, kToolsMenu, kConnectMenu, kMixerMenu, kStripMenu};

// Appends rows[i...] of depth nDepth to pMenu; returns the index of the first row not taken.
size_t AppendRows(wxMenu* pMenu, std::span<const MenuRow> rows, size_t i, int nDepth, bool bChinese, bool bCheckable)
{
    while (i < rows.size() && rows[i].nDepth == nDepth) {
        const MenuRow& row = rows[i];
        const wxString strText = wxString::FromUTF8(bChinese ? row.szChinese : row.szEnglish);
        if (row.nId == kMenuSeparator) {
            pMenu->AppendSeparator();
            ++i;
            continue;
        }
        if (row.nId != 0) {
            pMenu->Append(WxId(row.nId), strText, wxString(), bCheckable ? wxITEM_CHECK : wxITEM_NORMAL);
            ++i;
            continue;
        }
        auto* pPopup = new wxMenu;
        i = AppendRows(pPopup, rows, i + 1, nDepth + 1, bChinese, bCheckable);
        pMenu->AppendSubMenu(pPopup, strText);
    }
    return i;
}
}  // namespace

wxMenu* BuildMenu(std::span<const MenuRow> rows, bool bChinese, bool bCheckable)
{
    auto* pMenu = new wxMenu;
    AppendRows(pMenu, rows, 0, 0, bChinese, bCheckable);
    return pMenu;
}

wxMenu* LoadMenu(int nMenuId)
{
    switch (nMenuId) {
    case 106: return BuildMenu(kSpeakerMenu, true, true);
    case 107: return BuildMenu(kSpeakerMenu, false, true);
    case 112: return BuildMenu(kPresetMenu, g_bChinese != 0);
    case 113: return BuildMenu(kToolsMenu, g_bChinese != 0);
    case 114: return BuildMenu(kConnectMenu, g_bChinese != 0);
    case 171: return BuildMenu(kStripMenu, g_bChinese != 0);
    case InPutDlgIds::IDR_MIXER_MENU: return BuildMenu(kMixerMenu, g_bChinese != 0);
    default: return nullptr;
    }
}

std::unique_ptr<wxMenu> CloneMenu(const wxMenu& menu)
{
    auto pCopy = std::make_unique<wxMenu>();
    for (const wxMenuItem* pItem : menu.GetMenuItems()) {
        if (pItem->IsSeparator()) {
            pCopy->AppendSeparator();
        } else if (const wxMenu* pSub = pItem->GetSubMenu()) {
            pCopy->AppendSubMenu(CloneMenu(*pSub).release(), pItem->GetItemLabel());
        } else {
            wxMenuItem* pNew = pCopy->Append(pItem->GetId(), pItem->GetItemLabel(), wxString(), pItem->GetKind());
            if (pItem->IsCheckable())
                pNew->Check(pItem->IsChecked());
            pNew->Enable(pItem->IsEnabled());
        }
    }
    return pCopy;
}

void RelabelMenu(wxMenu& menu, bool bChinese)
{
    for (std::span<const MenuRow> rows : kRelabelled)
        for (const MenuRow& row : rows)
            if (row.nId > 0)
                if (wxMenuItem* pItem = menu.FindItem(WxId(row.nId)))
                    pItem->SetItemLabel(wxString::FromUTF8(bChinese ? row.szChinese : row.szEnglish));
}

std::unique_ptr<wxMenu> MakeUsbChoiceMenu(std::size_t nDevices, const wxString& strNetwork)
{
    constexpr int ID_USB_FIRST = 6600;
    constexpr int ID_USB_LAST = 6700;
    constexpr int ID_NETWORK = 733;
    auto pMenu = std::make_unique<wxMenu>();
    for (std::size_t i = 0; i < nDevices && ID_USB_FIRST + i <= ID_USB_LAST; ++i)
        pMenu->Append(WxId(ID_USB_FIRST + static_cast<int>(i)), wxString::Format(wxS("USB%d"), static_cast<int>(i) + 1));
    if (!strNetwork.empty())
        pMenu->Append(WxId(ID_NETWORK), strNetwork);
    return pMenu;
}
