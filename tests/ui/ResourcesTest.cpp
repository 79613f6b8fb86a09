#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>

#include <map>
#include <span>
#include <vector>

#include "controls/ControlIds.h"
#include "controls/WinText.h"
#include "model/StdAfx.h"
#include "res/DialogTemplate.h"
#include "res/Dpi.h"
#include "res/Fonts.h"
#include "res/PngImages.h"
#include "res/SharedGdi.h"
#include "res/Skins.h"
#include "tests/ui/UiTestUtil.h"

namespace {
// The ids that stand in more than one entry of the program's tables.
template <typename Art, typename ForEachTable>
std::vector<int> IdsListedTwice(ForEachTable forEachTable)
{
    std::map<int, int> counts;
    forEachTable([&](std::span<const Art> arts) {
        for (const Art& art : arts)
            ++counts[art.nId];
    });
    std::vector<int> ids;
    for (const auto& [nId, nCount] : counts)
        if (nCount > 1)
            ids.push_back(nId);
    return ids;
}

int CellHeight(const wxFont& font)
{
    wxBitmap bmp(8, 8);
    wxMemoryDC dc(bmp);
    dc.SetFont(font);
    return dc.GetCharHeight();
}
}  // namespace

TEST(Fonts, WindowsFacesMapToTheSystemsFontsAtTheirPixelHeights)
{
    EXPECT_STREQ(SubstituteFace("Arial"), "Liberation Sans");
    EXPECT_STREQ(SubstituteFace("宋体"), "WenQuanYi Micro Hei");
    EXPECT_STREQ(SubstituteFace("Microsoft Verdana"), "Liberation Sans");
    for (int nHeight : {12, 14, 16, 20, 108}) {
        SCOPED_TRACE(nHeight);
        const int nCell = CellHeight(MakeFont("Arial", nHeight, 400));
        EXPECT_LE(nCell, nHeight);  // a positive height is the cell, as on Windows
        EXPECT_GE(nCell, nHeight - 1);
    }
    EXPECT_EQ(MakePointFont("Arial", 90, 400).GetFractionalPointSize(), 9.0);  // 12 pixels at 96 dpi
    EXPECT_EQ(PointsToPixels(9), 12);
}

TEST(Fonts, TheSharedFontsExistAndTheInputFontIsTheHeaviest)
{
    for (const wxFont* pFont : {&g_fontGrid, &g_fontHuge, &g_fontEdit, &g_fontOutput, &g_fontList, &g_fontListHeader,
                                &g_fontInput})
        EXPECT_TRUE(pFont->IsOk());
    EXPECT_EQ(g_fontInput.GetNumericWeight(), wxFONTWEIGHT_MAX);
    EXPECT_EQ(g_fontList.GetFaceName(), "WenQuanYi Micro Hei");
    EXPECT_EQ(g_fontEdit.GetFaceName(), "Liberation Sans");
    EXPECT_EQ(g_brushDlgBack.GetColour(), wxColour(227, 228, 238));
}

TEST(DialogTemplates, DialogUnitsFollowTheTemplateFont)
{
    const DialogUnits units(6, 15);
    EXPECT_EQ(units.ToPixels(183, 78), wxSize(275, 146));
    EXPECT_EQ(units.ToPixels(7, 8, 50, 14), wxRect(11, 15, 75, 26));
    const DlgTemplate* pBox = FindDialogTemplate(116);
    ASSERT_NE(pBox, nullptr);
    EXPECT_EQ(pBox->cx, 183);
    EXPECT_EQ(pBox->cy, 78);
    const DialogUnits boxUnits(TemplateFont(*pBox));
    EXPECT_EQ(boxUnits.CharHeight(), CellHeight(MakeFont("Arial", -12, 400)));
    EXPECT_EQ(FindDialogTemplate(12345), nullptr);
}

