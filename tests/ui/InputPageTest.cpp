// The music input page in the main view, on the emulated processor: what it shows for the active
// input, band edits by every control, the whole-EQ commands, the choice of input, AUX mode,
// Hi.Level mode and mixer source with the frames each sends, the messages between the pages, the
// keyboard, and screenshots of its layouts in both languages.
#include <wx/menu.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/BtnPng.h"
#include "controls/EqCurveStatic.h"
#include "controls/NumEdit.h"
#include "controls/XPButton.h"
#include "model/Filter.h"
#include "model/InputSourceTable.h"
#include "model/KTVEQ.h"
#include "model/KTV_Data.h"
#include "model/Music_InData.h"
#include "pages/InMode_Dlg.h"
#include "pages/InPutDlg.h"
#include "pages/InPutDlgIds.h"
#include "pages/InputPageLayout.h"
#include "pages/InputPageRules.h"
#include "pages/Level_Delay_Dlg.h"
#include "app/ViewIds.h"
#include "res/SkinPaint.h"
#include "tests/support/DialogItem.h"
#include "tests/ui/ControlHost.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/ViewOnLink.h"

using namespace InPutDlgIds;

namespace {

// A band of a music input in the emulated processor's current preset.
struct EmuBand {
    int nFreq;
    int nGainPos;  // the gain position, 200 = 0 dB
    int nWidth;
};

class InputPage : public ViewOnLink {
protected:
    void SetUp() override { Start(LinkWay::Usb, false); }

