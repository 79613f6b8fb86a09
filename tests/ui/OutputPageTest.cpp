// The output page in the main view: what it shows of the current output, how it switches
// outputs, its strips and role menus, and its edits reaching the emulated processor through the
// real link worker.
#include <gtest/gtest.h>
#include <wx/menu.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/ComBoxBtn.h"
#include "controls/EqCurveStatic.h"
#include "controls/GdiConvert.h"
#include "controls/NumEdit.h"
#include "controls/XPButton.h"
#include "model/Filter.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerRole.h"
#include "pages/OutRoute_Dlg.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "res/SharedGdi.h"
#include "res/SkinPaint.h"
#include "tests/support/FakePageHost.h"
#include "tests/ui/OutputPageFixture.h"
#include "tests/ui/PictureChecks.h"

using namespace OutputDlgIds;
namespace Strip = OutRoute_DlgIds;

TEST_F(OutputPage, ShowsTheCurrentOutputAndSwitchesFromAStripAndFromTheView)
{
    Out(3).GetBand(2)->SetFreq(1234, false);
    Out(3).GetBand(2)->SetGainPos(260);
    Out(3).GetHPF()->SetFreq(150, false);
    Out(3).SetPolarity(1);
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    EXPECT_EQ(Item<CNumEdit>(IDC_FREQ_EDIT + 2)->GetText(), "125");

    Click(StripItem(3, Strip::IDC_SELECT));
    EXPECT_EQ(g_nCurOutput, 3);
    EXPECT_TRUE(m_pPage->GetStrip(3)->IsCurrent());
    EXPECT_FALSE(m_pPage->GetStrip(0)->IsCurrent());
    EXPECT_EQ(Item<CNumEdit>(IDC_FREQ_EDIT + 2)->GetText(), "1234");
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 2)->GetText(), "6.0");
    EXPECT_EQ(Item<CNumEdit>(IDC_HPF_FREQ)->GetText(), "150Hz");
    EXPECT_TRUE(Item<CBitButton>(IDC_POLARITY)->GetCheck());
    EXPECT_TRUE(Item(IDC_POLARITY_INVERTED)->IsShown());
    EXPECT_FALSE(Item(IDC_POLARITY_NORMAL)->IsShown());

    // The view shows the page for whatever output is current by then.
    m_pView->ShowPage(2, 1);
    g_nCurOutput = 0;
    m_pView->OnPageOutput();
    EXPECT_TRUE(m_pPage->GetStrip(0)->IsCurrent());
    EXPECT_EQ(Item<CNumEdit>(IDC_FREQ_EDIT + 2)->GetText(), "125");
}

// A switch of the shown output sets every fader, button, field and the graph, but none of them
// paints itself: one paint pass draws the page once the switch is made, each window at most once.
TEST_F(OutputPage, ChoosingAnOutputPaintsEachWindowOnce)
{
    std::map<wxWindow*, int> paints;
    std::function<void(wxWindow*)> watch = [&](wxWindow* pWnd) {
        pWnd->Bind(wxEVT_PAINT, [&paints, pWnd](wxPaintEvent& event) {
            ++paints[pWnd];
            event.Skip();
        });
        for (wxWindow* pChild : pWnd->GetChildren())
            watch(pChild);
    };
    watch(m_pFrame);
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    // The page as the window first shows it.
    ASSERT_TRUE(SettleUntil([&] { return paints[Item(IDC_GAIN_SLIDER + 1)] > 0; }));
    for (const int nOutput : {3, 4}) {
        Out(nOutput).GetBand(1)->SetGainPos(nOutput == 3 ? 20 : 260);
        Out(nOutput).SetPolarity(nOutput == 3 ? 1 : 0);
        paints.clear();
        Click(StripItem(nOutput, Strip::IDC_SELECT));
        ASSERT_EQ(g_nCurOutput, nOutput);
        EXPECT_GT(paints[m_pPage->GetStrip(nOutput)->GetDlgItem(Strip::IDC_SELECT)], 0) << "output " << nOutput;
        EXPECT_GT(paints[Item(IDC_GAIN_SLIDER + 1)], 0) << "output " << nOutput;
        for (const auto& [pWnd, nPaints] : paints)
            EXPECT_LE(nPaints, 1) << "output " << nOutput << ", window " << pWnd->GetName() << " " << pWnd->GetId();
    }
}