TEST(SpeakerMenu, RolesSitAtTheirPositionsWithTheirIdsInBothLanguages)
{
    struct Group {
        std::vector<int> path;  // pop-up positions below the role menu
        int nFirstRole;
        int nCount;
    };
    const Group groups[] = {
        {{1, 0}, 1, 6}, {{1, 1}, 7, 6}, {{2, 0}, 13, 3}, {{2, 1}, 16, 3}, {{3}, 19, 3}, {{4}, 22, 3},
    };
    for (int nMenu : {106, 107}) {
        SCOPED_TRACE(nMenu);
        LoadSpeakerMenu(nMenu == 106);
        wxMenu* pRoles = SpeakerRoleMenu();
        ASSERT_NE(pRoles, nullptr);
        EXPECT_EQ(CtrlId(pRoles->FindItemByPosition(0)->GetId()), 4100);
        EXPECT_EQ(pRoles->FindItemByPosition(0)->GetItemLabelText(), wxString::FromUTF8(nMenu == 106 ? "空" : "NULL"));
        for (const Group& group : groups) {
            wxMenu* pPopup = pRoles;
            for (int nPos : group.path)
                pPopup = pPopup->FindItemByPosition(nPos)->GetSubMenu();
            ASSERT_NE(pPopup, nullptr);
            ASSERT_EQ(int(pPopup->GetMenuItemCount()), group.nCount);
            for (int k = group.nFirstRole; k < group.nFirstRole + group.nCount; ++k)
                EXPECT_EQ(CtrlId(pPopup->FindItemByPosition(k - group.nFirstRole)->GetId()), 4100 + k);
        }
    }
    const wxString strSub = SpeakerRoleMenu()->FindItemByPosition(4)->GetSubMenu()->FindItemByPosition(0)->GetItemLabelText();
    EXPECT_EQ(strSub, "L-Subwoofer");
    LoadSpeakerMenu(true);
    EXPECT_EQ(SpeakerRoleMenu()->FindItemByPosition(1)->GetItemLabelText(), wxString::FromUTF8("前置"));
}

TEST(Skins, AreDrawnOncePerLanguageAtTheirSize)
{
    const wxBitmap& logo = LoadSkin(275, false);
    ASSERT_TRUE(logo.IsOk());
    EXPECT_EQ(logo.GetSize(), wxSize(48, 48));
    EXPECT_EQ(&LoadSkin(275, false), &logo);
    EXPECT_NE(&LoadSkin(275, true), &logo);
    g_bChinese = 1;
    EXPECT_EQ(&LoadSkin(275), &LoadSkin(275, true));
    g_bChinese = 0;
    EXPECT_FALSE(LoadSkin(0).IsOk());
    EXPECT_FALSE(LoadSkin(99999).IsOk());
}

// The catalog keeps an id's first description: a face listed again under the same id would
// never be drawn, and its page would show the other table's face.
TEST(Skins, EveryFaceIdIsListedOnce)
{
    EXPECT_EQ(IdsListedTwice<SkinArt>(ForEachProgramSkinTable), std::vector<int>{});
    EXPECT_EQ(IdsListedTwice<PngArt>(ForEachProgramPngTable), std::vector<int>{});
}

TEST(WinText, PrefixesAndAlignment)
{
    EXPECT_EQ(StripPrefixes("FL-M && T"), "FL-M & T");
    EXPECT_EQ(StripPrefixes("&Open"), "Open");
    EXPECT_EQ(StripPrefixes("a&"), "a");

    wxBitmap bmp(100, 20, 24);
    wxMemoryDC dc(bmp);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxBLACK);
    dc.SetFont(MakeFont("Arial", 14, 400));
    DrawWinText(dc, "II", wxRect(0, 0, 100, 20), 0x2 /* right */ | 0x4 | 0x20);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bmp.ConvertToImage();
    int nLeftmostInk = 100;
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 20; ++y)
            if (PixelAt(image, x, y).GetLuminance() < 0.5)
                nLeftmostInk = std::min(nLeftmostInk, x);
    EXPECT_GT(nLeftmostInk, 80);
}
