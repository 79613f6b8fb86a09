// The output page's car plan and keyboard: positions that select their output, delays in three
// units with linked groups that step together, what the page shows again when shown after the
// level page, the order in which the keys walk the fields, and screenshots of the plan.
#include <gtest/gtest.h>

#include <string>

#include "controls/BitButton.h"
#include "controls/BtnPng.h"
#include "controls/NumSpin.h"
#include "controls/VirtualKeys.h"
#include "controls/WndMessages.h"
#include "model/Filter.h"
#include "pages/Level_Delay_Dlg.h"
#include "pages/Level_Delay_DlgIds.h"
#include "res/SkinPaint.h"
#include "tests/ui/OutputPageFixture.h"
#include "tests/ui/PictureChecks.h"

using namespace OutputDlgIds;
namespace Strip = OutRoute_DlgIds;

namespace {

class OutputPlan : public OutputPage {
protected:
    std::vector<int> Shown(int nFirst, int nCount)
    {
        std::vector<int> shown;
        for (int i = 0; i < nCount; ++i)
            if (Item(nFirst + i)->IsShown())
                shown.push_back(nFirst + i);
        return shown;
    }
    std::vector<int> CheckedUnits()
    {
        std::vector<int> checked;
        for (int u = 0; u < 3; ++u)
            if (Item<CBitButton>(IDC_UNIT_MS + u)->GetCheck())
                checked.push_back(u + 1);
        return checked;
    }
    int ShownCm(int f) { return std::stoi(Item<CNumEdit>(IDC_DELAY_EDIT + f)->GetText().utf8_string()); }
    // The control id of the field with the focus (a strip's level field: 0x10000 + its strip).
    int FocusedField()
    {
        const wxWindow* pFocus = wxWindow::FindFocus();
        for (int n = 0; n < OUTPUT_CHANNELS; ++n)
            if (pFocus == StripItem(n, Strip::IDC_LEVEL_EDIT))
                return OutputFieldOrder::kStripField + n;
        const auto* pEdit = dynamic_cast<const CNumEdit*>(pFocus);
        return pEdit != nullptr ? pEdit->GetCtrlId() : 0;
    }
    int FocusAfter(unsigned nMsg, int nFrom, int nKey)
    {
        PostMessage(m_pPage, nMsg, WPARAM(nFrom), LPARAM(nKey));
        PumpPendingEvents();
        return FocusedField();
    }
    void FocusOn(wxWindow* pWnd)
    {
        pWnd->SetFocus();
        ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == pWnd; }));
    }
    // The base group of an output as the processor received it last.
    std::string BaseFrame(int nOutput)
    {
        char szBody[80];
        const CKTV_OutData& out = Out(nOutput);
        std::snprintf(szBody, sizeof szBody, "A1 01 00 04 %02X 1F 00 00 0800 %02X %02X %02X %02X %02X %02X %02X %02X",
                      nOutput, out.GetOn(), out.GetPolarity(), out.GetLevel() & 0xFF, out.GetLevel() >> 8,
                      out.GetDelay() & 0xFF, out.GetDelay() >> 8, out.GetGraphicEQ(), out.GetRole());
        return FrameText(szBody);
    }
};

}  // namespace

// The default roles: the six full-range and subwoofer outputs on the plan, only the subwoofer
// pair linkable; a click on a position makes its output current, a second click does nothing.
TEST_F(OutputPlan, PositionsOfTheDefaultRolesSelectTheirOutputs)
{
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    EXPECT_EQ(Shown(IDC_POSITION, kPositions), (std::vector<int>{4608, 4614, 4619, 4620, 4621, 4622}));
    EXPECT_EQ(Shown(IDC_DELAY_EDIT, kDelayFields), (std::vector<int>{6001, 6004, 6009, 6011, 6012, 6013}));
    EXPECT_EQ(Shown(IDC_GROUP_LINK, kGroupLinks), std::vector<int>{6811});
    EXPECT_FALSE(Item<CBtnPng>(6811)->GetCheck());
    EXPECT_TRUE(Item<CBtnPng>(4608)->GetCheck());

    Click(Item(4620));  // rear right full: output 3
    EXPECT_EQ(g_nCurOutput, 3);
    EXPECT_TRUE(m_pPage->GetStrip(3)->IsCurrent());
    EXPECT_TRUE(Item<CBtnPng>(4620)->GetCheck());
    EXPECT_FALSE(Item<CBtnPng>(4608)->GetCheck());
    Click(Item(4620));
    EXPECT_EQ(g_nCurOutput, 3);
    EXPECT_TRUE(Item<CBtnPng>(4620)->GetCheck());

    // An output only highlighted as linked to the current one is selected by its position.
    g_outLinks.m_nGroup[4] = g_outLinks.m_nGroup[3];
    m_pPage->RefreshChannel();
    EXPECT_TRUE(Item<CBtnPng>(4621)->GetCheck());
    Click(Item(4621));
    EXPECT_EQ(g_nCurOutput, 4);
    m_pView->m_pData->InitOutputLinks();
    g_nCurOutput = 0;
}