// Strips 7 and 8 exist, follow the current mark and load their output, but stay hidden.
TEST_F(OutputPage, SixStripsShownTwoHiddenEachMadeFromItsTemplate)
{
    Out(7).SetLevel(300);
    g_nCurOutput = 7;
    m_pPage->RefreshPage();
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        COutRoute_Dlg* pStrip = m_pPage->GetStrip(i);
        ASSERT_NE(pStrip, nullptr);
        EXPECT_EQ(pStrip->IsShown(), i < 6) << i;
        EXPECT_TRUE(pStrip->MissingItems().empty()) << i;
        EXPECT_EQ(pStrip->IsCurrent(), i == 7) << i;
    }
    EXPECT_EQ(m_pPage->GetStrip(1)->GetPosition(), wxPoint(6 + 156, 425));
    EXPECT_EQ(StripItem<CNumEdit>(7, Strip::IDC_LEVEL_EDIT)->GetText(), "-30.0dB");
    g_nCurOutput = 0;
}

// A gain the processor holds beyond the page's +-12 dB shows at the bound, silently: no box, no
// change marked; the model keeps the value. Nothing a refresh does marks a change or queues a
// frame.
TEST_F(OutputPage, LoadingShowsClampedValuesSilentlyAndMarksNothing)
{
    SeedProcessorWithDefaults();
    Connect();
    // The live preset's name goes out last after the settings arrived.
    ASSERT_TRUE(SettleUntil([&] { return !Received(emu::BLOCK_SYSTEM, emu::ITEM_NAME).empty(); }));
    g_bSynced = 0;  // as the processor's own data arrives: unmarked
    Out(0).GetBand(3)->SetGainPos(350);
    g_bSynced = 1;
    m_boxes.shown.clear();
    m_emulator.ClearLog();
    for (int nRound = 0; nRound < 2; ++nRound) {
        m_pView->RefreshOutputPage();
        m_pPage->RefreshChannel();
        m_pPage->RefreshBands();
        m_pView->ToggleLanguage(1);
    }
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 3)->GetText(), "12.0");
    EXPECT_EQ(Item<CBitmapSlider>(IDC_GAIN_SLIDER + 3)->GetPos(), 320);
    EXPECT_EQ(Out(0).GetBand(3)->GetGainPos(), 350);
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_FALSE(AnythingMarked());
    EXPECT_EQ(g_bSendMaster, 0);
    Settle(300);  // a write that must not come leaves nothing to wait for: give it the time
    for (const EmuRequest& r : m_emulator.Log())
        EXPECT_NE(r.byClass, emu::WRITE) << int(r.byBlock) << " " << int(r.byIndex);
}

// A locked map whose current output has no role makes another output current while the page
// is still being set up: the page has its data by then, and shows that output.
TEST_F(OutputPage, ARefreshDuringSetUpFindsThePageReady)
{
    CFakePageHost host;
    ResetRoleStates();
    const BYTE roles[OUTPUT_CHANNELS] = {0, 0, 12, 0, 0, 0, 0, 0};
    std::memcpy(g_roleStates.m_byOutRole, roles, sizeof(roles));
    RecomputeRoleStates();
    g_bOutMapLocked = 1;
    g_nCurOutput = 0;
    Out(2).SetLevel(500);
    auto* pPage = new COutputDlg(host, *m_pView->m_pData);
    ASSERT_TRUE(pPage->Create(m_pFrame));
    EXPECT_EQ(g_nCurOutput, 2);
    EXPECT_TRUE(pPage->GetStrip(2)->IsCurrent());
    EXPECT_FALSE(pPage->GetStrip(0)->IsEnabled());
    pPage->Destroy();
    g_nCurOutput = 0;
    InitDeviceData();
}