    CInPutDlg& Page() const { return *m_pView->m_pageInput; }
    template <class T>
    T* Item(int nId) const
    {
        return ::Item<T>(Page(), nId);
    }
    CMusic_InData& Music(int nInput) const { return *m_pView->m_pData->GetMusicData(nInput); }
    CFilter& Band(int nInput, int k) const { return *Music(nInput).GetBand(k); }
    // As a user reaches the page: its selector in the top bar.
    void ShowInputPage()
    {
        if (g_nCurPage != 0)
            SendCommandToParent(m_pView->GetDlgItem(IDC_PAGE_INPUT));
        else
            m_pView->ShowPage(0, 0);
        PumpPendingEvents();
        ASSERT_TRUE(Page().IsShown());
    }
    // The processor's music bands at 1 kHz, 0 dB, 1.17 octaves, so that a step shows as one.
    void Connect()
    {
        m_emulator.Edit([](EmuState& state) {
            for (std::size_t n = 0; n < emu::MUSIC_CHANNELS; ++n) {
                for (std::size_t k = 0; k < CHANNEL_BANDS; ++k) {
                    const std::size_t i = emu::MUSIC_OFFSET + n * emu::MUSIC_SIZE + k * emu::GROUP_SIZE;
                    const int nHz = k < std::size(g_nInBandFreq) ? g_nInBandFreq[k] : 1000;
                    const std::uint8_t band[8] = {static_cast<std::uint8_t>(nHz), static_cast<std::uint8_t>(nHz >> 8),
                                                  0x58, 0x02, 112, 0, 0, 0};
                    std::copy(std::begin(band), std::end(band), state.images[0].begin() + static_cast<std::ptrdiff_t>(i));
                }
            }
        });
        m_hid.Plug(kUsbPath, m_emulator);
        ASSERT_EQ(m_pView->ConnectUsbPath(kUsbPath), 1);
        ASSERT_TRUE(WaitSynced());
        ShowInputPage();
        // The read-back is through; from here on the log holds what the page sends. A write that
        // showing the page queued may still be on its way, and the log has no end to wait on.
        Settle(100);
        m_emulator.ClearLog();
    }
    static void Click(wxWindow* pCtrl)
    {
        SendCommandToParent(pCtrl);
        PumpPendingEvents();
    }
    void Key(wxWindow* pWnd, int nKey, wxEventType type = wxEVT_KEY_DOWN)
    {
        wxKeyEvent key(type);
        key.m_keyCode = nKey;
        key.SetEventObject(pWnd);
        pWnd->GetEventHandler()->ProcessEvent(key);
        PumpPendingEvents();
    }
    // Tab, Enter or Escape as the page hears it while pEdit has the focus.
    void DialogKey(CNumEdit* pEdit, int nKey)
    {
        pEdit->SetFocus();
        ASSERT_TRUE(SettleUntil([pEdit] { return wxWindow::FindFocus() == pEdit; }));
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = nKey;
        key.SetEventObject(pEdit);
        Page().GetEventHandler()->ProcessEvent(key);
        PumpPendingEvents();
    }
    EmuBand EmulatedBand(int nInput, int k) const
    {
        const EmuImage image = m_emulator.State().images[0];
        const std::size_t n = emu::MUSIC_OFFSET + nInput * emu::MUSIC_SIZE + k * emu::GROUP_SIZE;
        return {image[n] | image[n + 1] << 8, Int16At(image, n + 2) - 400, image[n + 4] | image[n + 5] << 8};
    }
    // The system-item writes the processor took, in order, as "2:[input,mode,...]" and "5:...".
    std::vector<std::string> SystemWrites() const
    {
        std::vector<std::string> writes;
        for (const EmuRequest& r : m_emulator.Log()) {
            if (r.byClass != emu::WRITE || r.byBlock != emu::BLOCK_SYSTEM)
                continue;
            std::string s = std::to_string(r.byIndex) + ":";
            for (const std::uint8_t b : r.payload)
                s += std::to_string(b) + ",";
            writes.push_back(s);
        }
        return writes;
    }
    // Item 2's eight bytes as the processor must receive them.
    static std::string Item2(int nInput, int nMode, int nOpt, int nTwoWay, int nSource)
    {
        return "2:" + std::to_string(nInput) + "," + std::to_string(nMode) + "," + std::to_string(nOpt) + "," +
               std::to_string(nTwoWay) + "," + std::to_string(nSource) + ",0,0,2,";
    }
    bool WaitWrites(std::size_t n)
    {
        return SettleUntil([&] { return SystemWrites().size() >= n; });
    }
    // Every input select button shown and checked as the rules say for the globals.
    void ExpectSelectButtonsShowTheGlobals()
    {
        for (int k = 0; k < MUSIC_CHANNELS; ++k) {
            auto* pBtn = Item<CBitButton>(IDC_INPUT + k);
            EXPECT_EQ(pBtn->IsShown(), IsInputButtonShown(k, g_inputSettings.Get().m_byOptInputs, g_nInputMode)) << k;
            EXPECT_EQ(pBtn->GetCheck(), k == g_nCurInput) << k;
        }
        for (int c = 0; c < INPUT_CONNECTORS; ++c) {
            const auto connector = static_cast<InputConnector>(c);
            EXPECT_EQ(Page().Strip()->Connector(connector)->GetCheck(), connector == CheckedConnector(g_nCurInput, g_nInputMode))
                << c;
        }
    }
    // Where a control of the page lies in a picture of the window.
    wxRect InCapture(int nId) const { return RectInCapture(*Item<wxWindow>(nId), *m_pFrame); }
    // Writes the window's picture, which in every layout shows the graph drawn and the active
    // input's select button checked in teal.
    wxImage Screenshot(const std::string& strName)
    {
        SCOPED_TRACE(strName);
        const wxImage shot = CaptureWindow(*m_pFrame);
        EXPECT_TRUE(SaveScreenshot(shot, strName + (g_bChinese ? "_cn" : "_en")));
        EXPECT_TRUE(IsDrawn(shot, InCapture(IDC_CURVE)));
        EXPECT_TRUE(ShowsColour(shot, InCapture(IDC_INPUT + g_nCurInput), skin::kTeal));
        return shot;
    }
};

}  // namespace

// Loading shows the active input's bands and marks nothing, queues nothing and opens no box, even
// for a gain beyond the page's +-12 dB; a bare click on that field writes nothing back.
TEST_F(InputPage, LoadingShowsTheActiveInputClampedAndWritesNothing)
{
    g_nCurInput = 2;
    Band(2, 4).SetGainPos(350);  // +15 dB, which the data may hold
    Band(2, 5).SetGainPos(230);
    Band(2, 5).SetFlat(true);
    Band(2, 0).SetFreq(1234, false);
    g_bSynced = 1;
    ShowInputPage();
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 4)->GetText(), "12.0");
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 5)->GetText(), "0.0");
    EXPECT_TRUE(Item<CXPButton>(IDC_BAND_WORK + 5)->GetCheck());
    EXPECT_FALSE(Item<CXPButton>(IDC_BAND_WORK + 4)->GetCheck());
    EXPECT_EQ(Item<CNumEdit>(IDC_FREQ_EDIT)->GetText(), "1234");
    EXPECT_EQ(Item<CBitmapSlider>(IDC_FADER + 4)->GetPos(), 320);
    EXPECT_TRUE(m_boxes.shown.empty());
    for (int k = 0; k < CHANNEL_BANDS; ++k)
        EXPECT_EQ(Band(2, k).GetChanged(), 0) << k;

    Click(Item<CNumEdit>(IDC_GAIN_EDIT + 4));
    EXPECT_EQ(Band(2, 4).GetGainPos(), 350);
    EXPECT_EQ(Band(2, 4).GetChanged(), 0);
    EXPECT_TRUE(m_boxes.shown.empty());
    g_bSynced = 0;
}