// Front tweeters and woofers: the links of both sides show; a linked group's fields are
// read-only and one step of the tweeter moves the woofer by one shown unit from its own delay,
// both sent to the processor; at the top the tweeter stays, and so does the woofer.
TEST_F(OutputPlan, LinkedDelaysStepTogetherAndReachTheProcessor)
{
    m_emulator.Edit([](EmuState& s) { s.roles = {1, 3, 7, 9, 0, 0, 0, 0}; });
    SeedProcessorWithDefaults();
    Connect();
    Out(0).SetDelay(100);
    Out(1).SetDelay(120);
    m_pView->RefreshOutputPage();
    EXPECT_EQ(Shown(IDC_GROUP_LINK, kGroupLinks), (std::vector<int>{6802, 6806}));
    Press(IDC_UNIT_CM);
    EXPECT_EQ(CheckedUnits(), std::vector<int>{2});
    Press(6802);
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftState, 1);
    EXPECT_TRUE(Item<CBtnPng>(6802)->GetCheck());
    EXPECT_TRUE(Item<CNumEdit>(6000)->IsReadOnly());
    EXPECT_TRUE(Item<CNumEdit>(6002)->IsReadOnly());
    EXPECT_FALSE(Item<CNumEdit>(6003)->IsReadOnly());

    const int nTweeterCm = ShownCm(0);
    const int nWooferCm = ShownCm(2);
    m_emulator.ClearLog();
    Item<CNumSpin>(IDC_DELAY_SPIN)->Step(+1);  // the overlay's right arrow
    PumpPendingEvents();
    EXPECT_EQ(ShownCm(0), nTweeterCm + 1);
    EXPECT_EQ(ShownCm(2), nWooferCm + 1);
    const int nWoofer = Out(1).GetDelay();
    EXPECT_GT(nWoofer, 120);
    ASSERT_TRUE(SettleUntil([&] { return Received(emu::BLOCK_OUTPUT, 1).size() == 1 && !Received(emu::BLOCK_OUTPUT, 0).empty(); }));
    EXPECT_EQ(Received(emu::BLOCK_OUTPUT, 0).back(), BaseFrame(0));
    EXPECT_EQ(Received(emu::BLOCK_OUTPUT, 1).back(), BaseFrame(1));

    Out(0).SetDelay(259);
    m_pView->RefreshOutputPage();
    Press(6802);  // the refresh regrouped: link again
    Item<CNumSpin>(IDC_DELAY_SPIN)->Step(+1);
    PumpPendingEvents();
    EXPECT_EQ(Out(0).GetDelay(), 259);
    EXPECT_EQ(Out(1).GetDelay(), nWoofer);
    Press(6802);
    EXPECT_FALSE(Item<CNumEdit>(6000)->IsReadOnly());
}

// A delay held beyond 0-259 shows at the top; typing what the field shows stores the top and
// sends it.
TEST_F(OutputPlan, TypingTheShownTopOfADelayHeldBeyondItIsSent)
{
    SeedProcessorWithDefaults();
    Connect();
    const bool bWasSynced = g_bSynced;
    g_bSynced = 0;  // as the processor's data arrives
    Out(0).SetDelay(300);
    g_bSynced = bWasSynced;
    m_pView->RefreshOutputPage();
    const int nField = IDC_DELAY_EDIT + 1;  // output 0, front left full
    ASSERT_EQ(Item<CNumSpin>(IDC_DELAY_SPIN + 1)->GetPos(), DELAY_CODE_MAX);
    m_emulator.ClearLog();
    Type(nField, Item<CNumEdit>(nField)->GetText().utf8_string().c_str());
    EXPECT_EQ(Out(0).GetDelay(), DELAY_CODE_MAX);
    ASSERT_TRUE(SettleUntil([&] { return !Received(emu::BLOCK_OUTPUT, 0).empty(); }));
    EXPECT_EQ(Received(emu::BLOCK_OUTPUT, 0).back(), BaseFrame(0));
}