// Mended: a role byte above 24 has no place on the plan. The output is never bound to a field,
// and a step or command of a field that serves no output changes nothing.
TEST_F(OutputPage, AnOutputWithoutAPlaceIsNeverStepped)
{
    g_roleStates.m_byOutRole[4] = 200;
    m_pView->RefreshOutputPage();
    EXPECT_FALSE(Item(IDC_DELAY_EDIT + 12)->IsShown());  // output 4's left subwoofer field
    for (int f = 0; f < kDelayFields; ++f) {
        if (Item(IDC_DELAY_EDIT + f)->IsShown())
            continue;
        SendCommandToParent(Item(IDC_DELAY_SPIN + f));
        PostMessage(m_pPage, WM_NUMSPIN_DELTA, IDC_DELAY_SPIN + f, 1);
    }
    PostMessage(m_pPage, WM_NUMSPIN_DELTA, IDC_DELAY_SPIN + 40, 1);  // no delay spin at all
    PumpPendingEvents();
    for (int n = 0; n < OUTPUT_CHANNELS; ++n)
        EXPECT_EQ(Out(n).GetDelay(), 0) << n;
    EXPECT_FALSE(AnythingMarked());
}

// A role byte above 24 shows as no role on the strip, and its menu as for an output without one.
TEST_F(OutputPage, ARoleByteBeyondTheRolesShowsAsNoRole)
{
    g_roleStates.m_byOutRole[2] = 200;
    m_pView->RefreshOutputPage();
    EXPECT_EQ(StripItem<CBitButton>(2, Strip::IDC_ROLE)->GetLabel(), "NULL");
    std::vector<int> checked;
    m_pPage->GetStrip(2)->SetPopupHandler([&](wxMenu& menu, const wxPoint&) {
        for (int k = 0; k < SPEAKER_ROLES; ++k)
            if (wxMenuItem* pItem = menu.FindItem(WxId(Strip::ID_ROLE_FIRST + k)); pItem->IsChecked() && pItem->IsEnabled())
                checked.push_back(k);
    });
    g_bOutMapLocked = 0;
    m_pPage->ApplyOutputMapLock();
    Click(StripItem(2, Strip::IDC_ROLE));
    EXPECT_TRUE(checked.empty());
}

// The menu of a strip offers what the role rules allow with the output's own role taken away;
// choosing another role tells the page, choosing its own tells nobody.
TEST_F(OutputPage, RoleMenuOffersExactlyWhatTheRulesAllow)
{
    g_bOutMapLocked = 0;
    m_pPage->ApplyOutputMapLock();
    std::vector<std::pair<bool, bool>> marks;
    m_pPage->GetStrip(0)->SetPopupHandler([&](wxMenu& menu, const wxPoint& pt) {
        EXPECT_GT(pt.y, StripItem(0, Strip::IDC_ROLE)->GetRect().GetBottom());
        for (int k = 0; k < SPEAKER_ROLES; ++k) {
            wxMenuItem* pItem = menu.FindItem(WxId(Strip::ID_ROLE_FIRST + k));
            ASSERT_NE(pItem, nullptr);
            marks.emplace_back(pItem->IsChecked(), pItem->IsEnabled());
        }
    });
    Click(StripItem(0, Strip::IDC_ROLE));
    ASSERT_EQ(marks.size(), std::size_t(SPEAKER_ROLES));
    EXPECT_EQ(marks[0], std::make_pair(false, true));
    EXPECT_EQ(marks[6], std::make_pair(true, true));   // its own role
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(marks[k], std::make_pair(false, false)) << k;  // left must match the right's full
    EXPECT_EQ(marks[12], std::make_pair(true, false));  // output 1 holds it
    EXPECT_EQ(marks[19], std::make_pair(false, true));
    EXPECT_EQ(marks[24], std::make_pair(false, false));

    std::vector<std::pair<WPARAM, LPARAM>> posted;
    BindMessage(m_pPage, WM_SET_SPEAKER_ROLE, [&](WPARAM w, LPARAM l) -> LRESULT {
        posted.emplace_back(w, l);
        return 0;
    });
    for (const int nRole : {6, 19}) {
        wxCommandEvent choice(wxEVT_MENU, WxId(Strip::ID_ROLE_FIRST + nRole));
        m_pPage->GetStrip(0)->ProcessWindowEvent(choice);
    }
    PumpPendingEvents();
    EXPECT_EQ(posted, (std::vector<std::pair<WPARAM, LPARAM>>{{0, 19}}));
    BindMessage(m_pPage, WM_SET_SPEAKER_ROLE, {});
}

