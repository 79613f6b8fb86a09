// The dynamics ("System") dialog on the main view against the emulated processor, and the
// channel pair link dialog on its own.
#include <gtest/gtest.h>
#include <wx/radiobut.h>

#include <string>
#include <vector>

#include "controls/COM_EXT_LIMStatic.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/Music_InData.h"
#include "pages/CH_Link_Dlg.h"
#include "pages/CH_Link_DlgIds.h"
#include "pages/CurSYSDlg.h"
#include "pages/CurSYSDlgIds.h"
#include "tests/support/DialogItem.h"
#include "tests/ui/ControlHost.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/ViewOnLink.h"

using namespace CurSYSDlgIds;

namespace {

void Type(CNumEdit* pEdit, const char* szText)
{
    SendFocus(pEdit, true);
    TypeText(pEdit, wxString::FromUTF8(szText));
    SendFocus(pEdit, false);
    PumpPendingEvents();
}

// Output 3 (index 2) holds a compressor of level 112 (-18.8dBu), attack 1, release 0, ratio 11
// (2.0:1) and a spare byte of 0 in the processor's current preset.
void SetOutput3Compressor(CProcessorEmulator& emulator)
{
    emulator.Edit([](EmuState& state) {
        const std::size_t nAt = emu::OUTPUT_OFFSET + 2 * emu::OUTPUT_SIZE + 34 * emu::GROUP_SIZE;
        const std::uint8_t group[8] = {0x70, 0x00, 0x01, 0x00, 0x00, 0x00, 0x0B, 0x00};
        std::copy(std::begin(group), std::end(group), state.images[0].begin() + static_cast<std::ptrdiff_t>(nAt));
    });
}

std::vector<std::uint8_t> LastWrite(const CProcessorEmulator& emulator, int nChannel, int nGroup)
{
    std::vector<std::uint8_t> bytes;
    for (const EmuRequest& r : emulator.Log())
        if (IsWrite(r, emu::BLOCK_OUTPUT, nChannel) && r.bySub == nGroup)
            bytes = r.bytes;
    return bytes;
}

class CurSYSDlgTest : public ViewOnLink {
protected:
    void SetUp() override { Start(LinkWay::Usb, false); }
    void TearDown() override
    {
        if (m_pDlg != nullptr)
            m_pDlg->Destroy();
        PumpPendingEvents();
        ViewOnLink::TearDown();
    }

    CCurSYSDlg& Open()
    {
        m_pDlg = new CCurSYSDlg(*m_pView, *m_pView->m_pData);
        m_pDlg->Create(m_pFrame);
        m_pDlg->Show();
        PumpPendingEvents();
        return *m_pDlg;
    }
    void Connect()
    {
        m_hid.Plug(kUsbPath, m_emulator);
        ASSERT_EQ(m_pView->ConnectUsbPath(kUsbPath), 1);
        ASSERT_TRUE(WaitSynced());
    }
    CNumEdit* Edit(int nId) { return Item<CNumEdit>(*m_pDlg, nId); }
    wxString Text(int nId) { return Edit(nId)->GetText(); }
    CKTV_OutData& Out(int k) { return *m_pView->m_pData->GetOutData(k); }

    CCurSYSDlg* m_pDlg = nullptr;
};

}  // namespace

// The top bar's System button runs the dialog, captioned in the language of the moment.
TEST_F(CurSYSDlgTest, TheSystemButtonOpensIt)
{
    for (const bool bChinese : {false, true}) {
        g_bChinese = bChinese ? 1 : 0;
        wxString strTitle;
        wxTheApp->CallAfter([&] {
            for (wxWindow* pWnd : wxTopLevelWindows)
                if (auto* pDlg = dynamic_cast<CCurSYSDlg*>(pWnd); pDlg != nullptr && pDlg->IsModal()) {
                    strTitle = pDlg->GetTitle();
                    pDlg->Close();  // the close box
                }
        });
        wxWindow* pButton = m_pView->GetDlgItem(8803);
        ASSERT_TRUE(pButton->IsShown());
        wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
        click.SetEventObject(pButton);
        m_pView->ProcessWindowEvent(click);
        EXPECT_EQ(strTitle, wxString::FromUTF8(bChinese ? "系统" : "System"));
    }
    g_bChinese = 0;
}