// A delay typed in ms is stored as its truncated code; the units change the texts, never a code.
TEST_F(OutputPlan, DelaysTypedAndShownInEachUnit)
{
    m_pView->RefreshOutputPage();
    Press(IDC_UNIT_MS);
    Type(IDC_DELAY_EDIT + 1, "2.6");  // output 0, front left full
    EXPECT_EQ(Out(0).GetDelay(), 124);
    Out(1).SetDelay(48);
    m_pView->RefreshOutputPage();
    EXPECT_EQ(Item<CNumEdit>(IDC_DELAY_EDIT + 4)->GetText(), "1.000");
    Press(IDC_UNIT_CM);
    EXPECT_EQ(Item<CNumEdit>(IDC_DELAY_EDIT + 4)->GetText(), "35");
    Press(IDC_UNIT_INCH);
    EXPECT_EQ(CheckedUnits(), std::vector<int>{3});
    EXPECT_EQ(Item<CNumEdit>(IDC_DELAY_EDIT + 4)->GetText(), "14");
    EXPECT_EQ(Out(1).GetDelay(), 48);
    Press(IDC_UNIT_MS);
}

// What the level page changed shows when the output page is shown again: delays, links, the
// unit and the master volume; nothing of it is written back by a stale field.
TEST_F(OutputPlan, TheShownPageTakesWhatTheLevelPageChanged)
{
    SetRoles({1, 3, 0, 0, 0, 0, 0, 0});
    m_pView->RefreshOutputPage();
    m_pView->ShowPage(2, 1);
    CPage& level = *m_pView->m_pageLevel;
    auto type = [&level](int nId, const wxString& strText) {
        auto* pEdit = dynamic_cast<CNumEdit*>(level.GetDlgItem(nId));
        SendFocus(pEdit, true);
        PumpPendingEvents();
        TypeText(pEdit, strText);
        SendFocus(pEdit, false);
        PumpPendingEvents();
    };
    SendCommandToParent(level.GetDlgItem(Level_Delay_DlgIds::IDC_UNIT_INCH));
    type(Level_Delay_DlgIds::IDC_DELAY_EDIT, wxS("20"));
    type(Level_Delay_DlgIds::IDC_MASTER_EDIT, wxS("-30"));
    SendCommandToParent(level.GetDlgItem(Level_Delay_DlgIds::IDC_GROUP_LINK + 2));
    PumpPendingEvents();
    const int nDelay = Out(0).GetDelay();
    ASSERT_GT(nDelay, 0);

    m_pView->ShowPage(1, 1);
    EXPECT_EQ(CheckedUnits(), std::vector<int>{3});
    EXPECT_EQ(Item<CNumEdit>(IDC_DELAY_EDIT)->GetText(), "20");
    EXPECT_TRUE(Item<CBtnPng>(6802)->GetCheck());
    EXPECT_TRUE(Item<CNumEdit>(IDC_DELAY_EDIT)->IsReadOnly());
    EXPECT_EQ(Item<CNumEdit>(IDC_MASTER_EDIT)->GetText(), "-30dB");
    Press(IDC_DELAY_EDIT);  // the field's own command: the level page's value stays
    EXPECT_EQ(Out(0).GetDelay(), nDelay);
    EXPECT_EQ(g_masterSettings.Get().m_wVolume, 30);
    Press(IDC_UNIT_MS);
}