// The strip's own polarity (id 4001, as the page's) ends at the strip: only its output changes.
// A paste the strip posts to itself (WM_STRIP_PASTE) and the copy it posts to the page
// (WM_COPY_CHANNEL) share a number and reach only the window each is meant for.
TEST_F(OutputPage, StripCommandsAndMessagesReachOnlyTheirOwnWindow)
{
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    Click(StripItem(3, Strip::IDC_POLARITY));
    EXPECT_EQ(Out(3).GetPolarity(), 1);
    EXPECT_EQ(Out(0).GetPolarity(), 0);
    EXPECT_FALSE(Item<CBitButton>(IDC_POLARITY)->GetCheck());
    EXPECT_TRUE(StripItem<CBitButton>(3, Strip::IDC_POLARITY)->GetCheck());

    std::vector<std::pair<WPARAM, LPARAM>> copies;
    BindMessage(m_pPage, WM_COPY_CHANNEL, [&](WPARAM w, LPARAM l) -> LRESULT {
        copies.emplace_back(w, l);
        return 0;
    });
    g_copySource.Reset();
    wxKeyEvent hook(wxEVT_CHAR_HOOK);
    hook.m_keyCode = 'V';
    hook.m_controlDown = true;
    m_pPage->GetStrip(4)->ProcessWindowEvent(hook);
    PumpPendingEvents();
    EXPECT_TRUE(copies.empty());
    EXPECT_TRUE(m_boxes.shown.empty());

    g_copySource.Select(1);
    m_boxes.answer = IDYES;
    m_pPage->GetStrip(4)->ProcessWindowEvent(hook);
    PumpPendingEvents();
    ASSERT_EQ(m_boxes.shown.size(), 1U);
    EXPECT_EQ(m_boxes.shown[0].text, "Whether copy CH2 data to CH5");
    EXPECT_EQ(copies, (std::vector<std::pair<WPARAM, LPARAM>>{{1, 4}}));
    BindMessage(m_pPage, WM_COPY_CHANNEL, {});
    g_copySource.Reset();
}

// The page's polarity button and the current output's strip show one state, whichever was
// clicked: each click inverts what the output has. Another output's strip leaves the page alone.
TEST_F(OutputPage, ThePagesPolarityAndTheCurrentStripsStayInStep)
{
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    struct Step {
        const char* name;
        wxWindow* pButton;
        int nPolarity0;
    };
    const Step steps[] = {{"strip 1", StripItem(0, Strip::IDC_POLARITY), 1},
                          {"page", Item(IDC_POLARITY), 0},
                          {"page again", Item(IDC_POLARITY), 1},
                          {"strip 1 again", StripItem(0, Strip::IDC_POLARITY), 0},
                          {"strip 4", StripItem(3, Strip::IDC_POLARITY), 0}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        Click(s.pButton);
        EXPECT_EQ(Out(0).GetPolarity(), s.nPolarity0);
        EXPECT_EQ(Item<CBitButton>(IDC_POLARITY)->GetCheck(), s.nPolarity0 != 0);
        EXPECT_EQ(StripItem<CBitButton>(0, Strip::IDC_POLARITY)->GetCheck(), s.nPolarity0 != 0);
        EXPECT_EQ(Item(IDC_POLARITY_INVERTED)->IsShown(), s.nPolarity0 != 0);
        EXPECT_EQ(Item(IDC_POLARITY_NORMAL)->IsShown(), s.nPolarity0 == 0);
    }
    EXPECT_EQ(Out(3).GetPolarity(), 1);
}