// Typed field, spin step, fader, lamp and graph drag each reach the processor as the band's group.
TEST_F(InputPage, BandEditsOfEveryKindReachTheProcessor)
{
    Connect();
    const int nInput = g_nCurInput;
    // Typed: +4.5 dB in band 3, committed when the field loses the focus.
    auto* pGain = Item<CNumEdit>(IDC_GAIN_EDIT + 2);
    SendFocus(pGain, true);
    TypeText(pGain, "4.5");
    SendFocus(pGain, false);
    PumpPendingEvents();
    EXPECT_EQ(Band(nInput, 2).GetGainPos(), 245);
    EXPECT_TRUE(SettleUntil([&] { return EmulatedBand(nInput, 2).nGainPos == 245; }));

    // Up in a frequency field steps 1 Hz.
    auto* pFreq = Item<CNumEdit>(IDC_FREQ_EDIT + 6);
    const int nFreq = Band(nInput, 6).GetFreq();
    pFreq->SetFocus();
    Key(pFreq, WXK_UP);
    EXPECT_EQ(Band(nInput, 6).GetFreq(), nFreq + 1);
    EXPECT_TRUE(SettleUntil([&] { return EmulatedBand(nInput, 6).nFreq == nFreq + 1; }));

    // The fader of band 9 one step up by key, then the lamp of band 3 switches it off.
    auto* pFader = Item<CBitmapSlider>(IDC_FADER + 8);
    Key(pFader, WXK_UP);
    EXPECT_TRUE(SettleUntil([&] { return Band(nInput, 8).GetGainPos() == 201; })) << Band(nInput, 8).GetGainPos();
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 8)->GetText(), "0.1");
    Click(Item<CXPButton>(IDC_BAND_WORK + 2));
    EXPECT_TRUE(Band(nInput, 2).IsBypassOrFlat());
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 2)->GetText(), "0.0");
    EXPECT_TRUE(Item<CXPButton>(IDC_BAND_WORK + 2)->GetCheck());
    EXPECT_TRUE(SettleUntil([&] { return EmulatedBand(nInput, 8).nGainPos == 201 && EmulatedBand(nInput, 2).nGainPos == 200; }));
    // On again: the gain it kept.
    Click(Item<CXPButton>(IDC_BAND_WORK + 2));
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 2)->GetText(), "4.5");
}

// A band point dragged upward in the graph: the band's column follows and the processor gets it.
TEST_F(InputPage, AGraphDragOnAnInputBandReachesTheProcessor)
{
    Connect();
    const int nInput = g_nCurInput;
    auto* pGraph = Item<CEqCurveStatic>(IDC_CURVE);
    const Point centre = Band(nInput, 4).GetNodeRect().CenterPoint();
    auto mouse = [&](wxEventType type, int x, int y, bool bDown) {
        wxMouseEvent event(type);
        event.SetPosition({x, y});
        event.m_leftDown = bDown;
        event.SetEventObject(pGraph);
        pGraph->GetEventHandler()->ProcessEvent(event);
    };
    mouse(wxEVT_MOTION, centre.x, centre.y, false);
    mouse(wxEVT_LEFT_DOWN, centre.x, centre.y, true);
    mouse(wxEVT_MOTION, centre.x, centre.y - 50, true);
    mouse(wxEVT_LEFT_UP, centre.x, centre.y - 50, false);
    const int nPos = Band(nInput, 4).GetGainPos();
    EXPECT_GT(nPos, 200);
    EXPECT_TRUE(SettleUntil([&] { return Item<CNumEdit>(IDC_GAIN_EDIT + 4)->GetText() != "0.0"; }));
    EXPECT_EQ(Item<CBitmapSlider>(IDC_FADER + 4)->GetPos(), nPos);
    EXPECT_FALSE(Item<CXPButton>(IDC_BAND_WORK + 4)->GetCheck());
    EXPECT_TRUE(SettleUntil([&] { return EmulatedBand(nInput, 4).nGainPos == nPos; }));
}