// Left, Right and Enter from a field, and Tab with no field focused, in the parametric layout:
// through the strips that are enabled, round through the plan, past a shelf's bandwidth.
TEST_F(OutputPlan, KeysWalkTheParametricLayout)
{
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    m_pFrame->Raise();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    constexpr int S = OutputFieldOrder::kStripField;
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_FREQ_EDIT, VK_RIGHT), IDC_FREQ_EDIT + 1);
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_LPF_FREQ, VK_RIGHT), S + 0);
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, Strip::IDC_LEVEL_EDIT, VK_RIGHT), S + 1);  // from the focused strip
    FocusOn(StripItem(5, Strip::IDC_LEVEL_EDIT));
    EXPECT_EQ(FocusAfter(WM_EDIT_NEXT_ROW, Strip::IDC_LEVEL_EDIT, 0), IDC_MASTER_EDIT);  // never strip 7
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_MASTER_EDIT, VK_RIGHT), IDC_DELAY_EDIT + 1);
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_DELAY_EDIT + 13, VK_RIGHT), IDC_FREQ_EDIT);
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_FREQ_EDIT, VK_LEFT), IDC_DELAY_EDIT + 13);
    EXPECT_EQ(FocusAfter(WM_EDIT_NEXT_ROW, IDC_GAIN_EDIT + 9, 0), IDC_HPF_FREQ);
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_HPF_FREQ, 40), IDC_HPF_FREQ);  // Down moves nothing

    // With the map locked, strip 0 of an output without a role is passed over.
    SetRoles({0, 12, 15, 18, 22, 23, 0, 0});
    m_pView->RefreshOutputPage();
    g_bOutMapLocked = 1;
    m_pPage->ApplyOutputMapLock();
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_LPF_FREQ, VK_RIGHT), S + 1);
    g_bOutMapLocked = 0;
    m_pPage->ApplyOutputMapLock();

    // A low shelf on band 1 hides its bandwidth: Enter from its frequency goes on to its gain.
    Press(IDC_LOW_SHELF);
    ASSERT_FALSE(Item(IDC_WIDTH_EDIT)->IsShown());
    EXPECT_EQ(FocusAfter(WM_EDIT_NEXT_ROW, IDC_FREQ_EDIT, 0), IDC_GAIN_EDIT);
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_FREQ_EDIT + 9, VK_RIGHT), IDC_WIDTH_EDIT + 1);

    // Tab on the page with a button focused: the first field of the plan.
    FocusOn(Item(IDC_POLARITY));
    m_pPage->FocusFirstEdit();
    PumpPendingEvents();
    EXPECT_EQ(FocusedField(), IDC_DELAY_EDIT + 4);  // output 1's front right full; output 0 has none
    m_pPage->FocusFirstEdit();  // a field has the focus: it keeps it
    EXPECT_EQ(FocusedField(), IDC_DELAY_EDIT + 4);
}

// The graphic layout hides the frequency and bandwidth rows: the keys walk the gain row only.
TEST_F(OutputPlan, KeysWalkTheGraphicLayout)
{
    Out(0).SetGraphicEQ(1);
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    m_pFrame->Raise();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    ASSERT_FALSE(Item(IDC_FREQ_EDIT)->IsShown());
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_DELAY_EDIT + 13, VK_RIGHT), IDC_GAIN_EDIT);
    EXPECT_EQ(FocusAfter(WM_NUMEDIT_KEY, IDC_GAIN_EDIT, VK_LEFT), IDC_DELAY_EDIT + 13);
    EXPECT_EQ(FocusAfter(WM_EDIT_NEXT_ROW, IDC_GAIN_EDIT + 3, 0), IDC_GAIN_EDIT + 4);
    SetRoles({0, 0, 0, 0, 0, 0, 0, 0});
    m_pView->RefreshOutputPage();
    FocusOn(Item(IDC_POLARITY));
    m_pPage->FocusFirstEdit();
    PumpPendingEvents();
    EXPECT_EQ(FocusedField(), IDC_GAIN_EDIT);
}

// The plan with a selected position and a linked group, in both languages.
TEST_F(OutputPlan, ScreenshotsOfThePlanWithASelectedPositionAndLinkedDelays)
{
    SetRoles({1, 2, 3, 7, 8, 9, 0, 0});
    for (int n = 0; n < 6; ++n)
        Out(n).SetDelay(static_cast<std::int16_t>(20 * n + 12));
    m_pView->RefreshOutputPage();
    Click(Item(4610));  // front right midrange: output 4
    Press(6800);        // the front left's three bands linked
    ASSERT_EQ(g_nCurOutput, 4);
    ASSERT_TRUE(Item<CBtnPng>(6800)->GetCheck());
    // Where a control of the page lies in a picture of the window.
    const auto place = [&](int nId) { return RectInCapture(*Item(nId), *m_pFrame); };
    // The chosen position checked in teal, the front left's link drawn in the linked colour and
    // the unlinked front right's not, and the centimetre unit labelled in each language.
    const wxColour linked = skin::kTeal.ChangeLightness(130);
    wxImage shots[2];
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        if ((g_bChinese != 0) != bChinese)
            m_pView->ToggleLanguage(1);
        const wxImage& shot = shots[bChinese] = CaptureWindow(*m_pFrame);
        EXPECT_TRUE(SaveScreenshot(shot, std::string("output_page_plan_") + (bChinese ? "cn" : "en")));
        EXPECT_TRUE(ShowsColour(shot, place(4610), skin::kTeal));
        EXPECT_TRUE(ShowsColour(shot, place(6800), linked));
        for (int b = 1; b < kGroupLinks; ++b) {
            if (Item(6800 + b)->IsShown()) {
                EXPECT_FALSE(ShowsColour(shot, place(6800 + b), linked)) << b;
            }
        }
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], place(IDC_UNIT_CM)));
    EXPECT_EQ(Item<CBitButton>(IDC_UNIT_CM)->GetLabel(), wxString::FromUTF8("厘米"));
    g_nCurOutput = 0;
}