// The language switch keeps both crossover filters' choices and gives the lists, the role
// names and the role menu their texts in the new language.
TEST_F(OutputPage, LanguageSwitchKeepsTheCrossoverChoices)
{
    Out(0).GetHPF()->SetSlope(SLOPE_12DB, false);
    Out(0).GetHPF()->SetAlign(ALIGN_BUTTERWORTH, false);
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    auto* pAlign = Item<CComBoxBtn>(IDC_HPF_ALIGN);
    EXPECT_EQ(pAlign->GetLabel(), "Butter_W");
    m_pView->ToggleLanguage(1);
    EXPECT_EQ(pAlign->GetCurSel(), ALIGN_BUTTERWORTH);
    EXPECT_EQ(pAlign->GetLabel(), wxString::FromUTF8("巴特沃斯"));
    EXPECT_EQ(StripItem<CBitButton>(0, Strip::IDC_ROLE)->GetLabel(), wxString::FromUTF8("前置左全频"));
    EXPECT_EQ(SpeakerRoleMenu()->FindItemByPosition(0)->GetItemLabelText(), wxString::FromUTF8("空"));
    m_pView->ToggleLanguage(1);
    EXPECT_EQ(pAlign->GetLabel(), "Butter_W");
}

// Every kind of control of the page and its strips, used as a user would, reaches the processor
// as the frame of its group, through the link worker.
TEST_F(OutputPage, EditsOfEveryKindOfControlReachTheProcessor)
{
    SeedProcessorWithDefaults();
    Connect();
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();

    // A fader one step up: band 3's gain position 201, sent as 601.
    SendKey(Item(IDC_GAIN_SLIDER + 2), WXK_UP);
    PumpPendingEvents();
    EXPECT_EQ(Out(0).GetBand(2)->GetGainPos(), 201);
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 2)->GetText(), "0.1");
    EXPECT_TRUE(ImageHas(GroupOffset(0, 2) + 2, {601 & 0xFF, 601 >> 8}));

    // A typed frequency, committed as the field loses the focus.
    auto* pFreq = Item<CNumEdit>(IDC_FREQ_EDIT + 4);
    SendFocus(pFreq, true);
    TypeText(pFreq, wxS("777"));
    SendFocus(pFreq, false);
    PumpPendingEvents();
    EXPECT_TRUE(ImageHas(GroupOffset(0, 4), {777 & 0xFF, 777 >> 8}));

    // A spin step by the field's Down key: band 6 at -0.1 dB.
    auto* pGain = Item<CNumEdit>(IDC_GAIN_EDIT + 5);
    SendFocus(pGain, true);
    SendKey(pGain, WXK_DOWN);
    PumpPendingEvents();
    EXPECT_TRUE(ImageHas(GroupOffset(0, 5) + 2, {599 & 0xFF, 599 >> 8}));

    // The bypass button of band 3 (at +0.1 dB): sent flat, as 0 dB.
    Click(Item(IDC_BYPASS + 2));
    EXPECT_TRUE(Item<CXPButton>(IDC_BYPASS + 2)->GetCheck());
    EXPECT_TRUE(ImageHas(GroupOffset(0, 2) + 2, {600 & 0xFF, 600 >> 8}));

    // A list: the high-pass slope by the wheel, from 12 to 6 dB/oct.
    ASSERT_EQ(Item<CComBoxBtn>(IDC_HPF_SLOPE)->GetCurSel(), 1);
    SendWheel(Item(IDC_HPF_SLOPE), 120);
    PumpPendingEvents();
    EXPECT_EQ(Out(0).GetHPF()->GetSlope(), 0);
    EXPECT_TRUE(ImageHas(GroupOffset(0, OUT_GROUP_CROSSOVER) + 3, {0}));

    // The band type: band 1 becomes a low shelf.
    Click(Item(IDC_LOW_SHELF));
    EXPECT_TRUE(Item(IDC_LOW_SHELF_SLOPE)->IsShown());
    EXPECT_TRUE(ImageHas(GroupOffset(0, 0) + 7, {FILTER_LOW_SHELF}));

    // The page's polarity, and strip 2's on/off and level fader.
    Click(Item(IDC_POLARITY));
    EXPECT_TRUE(ImageHas(GroupOffset(0, OUT_GROUP_BASE) + 1, {1}));
    Click(StripItem(1, Strip::IDC_ON_OFF));
    EXPECT_TRUE(ImageHas(GroupOffset(1, OUT_GROUP_BASE), {0}));
    SendKey(StripItem(1, Strip::IDC_LEVEL_SLIDER), WXK_DOWN);
    PumpPendingEvents();
    EXPECT_EQ(Out(1).GetOn(), 1);  // a new level switches the output on
    EXPECT_TRUE(ImageHas(GroupOffset(1, OUT_GROUP_BASE), {1, 0, 599 & 0xFF, 599 >> 8}));
}