// Every field shows what the model holds, the releases as the code + 50 ms, the ratios as x:1.
TEST_F(CurSYSDlgTest, FieldsShowEveryOutputsLimiterAndCompressor)
{
    Out(0).SetLimLevel(300);
    Out(0).SetLimAttack(7);
    Out(0).SetLimRelease(100);
    Out(5).SetCompLevel(360);
    Out(5).SetCompAttack(2);
    Out(5).SetCompRelease(0);
    for (const auto& [k, nRatio] : {std::pair{1, 1}, {2, 11}, {3, 16}, {4, 191}})
        Out(k).SetCompRatio(BYTE(nRatio));
    m_pView->m_pData->GetMusicData(0)->SetGateThreshold(0);
    Open();
    EXPECT_EQ(Text(IDC_LIM_LEVEL), "0.0dBu");
    EXPECT_EQ(Text(IDC_LIM_ATTACK), "1ms");
    EXPECT_EQ(Text(IDC_LIM_RELEASE), "150ms");
    EXPECT_EQ(Text(IDC_COMP_LEVEL + 5), "6.0dBu");
    EXPECT_EQ(Text(IDC_COMP_ATTACK + 5), "0.5ms");
    EXPECT_EQ(Text(IDC_COMP_RELEASE + 5), "50ms");
    EXPECT_EQ(Text(IDC_COMP_RATIO + 1), "1:1");
    EXPECT_EQ(Text(IDC_COMP_RATIO + 2), "2.0:1");
    EXPECT_EQ(Text(IDC_COMP_RATIO + 3), "2.5:1");
    EXPECT_EQ(Text(IDC_COMP_RATIO + 4), "20.0:1");
    EXPECT_EQ(Text(IDC_GATE), "OFF");
    EXPECT_EQ(Item<CCOM_EXT_LIMStatic>(*m_pDlg, IDC_GRAPH)->GetLevel(), 300);
    EXPECT_EQ(Item<CCOM_EXT_LIMStatic>(*m_pDlg, IDC_GRAPH + 5)->GetLevel(), Out(5).GetLimLevel());
}

// Fault mended: a code beyond a field's range (a release above 4950 from the processor) opened
// the spin's "Set Pos Error!" box. It is shown at the bound and kept.
TEST_F(CurSYSDlgTest, CodesBeyondTheFieldsShowAtTheirBoundWithoutABox)
{
    Out(1).SetLimRelease(6000);
    Out(1).SetCompLevel(500);
    Out(1).SetCompRatio(0);
    Out(1).SetLimAttack(-3);
    m_pView->m_pData->GetMusicData(0)->SetGateThreshold(130);
    Open();
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_EQ(Text(IDC_LIM_RELEASE + 1), "5000ms");
    EXPECT_EQ(Text(IDC_COMP_LEVEL + 1), "6.0dBu");
    EXPECT_EQ(Text(IDC_COMP_RATIO + 1), "1:1");
    EXPECT_EQ(Text(IDC_LIM_ATTACK + 1), "0.3ms");
    EXPECT_EQ(Text(IDC_GATE), "-20.0dB");
    EXPECT_EQ(Out(1).GetLimRelease(), 6000);
}

// A ratio step on output 3 queues the compressor group (block 4, channel 2, group 34), which the
// setter copied to output 4 linked with it: its field and graph follow, and its group goes too.
TEST_F(CurSYSDlgTest, ARatioStepOnOutput3QueuesItsCompressorGroupAndTheLinkedOutputFollows)
{
    SetOutput3Compressor(m_emulator);
    Connect();
    g_outLinks.m_nGroup[3] = g_outLinks.m_nGroup[2];
    Open();
    EXPECT_EQ(Text(IDC_COMP_RATIO + 2), "2.0:1");
    m_emulator.ClearLog();
    Item<CNumSpin>(*m_pDlg, IDC_COMP_RATIO_SPIN + 2)->ArrowKey(+1);  // above 10 the ratio steps by 5
    PumpPendingEvents();
    EXPECT_EQ(Out(2).GetCompRatio(), 16);
    EXPECT_EQ(Text(IDC_COMP_RATIO + 2), "2.5:1");
    EXPECT_EQ(Text(IDC_COMP_RATIO + 3), "2.5:1");
    EXPECT_EQ(Text(IDC_COMP_LEVEL + 3), "-18.8dBu");
    // The check byte is the XOR of bytes 4 to 21: A1 01 00 04 02 22 00 00 08 00 70 00 01 00 00 00
    // 10 00 = ED.
    const std::vector<std::uint8_t> frame3 = {0x6B, 0x6B, 0x6B, 0xEE, 0xA1, 0x01, 0x00, 0x04, 0x02, 0x22, 0x00, 0x00,
                                              0x08, 0x00, 0x70, 0x00, 0x01, 0x00, 0x00, 0x00, 0x10, 0x00, 0xED, 0xAA};
    std::vector<std::uint8_t> frame4 = frame3;
    frame4[8] = 0x03;
    frame4[22] = 0xEC;
    // The worker's scan may meet output 4's mark first, when it passed output 3 before the edit.
    EXPECT_TRUE(SettleUntil([&] {
        return !LastWrite(m_emulator, 2, 34).empty() && !LastWrite(m_emulator, 3, 34).empty();
    }));
    EXPECT_EQ(LastWrite(m_emulator, 2, 34), frame3);
    EXPECT_EQ(LastWrite(m_emulator, 3, 34), frame4);
}