// Bypass-all asks, and on Yes sends master off, input off, the whole block, input on, master on;
// No sends nothing. PEQ to GEQ on Yes resets the bands and hides the frequency and Q rows.
TEST_F(InputPage, WholeEqCommandsAskThenSendTheWholeBlock)
{
    Connect();
    const int nInput = g_nCurInput;
    Band(nInput, 1).SetGainPos(260);
    Page().ShowChannel();
    ASSERT_TRUE(SettleUntil([&] { return EmulatedBand(nInput, 1).nGainPos == 260; }));
    m_boxes.answer = IDNO;
    Click(Item<CBitButton>(IDC_BYPASS_ALL));
    EXPECT_EQ(Texts(), std::vector<std::string>{g_strBypassEqEn});
    EXPECT_FALSE(Band(nInput, 1).IsBypassOrFlat());
    EXPECT_FALSE(Item<CBitButton>(IDC_BYPASS_ALL)->GetCheck());

    Settle(100);  // writes still on their way reach the log first; it has no end to wait on
    m_emulator.ClearLog();
    m_boxes.answer = IDYES;
    Click(Item<CBitButton>(IDC_BYPASS_ALL));
    EXPECT_TRUE(Item<CBitButton>(IDC_BYPASS_ALL)->GetCheck());
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 1)->GetText(), "0.0");
    EXPECT_TRUE(Item<CXPButton>(IDC_BAND_WORK + 1)->GetCheck());
    std::vector<std::string> kinds;
    auto bracketSent = [&] {
        kinds.clear();
        for (const EmuRequest& r : m_emulator.Log())
            if (r.byClass == emu::WRITE && !IsWrite(r, emu::BLOCK_SYSTEM, emu::ITEM_NAME))
                kinds.push_back(r.byBlock == emu::BLOCK_SYSTEM ? "item" + std::to_string(r.byIndex)
                                : r.payload.size() == emu::MUSIC_SIZE ? "block"
                                                                      : "group" + std::to_string(r.bySub));
        return kinds.size() >= 5;
    };
    ASSERT_TRUE(SettleUntil(bracketSent)) << testing::PrintToString(kinds);
    EXPECT_EQ(kinds, (std::vector<std::string>{"item5", "group31", "block", "group31", "item5"}));

    m_boxes.shown.clear();
    Music(nInput).SetGraphicEQ(0);
    Page().RefreshChannelButtons();
    EXPECT_TRUE(Item<CNumEdit>(IDC_FREQ_EDIT)->IsShown());
    Click(Item<CBitButton>(IDC_EQ_MODE));
    EXPECT_EQ(Texts(), std::vector<std::string>{g_strPeqToGeqEn});
    EXPECT_TRUE(Item<CBitButton>(IDC_EQ_MODE)->GetCheck());
    EXPECT_FALSE(Item<CNumEdit>(IDC_FREQ_EDIT)->IsShown());
    EXPECT_FALSE(Item<CNumEdit>(IDC_Q_EDIT)->IsShown());
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT)->GetPosition(), Item<CNumEdit>(IDC_FREQ_EDIT)->GetPosition());
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 1)->GetText(), "0.0");
    EXPECT_EQ(Band(nInput, 14).GetFreq(), 20000);
    EXPECT_EQ(Band(nInput, 14).GetBandwidthIndex(), 112);
}