// A frequency typed more than an octave from the band's goes out in octave steps, each value
// once, the typed one last.
TEST_F(OutputPage, ATypedFrequencyGoesOutInOctaveStepsEachOnce)
{
    SeedProcessorWithDefaults();
    Connect();
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    ASSERT_EQ(Out(0).GetBand(1)->GetFreq(), 65);
    struct Case {
        const char* szTyped;
        std::vector<int> sent;
    };
    const Case cases[] = {{"777", {130, 260, 520, 777}}, {"150", {388, 194, 150}}, {"1000", {300, 600, 1000}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szTyped);
        m_emulator.ClearLog();
        Type(IDC_FREQ_EDIT + 1, c.szTyped);
        ASSERT_TRUE(SettleUntil([&] { return !Out(0).GetBand(1)->GetChanged() && QueueCount() == 0; }));
        std::vector<int> sent;
        for (const EmuRequest& r : m_emulator.Log())
            if (r.byClass == emu::WRITE && r.byBlock == emu::BLOCK_OUTPUT && r.byIndex == 0 && r.bySub == 1)
                sent.push_back(r.payload[0] | r.payload[1] << 8);
        EXPECT_EQ(sent, c.sent);
    }
}

TEST_F(OutputPage, ScreenshotsOfAParametricAndAGraphicOutputInBothLanguages)
{
    Out(0).GetBand(1)->SetGainPos(260);
    Out(0).GetBand(4)->SetGainPos(150);
    Out(0).GetBand(4)->SetBandwidthIndex(40);
    Out(0).GetBand(9)->SetEqType(FILTER_HIGH_SHELF);
    Out(0).GetBand(9)->SetGainPos(230);
    Out(1).SetGraphicEQ(1);
    Out(1).GetHPF()->SetFreq(200, false);
    for (int k = 0; k < CKTV_OutData::PAGE_BANDS; ++k)
        Out(1).GetBand(k)->SetGainPos(200 + ((k * 37) % 9 - 4) * 15);
    m_pView->RefreshOutputPage();
    // Where a control of the page lies in a picture of the window.
    const auto place = [&](const wxWindow* pCtrl) { return RectInCapture(*pCtrl, *m_pFrame); };
    const auto* pGraph = Item<CEqCurveStatic>(IDC_GRAPH);
    const wxRect rcPlot = RectInCapture(*pGraph, *m_pFrame, ToWx(pGraph->GetPlotRect()));
    // Each picture shows the output's curve in the curve colour inside the plot, its strip's
    // select button checked in teal and a band's gain inside its field; the EQ mode button is
    // labelled in each language.
    wxImage shots[2][2];
    for (const bool bChinese : {false, true}) {
        if ((g_bChinese != 0) != bChinese)
            m_pView->ToggleLanguage(1);
        for (const int nOutput : {0, 1}) {
            SCOPED_TRACE(testing::Message() << (bChinese ? "Chinese" : "English") << ", output " << nOutput);
            Click(StripItem(nOutput, Strip::IDC_SELECT));
            const wxImage& shot = shots[bChinese][nOutput] = CaptureWindow(*m_pFrame);
            EXPECT_TRUE(SaveScreenshot(shot, std::string("output_page_") + (nOutput == 0 ? "peq_" : "geq_") +
                                                 (bChinese ? "cn" : "en")));
            EXPECT_TRUE(ShowsColour(shot, rcPlot, ToWx(g_clrCurveLine), 0));
            EXPECT_TRUE(ShowsColour(shot, place(StripItem(nOutput, Strip::IDC_SELECT)), skin::kTeal));
            EXPECT_TRUE(ShowsTextIn(shot, place(Item(IDC_GAIN_EDIT + 1)), *wxWHITE, 40, 1));
        }
    }
    for (const int nOutput : {0, 1})
        EXPECT_TRUE(DifferIn(shots[0][nOutput], shots[1][nOutput], place(Item(IDC_EQ_MODE)))) << nOutput;
    EXPECT_TRUE(Item(IDC_GEQ_LABEL)->IsShown());
    EXPECT_FALSE(Item(IDC_FREQ_EDIT)->IsShown());
}