// A limiter level typed below the compressor stops at the compressor (the field shows it), a
// compressor level above the limiter stops at the limiter; the linked output's field and graph
// show the level, its attack field follows an attack edit.
TEST_F(CurSYSDlgTest, LevelsStayInOrderAndLinkedOutputsFollow)
{
    Out(2).SetCompLevel(112);
    Out(2).SetLimLevel(300);
    g_outLinks.m_nGroup[3] = g_outLinks.m_nGroup[2];
    Open();
    Type(Edit(IDC_LIM_LEVEL + 2), "-20.0");
    EXPECT_EQ(Out(2).GetLimLevel(), 112);
    EXPECT_EQ(Text(IDC_LIM_LEVEL + 2), "-18.8dBu");
    EXPECT_EQ(Text(IDC_LIM_LEVEL + 3), "-18.8dBu");
    EXPECT_EQ(Item<CCOM_EXT_LIMStatic>(*m_pDlg, IDC_GRAPH + 2)->GetLevel(), 112);
    EXPECT_EQ(Item<CCOM_EXT_LIMStatic>(*m_pDlg, IDC_GRAPH + 3)->GetLevel(), 112);
    Type(Edit(IDC_LIM_LEVEL + 2), "0.0dBu");
    Type(Edit(IDC_COMP_LEVEL + 2), "6.0dBu");
    EXPECT_EQ(Out(2).GetCompLevel(), 300);
    EXPECT_EQ(Text(IDC_COMP_LEVEL + 2), "0.0dBu");
    Type(Edit(IDC_LIM_ATTACK + 2), "0.6ms");
    EXPECT_EQ(Out(3).GetLimAttack(), 3);
    EXPECT_EQ(Text(IDC_LIM_ATTACK + 3), "0.6ms");
    Type(Edit(IDC_LIM_RELEASE + 2), "50");
    EXPECT_EQ(Out(2).GetLimRelease(), 0);
    EXPECT_NE(Text(IDC_LIM_LEVEL + 1), "0.0dBu");  // not linked
}

// A limiter edit on output 3 goes to the processor as its limiter group; the noise gate field
// writes music input 0's gate.
TEST_F(CurSYSDlgTest, ALimiterEditOnOutput3ReachesTheProcessor)
{
    Connect();
    Open();
    m_emulator.ClearLog();
    Type(Edit(IDC_LIM_RELEASE + 2), "1050");
    Type(Edit(IDC_GATE), "-60.0");
    EXPECT_EQ(m_pView->m_pData->GetMusicData(0)->GetGateThreshold(), 60);
    EXPECT_TRUE(SettleUntil([&] {
        const EmuImage image = m_emulator.State().images[0];
        return Int16At(image, emu::OUTPUT_OFFSET + 2 * emu::OUTPUT_SIZE + 35 * emu::GROUP_SIZE + 4) == 1000;
    }));
    EXPECT_TRUE(SettleUntil([&] {
        for (const EmuRequest& r : m_emulator.Log())
            if (IsWrite(r, emu::BLOCK_MUSIC, 0) && !r.payload.empty() && r.payload[0] == 60)
                return true;
        return false;
    }));
}

// While no processor is synchronised the edits change only the PC's copy.
TEST_F(CurSYSDlgTest, WithoutAProcessorEditsMarkNothing)
{
    Open();
    Type(Edit(IDC_COMP_ATTACK + 4), "20ms");
    EXPECT_EQ(Out(4).GetCompAttack(), 26);
    EXPECT_EQ(Out(4).GetCompChanged(), 0);
}