// Each way of choosing sends item 2 at once, item 5 first when the processor had no input; the
// processor's input and mode follow.
TEST_F(InputPage, EachWayOfChoosingSendsItemTwoAndItemFiveFirstWhenTheNoInputFlagWasSet)
{
    Connect();
    ASSERT_EQ(g_nCurInput, 0);
    // The processor reported no input: the EQ controls are off until an input is chosen.
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
    Page().RefreshChannelButtons();
    EXPECT_FALSE(Item<CNumEdit>(IDC_GAIN_EDIT)->IsEnabledFlag());
    Click(Item<CBitButton>(IDC_INPUT + 4));
    ASSERT_TRUE(WaitWrites(2));
    EXPECT_EQ(SystemWrites()[0].substr(0, 2), "5:");
    EXPECT_EQ(SystemWrites()[1], Item2(4, 0, 3, 0, 255));
    EXPECT_TRUE(Item<CNumEdit>(IDC_GAIN_EDIT)->IsEnabledFlag());
    ExpectSelectButtonsShowTheGlobals();

    // The select button of the input already active sends nothing; its connector sends item 2.
    m_emulator.ClearLog();
    Click(Item<CBitButton>(IDC_INPUT + 4));
    Settle(100);  // a write that must not come leaves nothing to wait for: give it the time
    EXPECT_TRUE(SystemWrites().empty());
    Click(Page().Strip()->Connector(InputConnector::AuxPair2));
    ASSERT_TRUE(WaitWrites(1));
    EXPECT_EQ(SystemWrites()[0], Item2(4, 0, 3, 0, 255));

    // AUX mode 4CH 2CH keeps input 4; 6 CH brings it to 3.
    m_emulator.ClearLog();
    Click(Item<CBitButton>(IDC_AUX_MODE + 1));
    Click(Item<CBitButton>(IDC_AUX_MODE + 2));
    ASSERT_TRUE(WaitWrites(2));
    EXPECT_EQ(SystemWrites(), (std::vector<std::string>{Item2(4, 1, 3, 0, 255), Item2(3, 2, 3, 0, 255)}));
    ExpectSelectButtonsShowTheGlobals();
    EXPECT_FALSE(Item<CBitButton>(IDC_INPUT + 4)->IsShown());
    // Back to 2 CH: the buttons the earlier modes hid come back.
    Click(Item<CBitButton>(IDC_AUX_MODE));
    EXPECT_TRUE(Item<CBitButton>(IDC_INPUT + 4)->IsShown());
    EXPECT_TRUE(Item<CBitButton>(IDC_INPUT + 5)->IsShown());

    // Hi.Level mode: 2-Way sends, 2-Way again does not.
    ASSERT_TRUE(WaitWrites(3));
    m_emulator.ClearLog();
    Click(Item<CBitButton>(IDC_TWO_WAY));
    Click(Item<CBitButton>(IDC_TWO_WAY));
    ASSERT_TRUE(WaitWrites(1));
    Settle(100);  // a second write would follow by now: nothing to wait for but time
    EXPECT_EQ(SystemWrites(), std::vector<std::string>{Item2(3, 0, 3, 1, 255)});
    EXPECT_TRUE(Item<CBitButton>(IDC_TWO_WAY)->GetCheck());
    EXPECT_FALSE(Item<CBitButton>(IDC_ONE_WAY)->GetCheck());

    // The view's quick button and the level page go through the same routine.
    m_emulator.ClearLog();
    m_pView->SelectMusicInput(1, 1);
    m_pView->SelectActiveInput(2, InputChangeBy::LevelPage);
    PumpPendingEvents();
    ASSERT_TRUE(WaitWrites(2));
    EXPECT_EQ(SystemWrites(), (std::vector<std::string>{Item2(1, 0, 3, 1, 255), Item2(2, 0, 3, 1, 255)}));
    ExpectSelectButtonsShowTheGlobals();
    EXPECT_TRUE(SettleUntil([&] { return m_emulator.State().input[0] == 2; }));
}

// The pop-up offers what the source table offers for the active input, in the language of the
// moment; a choice is sent at once. Hi.Level then turns a source AUX2 off before item 2 goes.
TEST_F(InputPage, MixerSourcePopUpOffersTheTableAndSendsTheChoice)
{
    Connect();
    Click(Item<CBitButton>(IDC_INPUT + 2));  // Phone
    // Its choice reaches the processor before the log is cleared for the mixer's.
    ASSERT_TRUE(SettleUntil([&] {
        const std::vector<std::string> writes = SystemWrites();
        return std::find(writes.begin(), writes.end(), Item2(2, 0, 3, 0, 255)) != writes.end();
    }));
    std::vector<std::pair<std::string, bool>> items;
    int nChoose = -1;
    Page().SetPopupHandler([&](wxMenu& menu, const wxPoint&) {
        items.clear();
        for (wxMenuItem* pItem : menu.GetMenuItems())
            items.emplace_back(pItem->GetItemLabelText().utf8_string(), pItem->IsEnabled());
        if (nChoose >= 0) {
            wxCommandEvent choice(wxEVT_MENU, WxId(ID_MIXER_SOURCE + nChoose));
            Page().GetEventHandler()->ProcessEvent(choice);
        }
    });
    Click(Item<CBitButton>(IDC_MIXER));
    const std::vector<std::pair<std::string, bool>> expected = {{"S/PDIF", true}, {"Hi.Level", true}, {"Phone", false},
                                                                {"AUX1", false}, {"AUX2", true},     {"AUX3", true},
                                                                {"OFF", true}};
    EXPECT_EQ(items, expected);

    m_emulator.ClearLog();
    nChoose = 4;
    Click(Item<CBitButton>(IDC_MIXER));
    ASSERT_TRUE(WaitWrites(1));
    EXPECT_EQ(SystemWrites(), std::vector<std::string>{Item2(2, 0, 3, 0, 4)});
    EXPECT_EQ(g_inputSourceTable.m_nSource, 4);

    m_pView->ToggleLanguage(1);
    nChoose = 3;  // AUX1 cannot be chosen while Phone is active
    m_emulator.ClearLog();
    Click(Item<CBitButton>(IDC_MIXER));
    EXPECT_EQ(items.front().first, "数字");
    EXPECT_EQ(items[2].first, "蓝牙");
    EXPECT_EQ(items.back().first, "关闭");
    EXPECT_EQ(g_inputSourceTable.m_nSource, 4);

    Click(Item<CBitButton>(IDC_INPUT + 1));  // Hi.Level offers no AUX2
    ASSERT_TRUE(WaitWrites(1));
    Settle(100);  // a second write would follow by now: nothing to wait for but time
    EXPECT_EQ(SystemWrites(), std::vector<std::string>{Item2(1, 0, 3, 0, 255)});
}