// A pointer resting on the graph when an arrow key moves on goes to just below the graph's lower
// left corner.
TEST_F(OutputPage, AnArrowKeyParksThePointerJustBelowTheGraph)
{
    m_pFrame->Move(41, 17);
    Settle(50);  // the move comes back from the X server, which no state of the window tells
    auto* pGraph = Item<CEqCurveStatic>(IDC_GRAPH);
    ASSERT_NE(pGraph, nullptr);
    pGraph->WarpPointer(300, 80);
    const wxRect rc = pGraph->GetScreenRect();
    ASSERT_TRUE(SettleUntil([&] { return rc.Contains(wxGetMousePosition()); }));
    PostMessage(m_pPage, WM_NUMEDIT_KEY, IDC_FREQ_EDIT + 3, 39);
    EXPECT_TRUE(SettleUntil([&] { return wxGetMousePosition() == wxPoint(rc.GetLeft(), rc.GetBottom() + 1); }));
}

// Enter and Tab in a field of the page ask the page to move on (WM_EDIT_NEXT_ROW, and
// WM_NUMEDIT_KEY with the right-arrow key); Escape takes the focus to the page.
TEST_F(OutputPage, EnterTabAndEscapeInAFieldOfThePage)
{
    std::vector<std::tuple<unsigned, WPARAM, LPARAM>> posted;
    for (const unsigned nMsg : {WM_EDIT_NEXT_ROW, WM_NUMEDIT_KEY})
        BindMessage(m_pPage, nMsg, [&, nMsg](WPARAM w, LPARAM l) -> LRESULT {
            posted.emplace_back(nMsg, w, l);
            return 0;
        });
    auto* pField = Item<CNumEdit>(IDC_FREQ_EDIT + 3);
    pField->SetFocus();
    ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == pField; }));
    for (const int nKey : {int(WXK_RETURN), int(WXK_TAB)}) {
        wxKeyEvent hook(wxEVT_CHAR_HOOK);
        hook.m_keyCode = nKey;
        m_pPage->ProcessWindowEvent(hook);
    }
    PumpPendingEvents();
    EXPECT_EQ(posted, (std::vector<std::tuple<unsigned, WPARAM, LPARAM>>{{WM_EDIT_NEXT_ROW, IDC_FREQ_EDIT + 3, 0},
                                                                          {WM_NUMEDIT_KEY, IDC_FREQ_EDIT + 3, 39}}));
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    m_pPage->ProcessWindowEvent(escape);
    EXPECT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() != pField; }));
    for (const unsigned nMsg : {WM_EDIT_NEXT_ROW, WM_NUMEDIT_KEY})
        BindMessage(m_pPage, nMsg, {});
}

// A press anywhere on the page first takes the focus from a field being typed in, so the field
// commits its text before the press acts. (Xvfb has no window manager to give the window the
// keyboard, so the field's own focus events are sent here as the toolkit sends them.)
TEST_F(OutputPage, APressElsewhereTakesTheFocusFromTheFieldBeingTypedIn)
{
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    auto* pField = Item<CNumEdit>(IDC_FREQ_EDIT + 6);
    pField->SetFocus();
    ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == pField; }));
    SendFocus(pField, true);
    TypeText(pField, wxS("2500"));
    SendMouse(Item(IDC_BYPASS + 1), wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
    EXPECT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == m_pPage; }));
    SendFocus(pField, false);
    EXPECT_EQ(Out(0).GetBand(6)->GetFreq(), 2500);
    SendMouse(Item(IDC_BYPASS + 1), wxEVT_LEFT_UP, wxPoint(3, 3));

    // A press on the field that has the focus leaves it there.
    pField->SetFocus();
    ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == pField; }));
    SendMouse(pField, wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
    Settle(50);  // the focus must stay: nothing to wait for but time
    EXPECT_EQ(wxWindow::FindFocus(), pField);
    SendMouse(pField, wxEVT_LEFT_UP, wxPoint(3, 3));
}