// Enter and Escape end an edit and close nothing.
TEST_F(CurSYSDlgTest, EnterAndEscapeCloseNothing)
{
    CCurSYSDlg& dlg = Open();
    for (const int nKey : {WXK_RETURN, WXK_ESCAPE}) {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = nKey;
        key.SetEventObject(&dlg);
        dlg.ProcessWindowEvent(key);
        PumpPendingEvents();
        EXPECT_TRUE(dlg.IsShown());
    }
}

// The dialog in both languages: every output's graph drawn, and the limiter levels set here
// shown inside their fields.
TEST_F(CurSYSDlgTest, Screenshots)
{
    Out(0).SetLimLevel(300);
    Out(1).SetLimLevel(360);
    Out(2).SetLimLevel(200);
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese ? 1 : 0;
        CCurSYSDlg& dlg = Open();
        const wxImage shot = CaptureWindow(dlg);
        EXPECT_TRUE(SaveScreenshot(shot, bChinese ? "dynamics_cn" : "dynamics_en"));
        for (int i = 0; i < OUTPUT_CHANNELS; ++i)
            EXPECT_TRUE(IsDrawn(shot, RectInCapture(*Item<wxWindow>(dlg, IDC_GRAPH + i), dlg))) << i;
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(ShowsTextIn(shot, RectInCapture(*Edit(IDC_LIM_LEVEL + i), dlg), *wxWHITE, 40, 1)) << i;
        m_pDlg->Destroy();
        m_pDlg = nullptr;
        PumpPendingEvents();
    }
    g_bChinese = 0;
}

namespace {
class CH_Link_Dlg : public testing::Test {
protected:
    void TearDown() override { g_bChinese = 0; }

    // Runs the dialog for the pair and answers it: check pressed first when given, then OK.
    static int Run(CCH_Link_Dlg& dlg, int nCheck)
    {
        wxTheApp->CallAfter([&dlg, nCheck] {
            if (nCheck >= 0) {
                auto* pRadio = Item<wxRadioButton>(dlg, nCheck);
                pRadio->SetValue(true);
                wxCommandEvent click(wxEVT_RADIOBUTTON, pRadio->GetId());
                click.SetEventObject(pRadio);
                pRadio->ProcessWindowEvent(click);
            }
            wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
            dlg.ProcessWindowEvent(ok);
        });
        return dlg.DoModal();
    }
};
}  // namespace

TEST_F(CH_Link_Dlg, OkAtOnceAppliesTheFirstChannelOfThePair)
{
    CCH_Link_Dlg dlg;
    dlg.m_nPair = 0;
    EXPECT_EQ(Run(dlg, -1), 1);
    EXPECT_EQ(dlg.m_nApply, 0);
}

TEST_F(CH_Link_Dlg, TheChoiceFollowsTheClickedChannel)
{
    CCH_Link_Dlg dlg;
    dlg.m_nPair = 2;
    EXPECT_EQ(Run(dlg, CH_Link_DlgIds::IDC_SECOND), 1);
    EXPECT_EQ(dlg.m_nApply, 1);
}

// The texts name the pair, in English in either language; another pair keeps the template's.
TEST_F(CH_Link_Dlg, TextsNameThePairInEnglish)
{
    struct Case {
        int nPair;
        const char* szFirst;
        const char* szSecond;
        const char* szCaption;
    };
    const Case cases[] = {
        {0, "CH1 be applied?", "CH2 be applied? ", "Linking of CH1 and CH2 channel"},
        {1, "CH3 be applied? ", "CH4 be applied? ", "Linking of CH3 and CH4 channel"},
        {2, "CH5 be applied? ", "CH6 be applied? ", "Linking of CH5 and CH6 channel"},
        {3, "", "", "Link"},
    };
    for (const bool bChinese : {false, true}) {
        g_bChinese = bChinese ? 1 : 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.nPair);
            auto* pDlg = new CCH_Link_Dlg;
            pDlg->m_nPair = c.nPair;
            pDlg->Create(nullptr);
            EXPECT_EQ(Item<wxRadioButton>(*pDlg, CH_Link_DlgIds::IDC_FIRST)->GetLabel(), c.szFirst);
            EXPECT_EQ(Item<wxRadioButton>(*pDlg, CH_Link_DlgIds::IDC_SECOND)->GetLabel(), c.szSecond);
            EXPECT_EQ(pDlg->GetTitle(), c.szCaption);
            if (c.nPair == 1) {
                pDlg->Show();
                EXPECT_TRUE(SaveScreenshot(CaptureWindow(*pDlg), bChinese ? "pair_link_cn" : "pair_link_en"));
            }
            pDlg->Destroy();
            PumpPendingEvents();
        }
    }
}