// The processor reports another input: the page follows and sends nothing; a report of an input
// that does not exist changes nothing.
TEST_F(InputPage, AProcessorReportSwitchesThePageWithoutSending)
{
    Connect();
    m_emulator.Edit([](EmuState& s) {
        s.input[0] = 5;
        s.input[4] = 2;
    });
    ASSERT_TRUE(SettleUntil([] { return g_nCurInput == 5; }));
    PumpPendingEvents();
    ExpectSelectButtonsShowTheGlobals();
    EXPECT_EQ(g_inputSourceTable.m_nSource, 2);
    Settle(100);  // a write that must not come leaves nothing to wait for: give it the time
    EXPECT_TRUE(SystemWrites().empty());

    m_emulator.Edit([](EmuState& s) { s.input[0] = 9; });
    Settle(300);  // the status polls report it by now; the page must not follow: a time to wait
    EXPECT_EQ(g_nCurInput, 5);
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 5);
    EXPECT_TRUE(SystemWrites().empty());
}

// A status report queued before a choice names the input of before: the choice drops it.
TEST_F(InputPage, AChoiceDropsTheStatusReportsQueuedBeforeIt)
{
    Connect();
    {
        std::lock_guard lock(g_csLink);
        g_nDevStatus[14] = 3;
    }
    PostMessage(m_pView, WM_STATUS_RECEIVED, 0, 16);
    Click(Item<CBitButton>(IDC_INPUT + 1));
    Settle(100);  // a status report let through would switch the input back by now
    EXPECT_EQ(g_nCurInput, 1);
}

// The level page's choice and the quick buttons reach this page as WM_INPUT_SELECTED, after the
// routine changed the globals: the page shows the new input and its EQ controls come back.
TEST_F(InputPage, TheLevelPagesChoiceReachesThePage)
{
    ShowInputPage();
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
    Page().RefreshChannelButtons();
    EXPECT_FALSE(Item<CBitButton>(IDC_RESET_EQ)->IsThisEnabled());
    const InputChange change = m_pView->SelectActiveInput(5, InputChangeBy::LevelPage);
    EXPECT_TRUE(change.bSendMaster);
    EXPECT_EQ(change.nPrevInput, 1);
    PumpPendingEvents();
    ExpectSelectButtonsShowTheGlobals();
    EXPECT_TRUE(Item<CBitButton>(IDC_RESET_EQ)->IsThisEnabled());
    EXPECT_EQ(Item<CEqCurveStatic>(IDC_CURVE)->GetSourceCode(), 5);

    // Whatever the buttons showed before, a refresh leaves the active input's alone checked.
    for (int k = 0; k < MUSIC_CHANNELS; ++k)
        Item<CBitButton>(IDC_INPUT + k)->SetCheck(true);
    Page().RefreshChannelButtons();
    ExpectSelectButtonsShowTheGlobals();
}

// While the processor reports no input the faders take no wheel.
TEST_F(InputPage, TheWheelOverAFaderOfADisabledPageDoesNothing)
{
    ShowInputPage();
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
    Page().RefreshChannelButtons();
    auto* pFader = Item<CBitmapSlider>(IDC_FADER + 3);
    const int nPos = pFader->GetPos();
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = 120;
    wheel.m_wheelDelta = 120;
    wheel.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    pFader->GetEventHandler()->ProcessEvent(wheel);
    Settle(50);  // the wheel must move nothing: nothing to wait for but time
    EXPECT_EQ(pFader->GetPos(), nPos);
    EXPECT_EQ(Band(g_nCurInput, 3).GetGainPos(), 200);
}

