// The output page's output map and link commands against the emulated processor: a role from a
// strip's menu, lock and unlock, reset behind its prompt, the map file saved and loaded from the
// page, the left/right link behind its dialog, and the paste of one output into another.
#include <gtest/gtest.h>
#include <wx/radiobut.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/BtnPng.h"
#include "controls/FileDialogST.h"
#include "model/HalvekDoc.h"
#include "pages/All_Link_Dlg.h"
#include "pages/All_Link_DlgIds.h"
#include "pages/ReMap_Dlg.h"
#include "pages/ReMap_DlgIds.h"
#include "platform/SafeFile.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/OutputPageFixture.h"

using namespace OutputDlgIds;
namespace Strip = OutRoute_DlgIds;

namespace {

// Presses button nCtrlId of the first modal dialog of kind T that opens next.
template <class T>
void AnswerNextDialog(int nCtrlId)
{
    wxTheApp->CallAfter([nCtrlId] {
        for (wxWindow* pTop : wxTopLevelWindows) {
            if (auto* pDlg = dynamic_cast<T*>(pTop)) {
                wxWindow* pButton = pDlg->FindWindow(WxId(nCtrlId));
                ASSERT_NE(pButton, nullptr);
                wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
                click.SetEventObject(pButton);
                pButton->ProcessWindowEvent(click);
                return;
            }
        }
        ADD_FAILURE() << "no dialog open";
    });
}

class OutputMap : public OutputPage {
protected:
    void SetUp() override
    {
        OutputPage::SetUp();
        g_bOutMapLocked = 0;
        m_pPage->ApplyOutputMapLock();
    }
    std::array<BYTE, OUTPUT_CHANNELS> Roles() const
    {
        std::array<BYTE, OUTPUT_CHANNELS> roles{};
        std::copy_n(g_roleStates.m_byOutRole, OUTPUT_CHANNELS, roles.begin());
        return roles;
    }
    // The crossover group frame of an output as its data hold it now (bLinked: sent while the
    // output was linked to another).
    std::string CrossoverFrame(int nOutput, bool bLinked = false)
    {
        const CFilter& hpf = *Out(nOutput).GetHPF();
        const CFilter& lpf = *Out(nOutput).GetLPF();
        char szBody[80];
        std::snprintf(szBody, sizeof szBody, "A1 01 00 04 %02X 20 %02X 00 0800 %02X %02X %02X %02X %02X %02X %02X %02X",
                      nOutput, bLinked ? 1 : 0, hpf.GetFreq() & 0xFF, hpf.GetFreq() >> 8, hpf.GetAlign(), hpf.GetSlope(),
                      lpf.GetFreq() & 0xFF, lpf.GetFreq() >> 8, lpf.GetAlign(), lpf.GetSlope());
        return FrameText(szBody);
    }
    std::string RolesFrame()
    {
        std::string strBody = "A1 01 00 09 06 00 00 00 0800";
        char szByte[4];
        for (const BYTE byRole : Roles()) {
            std::snprintf(szByte, sizeof szByte, " %02X", byRole);
            strBody += szByte;
        }
        return FrameText(strBody);
    }
    bool RoleButtonsEnabled(bool bEnabled)
    {
        for (int n = 0; n < 6; ++n)
            if (StripItem(n, Strip::IDC_ROLE)->IsEnabled() != bEnabled)
                return false;
        return true;
    }
    void ChooseRole(int nOutput, int nRole)
    {
        wxCommandEvent choice(wxEVT_MENU, WxId(Strip::ID_ROLE_FIRST + nRole));
        m_pPage->GetStrip(nOutput)->ProcessWindowEvent(choice);
        PumpPendingEvents();
    }
    std::string Folder()
    {
        const std::string strFolder = ConfigFolder() + "/maps";
        std::filesystem::create_directories(strFolder);
        return strFolder;
    }
    static std::string ReadFile(const std::string& strPath)
    {
        std::ifstream in(strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

}  // namespace

// A role from a strip's menu: the strip, the plan and the groups follow, the current output's
// crossover is reloaded, and the processor gets the eight roles and the output's crossover.
TEST_F(OutputMap, ARoleFromAStripsMenuReachesTheProcessor)
{
    SeedProcessorWithDefaults();
    m_emulator.Edit([](EmuState& s) { s.roles = {6, 12, 15, 18, 22, 23, 0, 0}; });
    Connect();
    g_nCurOutput = 5;
    m_pView->RefreshOutputPage();
    m_emulator.ClearLog();
    ChooseRole(5, 20);  // the right subwoofer becomes the centre woofer
    EXPECT_EQ(Roles(), (std::array<BYTE, OUTPUT_CHANNELS>{6, 12, 15, 18, 22, 20, 0, 0}));
    EXPECT_EQ(g_byDevRoles[5], 20);
    EXPECT_EQ(StripItem<CBitButton>(5, Strip::IDC_ROLE)->GetLabel(), "C-Woofer");
    EXPECT_TRUE(Item(4600)->IsShown());
    EXPECT_FALSE(Item(4622)->IsShown());
    EXPECT_TRUE(Item(IDC_DELAY_EDIT + 7)->IsShown());
    EXPECT_FALSE(Item(IDC_GROUP_LINK + 11)->IsShown());  // one subwoofer left: no link
    EXPECT_EQ(Item<CNumEdit>(IDC_HPF_FREQ)->GetText(),
              wxString::Format(wxS("%dHz"), Out(5).GetHPF()->GetFreq()));
    ASSERT_TRUE(SettleUntil([&] { return !Received(emu::BLOCK_OUTPUT, 5).empty(); }));
    EXPECT_EQ(Received(emu::BLOCK_SYSTEM, emu::ITEM_ROLES), std::vector<std::string>{RolesFrame()});
    EXPECT_EQ(Received(emu::BLOCK_OUTPUT, 5), std::vector<std::string>{CrossoverFrame(5)});
    EXPECT_EQ(m_emulator.State().roles, (std::array<std::uint8_t, 8>{6, 12, 15, 18, 22, 20, 0, 0}));
    g_nCurOutput = 0;
}

// Lock and unlock after their questions: a locked map leaves the strips of outputs with a role
// usable but their role buttons disabled; an empty map is not locked.
TEST_F(OutputMap, LockAndUnlockTheMap)
{
    m_boxes.answer = IDYES;
    Press(IDC_LOCK_MAP);
    EXPECT_EQ(g_bOutMapLocked, 1);
    EXPECT_TRUE(Item<CBitButton>(IDC_LOCK_MAP)->GetCheck());
    EXPECT_TRUE(RoleButtonsEnabled(false));
    EXPECT_TRUE(StripItem(0, Strip::IDC_LEVEL_EDIT)->IsEnabled());
    EXPECT_FALSE(m_pPage->GetStrip(6)->IsEnabled());
    Press(IDC_LOCK_MAP);
    EXPECT_EQ(g_bOutMapLocked, 0);
    EXPECT_TRUE(RoleButtonsEnabled(true));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Whether locking output map?", "Whether unlocked output map?"}));

    SetRoles({});
    m_pView->RefreshOutputPage();
    m_boxes.shown.clear();
    Press(IDC_LOCK_MAP);
    EXPECT_EQ(g_bOutMapLocked, 0);
    EXPECT_FALSE(Item<CBitButton>(IDC_LOCK_MAP)->GetCheck());
    EXPECT_EQ(Texts(), std::vector<std::string>{"All output map is empty, the output map could not be locked."});
}

// Reset to the defaults with the map locked and two outputs linked: the default roles, the eight
// roles and every crossover sent, the map unlocked and every link dissolved.
TEST_F(OutputMap, ResetToTheDefaultsSendsEverythingAndUnlocks)
{
    SeedProcessorWithDefaults();
    m_emulator.Edit([](EmuState& s) { s.roles = {1, 3, 7, 9, 0, 0, 0, 0}; });
    Connect();
    m_pView->RefreshOutputPage();
    g_outLinks.m_nGroup[3] = g_outLinks.m_nGroup[2];
    g_bOutMapLocked = 1;
    m_pPage->ApplyOutputMapLock();
    m_emulator.ClearLog();
    AnswerNextDialog<CReMap_Dlg>(ReMap_DlgIds::IDC_DEFAULT);
    Press(IDC_RESET_MAP);
    EXPECT_EQ(Roles(), (std::array<BYTE, OUTPUT_CHANNELS>{6, 12, 15, 18, 22, 23, 0, 0}));
    EXPECT_EQ(g_bOutMapLocked, 0);
    EXPECT_FALSE(Item<CBitButton>(IDC_LOCK_MAP)->GetCheck());
    EXPECT_TRUE(RoleButtonsEnabled(true));
    EXPECT_NE(g_outLinks.m_nGroup[3], g_outLinks.m_nGroup[2]);
    EXPECT_TRUE(Item(IDC_GROUP_LINK + 11)->IsShown());
    ASSERT_TRUE(SettleUntil([&] { return !Received(emu::BLOCK_OUTPUT, 7).empty(); }));
    EXPECT_EQ(Received(emu::BLOCK_SYSTEM, emu::ITEM_ROLES), std::vector<std::string>{RolesFrame()});
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)  // queued before the unlock dissolved the link of 3 and 4
        EXPECT_EQ(Received(emu::BLOCK_OUTPUT, i), std::vector<std::string>{CrossoverFrame(i, i == 2 || i == 3)}) << i;

    // Cancel changes nothing; Emptied leaves no output a role.
    AnswerNextDialog<CReMap_Dlg>(2);
    Press(IDC_RESET_MAP);
    EXPECT_EQ(Roles()[0], 6);
    AnswerNextDialog<CReMap_Dlg>(1);
    Press(IDC_RESET_MAP);
    EXPECT_EQ(Roles(), (std::array<BYTE, OUTPUT_CHANNELS>{}));
    EXPECT_TRUE(Item(IDC_DELAY_EDIT + 1)->IsShown() == false);
}

// The map saved from the page and loaded back restores roles and crossovers and sends them; a
// damaged file is refused with its message and changes nothing.
TEST_F(OutputMap, TheMapFileSavedAndLoadedFromThePage)
{
    SetRoles({1, 3, 7, 9, 22, 23, 0, 0});
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        Out(i).SetRole(g_roleStates.m_byOutRole[i]);
    Out(1).GetHPF()->SetFreq(90, false);
    m_pView->RefreshOutputPage();
    const std::string strPath = Folder() + "/car";
    CFileDialogST::SetTestAnswer([&](const CFileDialogST&) -> std::optional<std::string> { return strPath; });
    Press(IDC_SAVE_MAP);
    const std::string saved = ReadFile(strPath + ".TarviMAP1");
    ASSERT_EQ(saved.size(), OUT_MAP_FILE_SIZE);

    SeedProcessorWithDefaults();
    Connect();
    AnswerNextDialog<CReMap_Dlg>(2);
    Press(IDC_RESET_MAP);
    g_bOutMapLocked = 1;
    m_pPage->ApplyOutputMapLock();
    ASSERT_EQ(Roles()[0], 6);
    m_emulator.ClearLog();
    CFileDialogST::SetTestAnswer([&](const CFileDialogST&) -> std::optional<std::string> {
        return strPath + ".TarviMAP1";
    });
    Press(IDC_LOAD_MAP);
    EXPECT_EQ(Roles(), (std::array<BYTE, OUTPUT_CHANNELS>{1, 3, 7, 9, 22, 23, 0, 0}));
    EXPECT_EQ(Out(1).GetHPF()->GetFreq(), 90);
    EXPECT_EQ(g_bOutMapLocked, 0);
    EXPECT_TRUE(Item(IDC_GROUP_LINK + 2)->IsShown());
    ASSERT_TRUE(SettleUntil([&] { return !Received(emu::BLOCK_OUTPUT, 7).empty(); }));
    EXPECT_EQ(Received(emu::BLOCK_SYSTEM, emu::ITEM_ROLES), std::vector<std::string>{RolesFrame()});
    EXPECT_EQ(Received(emu::BLOCK_OUTPUT, 1), std::vector<std::string>{CrossoverFrame(1)});

    // A role beyond the roles: refused whole, in the language in force.
    std::string damaged = saved;
    damaged[10 + 2] = 30;
    ASSERT_TRUE(WriteFileReplacing(strPath + ".TarviMAP1", damaged));
    for (const int bChinese : {0, 1}) {
        g_bChinese = bChinese;
        m_boxes.shown.clear();
        Press(IDC_LOAD_MAP);
        EXPECT_EQ(Texts(), std::vector<std::string>{bChinese ? "读输出配置错误!" : "Read output map error!"});
        EXPECT_EQ(Roles(), (std::array<BYTE, OUTPUT_CHANNELS>{1, 3, 7, 9, 22, 23, 0, 0}));
    }
    g_bChinese = 0;
}

// Each left/right pair is linked one way: every output that took its partner's level shows the
// level it now has on its strip, the current output among them or not.
TEST_F(OutputMap, TheLinkShowsTheCopiedLevelOnEveryTargetsStrip)
{
    SetRoles({1, 7, 15, 18, 0, 0, 0, 0});  // two pairs: outputs 1 and 2, 3 and 4
    struct Case {
        const char* name;
        int nDirection;  // 0 left into right
        std::array<int, 2> sources, targets;
    };
    for (const Case& c : {Case{"left into right", 0, {0, 2}, {1, 3}}, Case{"right into left", 1, {1, 3}, {0, 2}}}) {
        SCOPED_TRACE(c.name);
        g_nCurOutput = 0;
        for (int i = 0; i < 4; ++i)
            Out(i).SetLevel(600);
        Out(c.sources[0]).SetLevel(580);  // -2.0 dB
        Out(c.sources[1]).SetLevel(550);
        m_pView->RefreshOutputPage();
        wxTheApp->CallAfter([&c] {
            for (wxWindow* pTop : wxTopLevelWindows)
                if (auto* pDlg = dynamic_cast<CAll_Link_Dlg*>(pTop)) {
                    auto* pRadio = dynamic_cast<wxRadioButton*>(pDlg->FindWindow(
                        WxId(c.nDirection == 0 ? All_Link_DlgIds::IDC_LEFT_TO_RIGHT : All_Link_DlgIds::IDC_RIGHT_TO_LEFT)));
                    ASSERT_NE(pRadio, nullptr);
                    pRadio->SetValue(true);
                    wxCommandEvent chosen(wxEVT_RADIOBUTTON, pRadio->GetId());
                    chosen.SetEventObject(pRadio);
                    pRadio->ProcessWindowEvent(chosen);
                }
        });
        AnswerNextDialog<CAll_Link_Dlg>(1);
        Press(IDC_LINK_LR);
        ASSERT_EQ(g_bLinkLR, 1);
        for (int k = 0; k < 2; ++k) {
            const int nTarget = c.targets[size_t(k)];
            EXPECT_EQ(Out(nTarget).GetLevel(), Out(c.sources[size_t(k)]).GetLevel()) << nTarget;
            EXPECT_EQ(StripItem<CNumEdit>(nTarget, Strip::IDC_LEVEL_EDIT)->GetText(),
                      StripItem<CNumEdit>(c.sources[size_t(k)], Strip::IDC_LEVEL_EDIT)->GetText()) << nTarget;
            EXPECT_EQ(StripItem<CBitmapSlider>(nTarget, Strip::IDC_LEVEL_SLIDER)->GetPos(), Out(nTarget).GetLevel())
                << nTarget;
        }
        Press(IDC_LINK_LR);
        ASSERT_EQ(g_bLinkLR, 0);
    }
}

// Link with roles 1 and 7 on outputs 0 and 1: after OK output 1 takes output 0's settings and
// its link group, the map is locked and the link button checked; a paste into the linked output
// is refused with its role's name; a second click unlinks and leaves the map locked.
TEST_F(OutputMap, TheLeftRightLinkAndThePaste)
{
    SeedProcessorWithDefaults();
    m_emulator.Edit([](EmuState& s) { s.roles = {1, 7, 0, 0, 0, 0, 0, 0}; });
    Connect();
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    Out(0).SetLevel(432);
    m_emulator.ClearLog();
    AnswerNextDialog<CAll_Link_Dlg>(1);
    Press(IDC_LINK_LR);
    EXPECT_EQ(Out(1).GetLevel(), 432);
    EXPECT_EQ(g_outLinks.m_nGroup[1], g_outLinks.m_nGroup[0]);
    EXPECT_EQ(g_bLinkLR, 1);
    EXPECT_EQ(g_bOutMapLocked, 1);
    EXPECT_TRUE(Item<CBitButton>(IDC_LINK_LR)->GetCheck());
    EXPECT_TRUE(m_pPage->GetStrip(1)->IsCurrent());  // highlighted as linked
    EXPECT_TRUE(SettleUntil([&] { return Int16At(m_emulator.State().images[0], GroupOffset(1, OUT_GROUP_BASE) + 2) == 432; }));

    // A paste into the linked output is refused with the role's name.
    g_copySource.Select(3);
    wxKeyEvent paste(wxEVT_CHAR_HOOK);
    paste.m_keyCode = 'V';
    paste.m_controlDown = true;
    m_boxes.shown.clear();
    m_pPage->GetStrip(1)->ProcessWindowEvent(paste);
    PumpPendingEvents();
    EXPECT_EQ(Texts(), std::vector<std::string>{"FR-Tweeter is linked, channel copy is not allowed!"});

    Press(IDC_LINK_LR);
    EXPECT_EQ(g_bLinkLR, 0);
    EXPECT_NE(g_outLinks.m_nGroup[1], g_outLinks.m_nGroup[0]);
    EXPECT_FALSE(Item<CBitButton>(IDC_LINK_LR)->GetCheck());
    EXPECT_EQ(g_bOutMapLocked, 1);

    // Now the paste asks, copies output 3 into output 1 and sends its block.
    Out(3).SetLevel(321);
    m_boxes.shown.clear();
    m_boxes.answer = IDYES;
    m_pPage->GetStrip(1)->ProcessWindowEvent(paste);
    PumpPendingEvents();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Whether copy CH4 data to CH2"});
    EXPECT_EQ(Out(1).GetLevel(), 321);
    EXPECT_TRUE(SettleUntil([&] { return Int16At(m_emulator.State().images[0], GroupOffset(1, OUT_GROUP_BASE) + 2) == 321; }));
    g_copySource.Reset();

    // Without a left/right pair the link is refused.
    SetRoles({1, 21, 0, 0, 0, 0, 0, 0});
    m_boxes.shown.clear();
    Press(IDC_LINK_LR);
    EXPECT_EQ(Texts(), std::vector<std::string>{"No link L&R output !"});
    EXPECT_EQ(g_bLinkLR, 0);
}