// A mixer-source byte that names no source shows the off face.
TEST_F(InputPage, ASourceOutsideTheTableShowsTheOffFace)
{
    ShowInputPage();
    auto* pMixer = Item<CBitButton>(IDC_MIXER);
    g_inputSourceTable.m_nSource = SOURCE_OFF;
    Page().UpdateSourceButtons();
    const wxImage off = DrawToImage(*pMixer);
    g_inputSourceTable.m_nSource = 200;
    Page().UpdateSourceButtons();
    const wxImage shown = DrawToImage(*pMixer);
    ASSERT_EQ(shown.GetSize(), off.GetSize());
    EXPECT_EQ(std::memcmp(shown.GetData(), off.GetData(), static_cast<std::size_t>(off.GetWidth()) * off.GetHeight() * 3), 0);
    g_inputSourceTable.m_nSource = SOURCE_OFF;
}

// Tab, Enter and Left walk the band edits of columns 1-15 as the layout has them; Escape leaves
// the edit and closes nothing.
TEST_F(InputPage, TheKeyboardWalksTheBandEdits)
{
    ShowInputPage();
    Music(g_nCurInput).SetGraphicEQ(0);
    Page().RefreshChannelButtons();
    auto focused = [] { return dynamic_cast<CNumEdit*>(wxWindow::FindFocus()); };
    DialogKey(Item<CNumEdit>(IDC_GAIN_EDIT + 14), WXK_TAB);
    ASSERT_NE(focused(), nullptr);
    EXPECT_EQ(focused()->GetCtrlId(), IDC_FREQ_EDIT);
    DialogKey(Item<CNumEdit>(IDC_FREQ_EDIT + 6), WXK_RETURN);
    EXPECT_EQ(focused()->GetCtrlId(), IDC_Q_EDIT + 6);
    DialogKey(focused(), WXK_RETURN);
    EXPECT_EQ(focused()->GetCtrlId(), IDC_GAIN_EDIT + 6);
    DialogKey(focused(), WXK_RETURN);
    EXPECT_EQ(focused()->GetCtrlId(), IDC_FREQ_EDIT + 7);
    DialogKey(focused(), WXK_ESCAPE);
    EXPECT_EQ(focused(), nullptr);
    EXPECT_TRUE(m_pFrame->IsShown());

    Music(g_nCurInput).SetGraphicEQ(1);
    Page().RefreshChannelButtons();
    DialogKey(Item<CNumEdit>(IDC_GAIN_EDIT + 3), WXK_RETURN);
    EXPECT_EQ(focused()->GetCtrlId(), IDC_GAIN_EDIT + 4);
    DialogKey(focused(), WXK_TAB);
    EXPECT_EQ(focused()->GetCtrlId(), IDC_GAIN_EDIT + 5);
    auto* pFirst = Item<CNumEdit>(IDC_GAIN_EDIT);
    pFirst->SetFocus();
    Key(pFirst, WXK_LEFT);
    EXPECT_EQ(focused()->GetCtrlId(), IDC_GAIN_EDIT + 14);
}

// With no numeric field focused, the first band field of the layout takes the focus: the first
// frequency in the parametric layout, the first gain in the graphic one. A focused field keeps it.
TEST_F(InputPage, TheFirstBandFieldTakesAnUnclaimedFocus)
{
    ShowInputPage();
    auto focusedId = [] {
        const auto* pEdit = dynamic_cast<CNumEdit*>(wxWindow::FindFocus());
        return pEdit != nullptr ? pEdit->GetCtrlId() : 0;
    };
    for (const bool bGraphic : {false, true}) {
        SCOPED_TRACE(bGraphic);
        Music(g_nCurInput).SetGraphicEQ(bGraphic ? 1 : 0);
        Page().RefreshChannelButtons();
        Item<CBitButton>(IDC_RESET_EQ)->SetFocus();
        ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == Item<CBitButton>(IDC_RESET_EQ); }));
        Page().FocusFirstEdit();
        EXPECT_TRUE(SettleUntil([&] { return focusedId() == (bGraphic ? IDC_GAIN_EDIT : IDC_FREQ_EDIT); }));
        Item<CNumEdit>(IDC_GAIN_EDIT + 5)->SetFocus();
        ASSERT_TRUE(SettleUntil([&] { return focusedId() == IDC_GAIN_EDIT + 5; }));
        Page().FocusFirstEdit();
        PumpPendingEvents();
        EXPECT_EQ(focusedId(), IDC_GAIN_EDIT + 5);
    }
}

// A pointer resting on the graph when an arrow key moves on goes to just below the graph's lower
// left corner, wherever the window has moved since.
TEST_F(InputPage, AnArrowKeyParksThePointerJustBelowTheGraph)
{
    ShowInputPage();
    m_pFrame->Move(37, 23);
    Settle(50);  // the move comes back from the X server, which no state of the window tells
    auto* pGraph = Item<CEqCurveStatic>(IDC_CURVE);
    pGraph->WarpPointer(200, 100);
    const wxRect rc = pGraph->GetScreenRect();
    ASSERT_TRUE(SettleUntil([&] { return rc.Contains(wxGetMousePosition()); }));
    PostMessage(&Page(), WM_NUMEDIT_KEY, IDC_GAIN_EDIT + 2, 39);
    EXPECT_TRUE(SettleUntil([&] { return wxGetMousePosition() == wxPoint(rc.GetLeft(), rc.GetBottom() + 1); }))
        << wxGetMousePosition().x << "," << wxGetMousePosition().y;
}

// The "Selected Input" box keeps its place and size for every input in both languages, and the
// input's whole name lies inside it, clear of its edges.
TEST_F(InputPage, TheSelectedInputBoxShowsTheWholeName)
{
    ShowInputPage();
    auto* pBox = Item<CBitButton>(IDC_SEL_INPUT);
    const wxRect rcBox = pBox->GetRect();
    EXPECT_EQ(rcBox.GetSize(), wxSize(InputPageLayout::kSelInput.cx, InputPageLayout::kSelInput.cy));
    for (const bool bChinese : {false, true}) {
        if ((g_bChinese != 0) != bChinese)
            m_pView->ToggleLanguage(1);
        for (int k = 0; k < MUSIC_CHANNELS; ++k) {
            SCOPED_TRACE(testing::Message() << (bChinese ? "Chinese, input " : "English, input ") << k);
            m_pView->SelectActiveInput(k, InputChangeBy::QuickSelect);
            EXPECT_EQ(pBox->GetRect(), rcBox);
            // The name's pixels: far brighter than the dark display.
            const wxImage face = DrawToImage(*pBox);
            int nLeft = face.GetWidth(), nRight = -1;
            for (int y = 2; y < face.GetHeight() - 2; ++y)
                for (int x = 2; x < face.GetWidth() - 2; ++x)
                    if (face.GetRed(x, y) + face.GetGreen(x, y) + face.GetBlue(x, y) > 240) {
                        nLeft = std::min(nLeft, x);
                        nRight = std::max(nRight, x);
                    }
            ASSERT_GE(nRight, 0);
            EXPECT_GT(nLeft, 8);
            EXPECT_LT(nRight, face.GetWidth() - 9);
        }
    }
    if (g_bChinese != 0)
        m_pView->ToggleLanguage(1);
}

// Page 0 in the parametric and graphic layouts and under each AUX mode, in both languages: the
// 2-Way button labelled in each language, the Chinese label drawn, and the no-input mark shown.
TEST_F(InputPage, ScreenshotsOfEachLayoutAndModeInBothLanguages)
{
    wxImage parametric[2];
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        if ((g_bChinese != 0) != bChinese)
            m_pView->ToggleLanguage(1);
        g_nInputMode = 0;
        m_pView->SelectActiveInput(3, InputChangeBy::QuickSelect);
        Music(3).SetGraphicEQ(0);
        Music(3).GetBand(2)->SetGainPos(260);
        Music(3).GetBand(6)->SetGainPos(140);
        Music(3).GetBand(9)->SetFlat(true);
        ShowInputPage();
        parametric[bChinese] = Screenshot("input_page_peq");
        EXPECT_TRUE(ShowsTextIn(parametric[bChinese], InCapture(IDC_TWO_WAY), skin::kLabel, 24, 2));
        Music(3).SetGraphicEQ(1);
        Page().RefreshChannelButtons();
        Screenshot("input_page_geq");
        for (const int nMode : {1, 2}) {
            m_pView->SelectInputMode(nMode);
            Page().RefreshChannelButtons();
            Screenshot("input_page_mode" + std::to_string(nMode));
        }
        m_pView->SelectInputMode(0);
        g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
        Page().RefreshChannelButtons();
        EXPECT_TRUE(ShowsColour(Screenshot("input_page_no_input"), InCapture(IDC_INPUT + 3), skin::kWarning));
        g_masterSettings.SetField(&MasterSettings::m_byNoInput, 0);
    }
    EXPECT_TRUE(DifferIn(parametric[0], parametric[1], InCapture(IDC_TWO_WAY)));
}
