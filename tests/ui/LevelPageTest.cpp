// The level and delay page in the main view, on the emulated processor where a change must reach
// it: levels, switches, polarity, the active input, the meters, the car plan with its units,
// links and keyboard ring, both languages.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>
#include <string>
#include <thread>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/BtnPng.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/SLamp.h"
#include "controls/VirtualKeys.h"
#include "link/StatusNews.h"
#include "model/KTV_OutData.h"
#include "model/Music_InData.h"
#include "model/SpeakerGroupTable.h"
#include "model/StdAfx.h"
#include "pages/DelayPlan.h"
#include "pages/InPutDlg.h"
#include "pages/Level_Delay_Dlg.h"
#include "pages/Level_Delay_DlgIds.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"
#include "tests/support/FrameBytes.h"
#include "tests/ui/ControlHost.h"
#include "platform/MessageIds.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/ViewOnLink.h"

using namespace Level_Delay_DlgIds;

namespace {

class LevelPage : public ViewOnLink {
protected:
    void SetUp() override { Start(LinkWay::Usb, false); }
    void TearDown() override
    {
        g_bChinese = 0;
        ViewOnLink::TearDown();
    }

    CLevel_Delay_Dlg& Page() { return *m_pView->m_pageLevel; }
    template <class T>
    T& Item(int nId)
    {
        auto* p = dynamic_cast<T*>(Page().GetDlgItem(nId));
        EXPECT_NE(p, nullptr) << nId;
        return *p;
    }
    CNumEdit& Edit(int nId) { return Item<CNumEdit>(nId); }
    CKTV_OutData& Out(int n) { return *m_pView->m_pData->GetOutData(n); }

    void ShowLevelPage()
    {
        m_pView->ShowPage(2, 1);
        PumpPendingEvents();
    }
    // The roles of the outputs as the processor sends them, the positions regrouped.
    void SetRoles(std::array<BYTE, OUTPUT_CHANNELS> roles)
    {
        std::copy(roles.begin(), roles.end(), g_roleStates.m_byOutRole);
        g_speakerGroups.GroupOutputsByPosition();
    }
    void Connect()
    {
        m_hid.Plug(kUsbPath, m_emulator);
        ASSERT_EQ(m_pView->ConnectUsbPath(kUsbPath), 1);
        ASSERT_TRUE(WaitSynced());
    }
    void Click(int nId)
    {
        SendCommandToParent(Page().GetDlgItem(nId));
        PumpPendingEvents();
    }
    // Types a text into a field and leaves it, as a user does.
    void Type(int nId, const char* szText)
    {
        CNumEdit& edit = Edit(nId);
        SendFocus(&edit, true);
        PumpPendingEvents();
        TypeText(&edit, wxString::FromUTF8(szText));
        SendFocus(&edit, false);
        PumpPendingEvents();
    }
    std::vector<int> CheckedInputButtons()
    {
        std::vector<int> checked;
        for (int k = 0; k < 6; ++k)
            if (Item<CBitButton>(IDC_INPUT_BUTTON + k).GetCheck())
                checked.push_back(k);
        return checked;
    }
    std::vector<int> CheckedUnitButtons()
    {
        std::vector<int> checked;
        for (int u = 0; u < 3; ++u)
            if (Item<CBitButton>(IDC_UNIT_MS + u).GetCheck())
                checked.push_back(u + 1);
        return checked;
    }
    bool WaitForWrite(int nBlock, int nIndex)
    {
        return SettleUntil([&] { return !Received(nBlock, nIndex).empty(); });
    }
};

}  // namespace

TEST_F(LevelPage, Screenshots)
{
    m_emulator.Edit([](EmuState& s) {
        const std::uint8_t kCodes[8] = {0x55, 0x09, 0x03, 0x17, 0x28, 0x06, 0x00, 0x00};
        std::copy(std::begin(kCodes), std::end(kCodes), s.meters.begin() + 6);
    });
    Connect();
    // Values a tuned car might have.
    for (int n = 0; n < 6; ++n) {
        Out(n).SetLevel(static_cast<std::int16_t>(600 - 25 * n));
        Out(n).SetOn(n != 4);
        Out(n).SetPolarity(n == 3);
        Out(n).SetDelay(static_cast<std::int16_t>(12 * n + 7));
    }
    for (int k = 0; k < 6; ++k)
        m_pView->m_pData->GetMusicData(k)->SetLevel(420 + 30 * k);
    ShowLevelPage();
    ASSERT_TRUE(SettleUntil([&] { return Item<CSLamp>(IDC_METER).IsLit(4); }));
    Click(IDC_POSITION + 5);  // output 0's front left full range
    // Where a control of the page lies in a picture of the window.
    const auto place = [&](int nId) { return RectInCapture(*Page().GetDlgItem(nId), *m_pFrame); };
    // The chosen position and the millisecond unit checked in teal, the first output's level
    // inside its field, and the unit labelled in each language.
    wxImage shots[2];
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese ? 1 : 0;
        m_pView->ToggleLanguage(0);
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(*m_pFrame), std::string("level_page_") + (bChinese ? "cn" : "en")));
        const wxImage& shot = shots[bChinese] = CaptureWindow(*m_pFrame);
        EXPECT_TRUE(ShowsColour(shot, place(IDC_POSITION + 5), skin::kTeal));
        EXPECT_TRUE(ShowsColour(shot, place(IDC_UNIT_MS), skin::kTeal));
        EXPECT_TRUE(ShowsTextIn(shot, place(IDC_OUT_EDIT), *wxWHITE, 40, 1));
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], place(IDC_UNIT_MS)));
    // Three-way fronts, a centre pair and the rear in inches, the front left linked.
    SetRoles({1, 2, 3, 7, 8, 9, 19, 20});
    g_nDelayUnit = 3;
    m_pView->RefreshOutputPage();
    Click(IDC_GROUP_LINK);
    // The front left's link and the inch unit checked in teal, the millisecond unit not.
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese ? 1 : 0;
        m_pView->ToggleLanguage(0);
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(*m_pFrame), std::string("level_page_plan_") + (bChinese ? "cn" : "en")));
        const wxImage shot = CaptureWindow(*m_pFrame);
        EXPECT_TRUE(ShowsColour(shot, place(IDC_GROUP_LINK), skin::kTeal));
        EXPECT_TRUE(ShowsColour(shot, place(IDC_UNIT_INCH), skin::kTeal));
        EXPECT_FALSE(ShowsColour(shot, place(IDC_UNIT_MS), skin::kTeal));
    }
}

// The page selector of the top bar and the output page's level-page button both lead to page 2.
TEST_F(LevelPage, ReachedFromTheTopBarAndFromTheOutputPage)
{
    SendCommandToParent(m_pView->GetDlgItem(2563));
    PumpPendingEvents();
    EXPECT_EQ(g_nCurPage, 2);
    EXPECT_TRUE(Page().IsShown());
    m_pView->ShowPage(1, 1);
    EXPECT_FALSE(Page().IsShown());
    PostMessage(m_pView, WM_SHOW_LEVEL_PAGE, 0, 0);
    PumpPendingEvents();
    EXPECT_EQ(g_nCurPage, 2);
    EXPECT_TRUE(Page().IsShown());
}

// An output without a role shows only its no-role face; a role byte beyond 24 from the
// processor counts as no role: no field, icon or face of its own.
TEST_F(LevelPage, AnOutputWithoutARoleShowsOnlyItsNoRoleFace)
{
    SetRoles({6, 12, 15, 18, 22, 23, 0, 30});
    ShowLevelPage();
    for (int n = 0; n < OUTPUT_CHANNELS; ++n) {
        SCOPED_TRACE(n);
        const bool bRole = n < 6;
        EXPECT_EQ(Edit(IDC_OUT_EDIT + n).IsShown(), bRole);
        EXPECT_EQ(Item<CBitmapSlider>(IDC_OUT_SLIDER + n).IsShown(), bRole);
        EXPECT_EQ(Item<CBitButton>(IDC_OUT_ON + n).IsShown(), bRole);
        EXPECT_EQ(Item<CBitButton>(IDC_OUT_POLARITY + n).IsShown(), bRole);
        EXPECT_EQ(Item<CSLamp>(IDC_METER + n).IsShown(), bRole);
        EXPECT_EQ(Item<CBitButton>(IDC_NO_ROLE + n).IsShown(), !bRole);
    }
    // Output 7's role face is the no-role face, as output 6's.
    const wxImage face6 = DrawToImage(Item<CBitButton>(IDC_ROLE_FACE + 6));
    const wxImage face7 = DrawToImage(Item<CBitButton>(IDC_ROLE_FACE + 7));
    EXPECT_EQ(std::memcmp(face6.GetData(), face7.GetData(), std::size_t(face6.GetWidth()) * face6.GetHeight() * 3), 0);
    for (int f = 0; f < DELAY_FIELDS; ++f)
        EXPECT_NE(Item<CNumSpin>(IDC_DELAY_SPIN + f).GetItemData(), 7);
    // Fields 1, 4, 9, 11, 12, 13 serve outputs 0-5; every other field is hidden and serves none.
    const int kOutputOfField[DELAY_FIELDS] = {-1, 0, -1, -1, 1, -1, -1, -1, -1, 2, -1, 3, 4, 5, -1};
    for (int f = 0; f < DELAY_FIELDS; ++f) {
        SCOPED_TRACE(f);
        EXPECT_EQ(Item<CNumSpin>(IDC_DELAY_SPIN + f).GetItemData(), kOutputOfField[f]);
        EXPECT_EQ(Edit(IDC_DELAY_EDIT + f).IsShown(), kOutputOfField[f] >= 0);
    }
    int nShownIcons = 0;
    for (int p = 0; p < DELAY_POSITIONS; ++p)
        nShownIcons += Item<CBtnPng>(IDC_POSITION + p).IsShown();
    EXPECT_EQ(nShownIcons, 6);
}

// Values beyond a field's range (from the processor or a file) are shown at the nearest end,
// without a message box, without a change mark, and they stay as they are until the user edits
// them: an edit to the end shown is written and sent.
TEST_F(LevelPage, LoadingShowsValuesBeyondTheRangeClampedSilently)
{
    Connect();
    const bool bWasSynced = g_bSynced;
    g_bSynced = 0;  // as the processor's data arrives
    Out(0).SetLevel(700);
    Out(0).SetDelay(300);
    m_pView->m_pData->GetMusicData(2)->SetLevel(650);
    g_masterSettings.SetField(&MasterSettings::m_wVolume, 100);
    g_bSynced = bWasSynced;
    m_emulator.ClearLog();
    ShowLevelPage();
    EXPECT_EQ(Edit(IDC_OUT_EDIT).GetText(), "0.0dB");
    EXPECT_EQ(Edit(IDC_DELAY_EDIT + 1).GetText(), "5.396");
    EXPECT_EQ(Edit(IDC_INPUT_EDIT + 2).GetText(), "0.0dB");
    EXPECT_EQ(Edit(IDC_MASTER_EDIT).GetText(), "6dB");
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_EQ(Out(0).GetBaseChanged(), 0);
    EXPECT_EQ(m_pView->m_pData->GetMusicData(2)->GetBaseChanged(), 0);
    EXPECT_EQ(g_bSendMaster, 0);
    EXPECT_EQ(Out(0).GetLevel(), 700);
    EXPECT_EQ(Out(0).GetDelay(), 300);
    // A click on the field commits what it shows already: the value stays.
    Click(IDC_DELAY_EDIT + 1);
    Click(IDC_OUT_EDIT);
    EXPECT_EQ(Out(0).GetDelay(), 300);
    EXPECT_EQ(Out(0).GetLevel(), 700);
    Settle(100);  // a write that must not come leaves nothing to wait for: give it the time
    EXPECT_TRUE(Received(emu::BLOCK_OUTPUT, 0).empty());

    Type(IDC_OUT_EDIT, "0.0");
    EXPECT_EQ(Out(0).GetLevel(), 600);
    EXPECT_TRUE(WaitForWrite(emu::BLOCK_OUTPUT, 0));
    PostMessage(&Page(), WM_SLIDER_MOVED, IDC_INPUT_SLIDER + 2, 0);
    PumpPendingEvents();
    EXPECT_EQ(m_pView->m_pData->GetMusicData(2)->GetLevel(), 600);
    EXPECT_TRUE(WaitForWrite(emu::BLOCK_MUSIC, 2));
}

// After every refresh exactly the active input's button is checked: at start-up, after a file
// load, after the processor or the music input page changed the input.
TEST_F(LevelPage, ExactlyTheActiveInputsButtonIsChecked)
{
    ShowLevelPage();
    EXPECT_EQ(CheckedInputButtons(), std::vector<int>{g_nCurInput});
    g_nCurInput = 4;  // a file load chose AUX2
    m_pView->RefreshOutputPage();
    EXPECT_EQ(CheckedInputButtons(), std::vector<int>{4});
    g_nCurInput = 1;  // the music input page took the processor's report
    PostMessage(&Page(), WM_DEVICE_INPUT_CHANGED, 0, 1);
    PumpPendingEvents();
    EXPECT_EQ(CheckedInputButtons(), std::vector<int>{1});
    g_nCurInput = 5;  // the music input page chose AUX3
    PostMessage(&Page(), WM_INPUT_SELECTED, 0, 1);
    PumpPendingEvents();
    EXPECT_EQ(CheckedInputButtons(), std::vector<int>{5});
    PostMessage(&Page(), WM_DEVICE_INPUT_CHANGED, 0, 2);  // not the input the pages show: ignored
    PumpPendingEvents();
    EXPECT_EQ(CheckedInputButtons(), std::vector<int>{5});
    m_pView->ToggleLanguage(1);
    EXPECT_EQ(CheckedInputButtons(), std::vector<int>{5});
    g_nCurInput = 200;  // an input the page has no button for
    m_pView->RefreshOutputPage();
    EXPECT_TRUE(CheckedInputButtons().empty());
}

// With the processor reporting no input, an input button clears the report (item 5) and then
// chooses the input (item 2); the music input page hears the state from before.
TEST_F(LevelPage, AnInputButtonSendsItemFiveThenItemTwo)
{
    Connect();
    ShowLevelPage();
    std::vector<std::pair<WPARAM, LPARAM>> told;
    BindMessage(g_pInputPage, WM_INPUT_SELECTED, [&](WPARAM wParam, LPARAM lParam) {
        told.emplace_back(wParam, lParam);
        return LRESULT(0);
    });
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
    const int nBefore = g_nCurInput;
    m_emulator.ClearLog();
    Click(IDC_INPUT_BUTTON + 3);
    ASSERT_TRUE(WaitForWrite(emu::BLOCK_SYSTEM, emu::ITEM_INPUT));
    std::vector<int> items;
    for (const EmuRequest& r : m_emulator.Log())
        if (r.byClass == emu::WRITE && r.byBlock == emu::BLOCK_SYSTEM)
            items.push_back(r.byIndex);
    EXPECT_EQ(items, (std::vector<int>{emu::ITEM_MASTER, emu::ITEM_INPUT}));
    const EmuState state = m_emulator.State();
    EXPECT_EQ(state.input[0], 3);
    EXPECT_EQ(state.master[3], 0);
    EXPECT_EQ(CheckedInputButtons(), std::vector<int>{3});
    EXPECT_EQ(told, (std::vector<std::pair<WPARAM, LPARAM>>{{1, nBefore}}));
    // The active input again: nothing to send.
    m_emulator.ClearLog();
    Click(IDC_INPUT_BUTTON + 3);
    Settle(100);  // a write that must not come leaves nothing to wait for: give it the time
    EXPECT_TRUE(Received(emu::BLOCK_SYSTEM, emu::ITEM_INPUT).empty());
    EXPECT_TRUE(Received(emu::BLOCK_SYSTEM, emu::ITEM_MASTER).empty());
    BindMessage(g_pInputPage, WM_INPUT_SELECTED, {});
}

// "-3.45" typed in output 1's level stores code 565 and sends output 1's base group: on,
// polarity, level 565, delay, EQ mode, role.
TEST_F(LevelPage, ATypedLevelSendsTheOutputsBaseGroup)
{
    Connect();
    Out(0).SetOn(1);
    Out(0).SetPolarity(0);
    Out(0).SetDelay(20);
    ASSERT_TRUE(SettleUntil([&] { return Out(0).GetBaseChanged() == 0; }));
    Settle(50);  // the write taken off the queue still reaches the log; it has no end to wait on
    ShowLevelPage();
    m_emulator.ClearLog();
    Type(IDC_OUT_EDIT, "-3.45");
    EXPECT_EQ(Out(0).GetLevel(), 565);
    EXPECT_EQ(Edit(IDC_OUT_EDIT).GetText(), "-3.5dB");
    ASSERT_TRUE(WaitForWrite(emu::BLOCK_OUTPUT, 0));
    char szBody[80];
    std::snprintf(szBody, sizeof szBody, "A1 01 00 04 00 1F 00 00 0800 01 00 35 02 14 00 %02X %02X", Out(0).GetGraphicEQ(),
                  Out(0).GetRole());
    const std::vector<BYTE> expected = Framed(HexBytes(szBody));
    EXPECT_EQ(Received(emu::BLOCK_OUTPUT, 0).front(), HexText(expected.data(), static_cast<int>(expected.size())));

    // A value shown reads back to the code shown.
    Type(IDC_OUT_EDIT, "-40.2");
    EXPECT_EQ(Out(0).GetLevel(), 198);
    EXPECT_EQ(Edit(IDC_OUT_EDIT).GetText(), "-40.2dB");
    Type(IDC_DELAY_EDIT + 1, "0.104");
    EXPECT_EQ(Out(0).GetDelay(), 5);
    EXPECT_EQ(Edit(IDC_DELAY_EDIT + 1).GetText(), "0.104");
}

// Each kind of control of the page reaches the processor.
TEST_F(LevelPage, EveryKindOfControlReachesTheProcessor)
{
    Connect();
    ShowLevelPage();
    auto outByte = [&](int n, int nByte) {
        return m_emulator.State().images[0][emu::OUTPUT_OFFSET + emu::OUTPUT_SIZE * n + 248 + std::size_t(nByte)];
    };
    auto outWord = [&](int n, int nByte) { return outByte(n, nByte) | outByte(n, nByte + 1) << 8; };

    Type(IDC_MASTER_EDIT, "-20");
    EXPECT_TRUE(SettleUntil([&] { return m_emulator.State().master[0] == 40; }));
    const bool bMasterOn = Item<CBitButton>(IDC_MASTER_ON).GetCheck();
    Click(IDC_MASTER_ON);
    EXPECT_TRUE(SettleUntil([&] { return m_emulator.State().master[6] == (bMasterOn ? 0 : 1); }));

    Type(IDC_INPUT_EDIT + 2, "-12");
    const std::size_t nMusicLevel = emu::MUSIC_OFFSET + emu::MUSIC_SIZE * 2 + 248 + 6;
    EXPECT_TRUE(SettleUntil([&] {
        const EmuImage image = m_emulator.State().images[0];
        return (image[nMusicLevel] | image[nMusicLevel + 1] << 8) == 480;
    }));

    CBitmapSlider& slider = Item<CBitmapSlider>(IDC_OUT_SLIDER + 1);
    slider.SetPos(300);
    PostMessage(&Page(), WM_SLIDER_MOVED, IDC_OUT_SLIDER + 1, 0);
    PumpPendingEvents();
    EXPECT_EQ(Out(1).GetLevel(), 300);
    EXPECT_TRUE(SettleUntil([&] { return outWord(1, 2) == 300; }));

    const bool bOn = Item<CBitButton>(IDC_OUT_ON + 2).GetCheck();
    Click(IDC_OUT_ON + 2);
    EXPECT_TRUE(SettleUntil([&] { return outByte(2, 0) == (bOn ? 0 : 1); }));
    const bool bInverted = Item<CBitButton>(IDC_OUT_POLARITY + 3).GetCheck();
    Click(IDC_OUT_POLARITY + 3);
    EXPECT_TRUE(SettleUntil([&] { return outByte(3, 1) == (bInverted ? 0 : 1); }));

    Type(IDC_DELAY_EDIT + 12, "2.6");  // output 4, the left subwoofer
    EXPECT_TRUE(SettleUntil([&] { return outWord(4, 4) == 124; }));
    Edit(IDC_DELAY_EDIT + 13).SetFocus();
    SendKey(&Edit(IDC_DELAY_EDIT + 13), WXK_UP);  // output 5's delay one step up
    PumpPendingEvents();
    const int nDelay5 = Out(5).GetDelay();
    EXPECT_TRUE(SettleUntil([&] { return outWord(5, 4) == nDelay5; }));
}

// Meter codes from the processor's status replies: the low nibble lights the bar, bits 0x40,
// 0x20, 0x10 lamps 9, 10, 11; a nibble above 9 leaves the bar; a disconnect darkens them all.
TEST_F(LevelPage, MetersFollowTheStatusReplies)
{
    m_emulator.Edit([](EmuState& s) { s.meters[6] = 0x55; });
    Connect();
    ShowLevelPage();
    CSLamp& meter = Item<CSLamp>(IDC_METER);
    ASSERT_TRUE(SettleUntil([&] { return meter.IsLit(0); }));
    const bool kLit55[12] = {true, true, true, true, true, false, false, false, false, true, false, true};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(meter.IsLit(i), kLit55[i]) << i;
    m_emulator.Edit([](EmuState& s) { s.meters[6] = 0x0C; });
    ASSERT_TRUE(SettleUntil([&] { return !meter.IsLit(9); }));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(meter.IsLit(i), i < 5) << i;
    m_pView->DisconnectLink();
    for (int n = 0; n < OUTPUT_CHANNELS; ++n)
        for (int i = 0; i < 12; ++i)
            EXPECT_FALSE(Item<CSLamp>(IDC_METER + n).IsLit(i));
}

// Choosing an input drops the status reports queued before it; the meters still show the codes
// the last of them brought, which the worker will not tell of again while they stay the same.
TEST_F(LevelPage, MetersKeepTheCodesOfTheStatusReportsAnInputChoiceDrops)
{
    m_emulator.Edit([](EmuState& s) { s.meters[6] = 0x55; });
    Connect();
    ShowLevelPage();
    CSLamp& meter = Item<CSLamp>(IDC_METER);
    ASSERT_TRUE(SettleUntil([&] { return meter.IsLit(9); }));

    // The worker stores the new codes and tells the view; its message waits in the queue.
    m_emulator.Edit([](EmuState& s) { s.meters[6] = 0x03; });
    ASSERT_TRUE(WaitUntil([] {
        std::lock_guard lock(g_csLink);
        return g_nDevStatus[6] == 0x03;
    }));
    Click(IDC_INPUT_BUTTON + (g_nCurInput + 1) % 3);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(meter.IsLit(i), i < 3) << i;
    m_pView->DisconnectLink();
}

// Counts the status messages posted to the view and passes every message on.
class CStatusCounter : public IMessagePoster {
public:
    CStatusCounter() : m_pNext(SetMessagePoster(this)) {}
    ~CStatusCounter() override { SetMessagePoster(m_pNext); }
    bool Post(const PostedMessage& msg) override
    {
        m_nCount += msg.nMsg == WM_STATUS_RECEIVED ? 1 : 0;
        return m_pNext->Post(msg);
    }
    std::atomic<int> m_nCount{0};

private:
    IMessagePoster* m_pNext;
};

// A processor playing music moves its meters at every poll. The view hears of a status only when
// it acts on it: with the output page shown only of a new active input, with the level page shown
// of the meters too, at most once a meter frame.
TEST_F(LevelPage, TheViewHearsOfMovingMetersOnlyWhileTheyAreShown)
{
    CStatusCounter told;
    Connect();
    std::atomic<bool> bPlaying = true;
    std::thread music([&] {
        for (unsigned n = 0; bPlaying; ++n) {
            m_emulator.Edit([n](EmuState& s) { s.meters[6 + n % OUTPUT_CHANNELS] = static_cast<std::uint8_t>(n % 10); });
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    auto polls = [&] {
        int n = 0;
        for (const EmuRequest& r : m_emulator.Log())
            n += r.byClass == emu::READ && r.byBlock == emu::BLOCK_SYSTEM && r.byIndex == emu::ITEM_STATUS;
        return n;
    };
    Settle(100);  // the quiet moment before the log is cleared: a poll may be on its way
    m_emulator.ClearLog();
    told.m_nCount = 0;
    Settle(300);  // polls come, a status message must not
    EXPECT_GE(polls(), 10);
    EXPECT_EQ(told.m_nCount, 0);

    m_emulator.Edit([](EmuState& s) { s.input[0] = 3; });
    EXPECT_TRUE(SettleUntil([] { return g_nCurInput == 3; }));
    EXPECT_GE(told.m_nCount, 1);

    ShowLevelPage();
    told.m_nCount = 0;
    const auto start = std::chrono::steady_clock::now();
    Settle(400);  // the messages of some ten meter frames are counted
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(told.m_nCount, 1);
    EXPECT_LE(told.m_nCount, 1 + elapsed / CStatusNews::METER_FRAME);
    bPlaying = false;
    music.join();
    m_pView->DisconnectLink();
}

// A page that notes whether the link lock is held while the view has it load a received preset.
class CLockProbePage : public CPage {
public:
    CLockProbePage(IPageHost& host, CKTV_Data& data) : CPage(IDD_LEVEL_DELAY, host, data) {}
    void RefreshFromModel() override {}
    void OnDataLoaded() override
    {
        ++m_nLoads;
        m_bLoadedUnderLock = g_csLink.HeldByThisThread();
    }
    int m_nLoads = 0;
    bool m_bLoadedUnderLock = false;
};

// The pages show a preset read from the processor with the link lock free: the worker meanwhile
// sends what the batch queued after its last read (the live name that ends a connection's
// read-back) instead of waiting for the pages, tens of milliseconds.
TEST_F(LevelPage, AReceivedPresetIsShownWithTheLinkLockFree)
{
    Connect();
    CLockProbePage probe(*m_pView, *m_pView->m_pData);
    CPage* pInputPage = std::exchange(m_pView->m_pages[0], &probe);
    SendMessage(m_pView, WM_PRESET_RECEIVED, 0, 0);
    m_pView->m_pages[0] = pInputPage;
    EXPECT_EQ(probe.m_nLoads, 1);
    EXPECT_FALSE(probe.m_bLoadedUnderLock);
}

// The processor's settings: the live name that ends a connection's read-back is queued before the
// pages follow them (here told of a new input), not after.
TEST_F(LevelPage, TheLiveNameIsQueuedBeforeThePagesFollowTheSettings)
{
    Connect();
    g_bTrafficPaused = 1;  // the worker parks after its transaction, which holds the lock taken here
    {
        std::lock_guard lock(g_csLink);
        while (m_pView->m_command.GetHead() != nullptr)
            m_pView->m_command.RemoveHead();
    }
    g_inputSettings.SetField(&InputSettings::m_byInput, static_cast<BYTE>(g_nCurInput == 3 ? 2 : 3));
    struct CInputNews : IMessagePoster {
        CInputNews(CKTVCommand& command) : m_command(command), m_pNext(SetMessagePoster(this)) {}
        ~CInputNews() override { SetMessagePoster(m_pNext); }
        bool Post(const PostedMessage& msg) override
        {
            if (msg.nMsg == WM_DEVICE_INPUT_CHANGED && m_nQueued < 0) {
                std::lock_guard lock(g_csLink);
                m_nQueued = m_command.GetQueueCount();
            }
            return m_pNext->Post(msg);
        }
        CKTVCommand& m_command;
        IMessagePoster* m_pNext;
        int m_nQueued = -1;  // when the pages were first told
    } news(m_pView->m_command);
    SendMessage(m_pView, WM_DEVICE_SETTINGS_RECEIVED, 0, 0);
    ASSERT_GE(news.m_nQueued, 1);
    EXPECT_EQ(news.m_nQueued, QueueCount());
    m_pView->DisconnectLink();
}

// Only the current unit's button is checked, also when the output page changed the unit the
// pages share; a unit changes the texts, never a delay.
TEST_F(LevelPage, OnlyTheCurrentUnitsButtonIsChecked)
{
    Out(0).SetDelay(48);
    ShowLevelPage();
    EXPECT_EQ(CheckedUnitButtons(), std::vector<int>{1});
    EXPECT_EQ(Edit(IDC_DELAY_EDIT + 1).GetText(), "1.000");
    m_pView->ShowPage(1, 1);
    g_nDelayUnit = 3;  // the output page's inch button
    ShowLevelPage();
    EXPECT_EQ(CheckedUnitButtons(), std::vector<int>{3});
    EXPECT_EQ(Edit(IDC_DELAY_EDIT + 1).GetText(), "14");
    Click(IDC_UNIT_CM);
    EXPECT_EQ(g_nDelayUnit, 2);
    EXPECT_EQ(CheckedUnitButtons(), std::vector<int>{2});
    EXPECT_EQ(Edit(IDC_DELAY_EDIT + 1).GetText(), "35");
    Click(IDC_UNIT_CM);
    EXPECT_EQ(CheckedUnitButtons(), std::vector<int>{2});
    EXPECT_EQ(Out(0).GetDelay(), 48);
    EXPECT_EQ(Out(0).GetBaseChanged(), 0);
    // Typed distances are clamped to the longest delay.
    Type(IDC_DELAY_EDIT + 1, "200");
    EXPECT_EQ(Out(0).GetDelay(), 259);
    Type(IDC_DELAY_EDIT + 1, "-1");
    EXPECT_EQ(Out(0).GetDelay(), 0);
    Click(IDC_UNIT_INCH);
    Type(IDC_DELAY_EDIT + 1, "80");
    EXPECT_EQ(Out(0).GetDelay(), 259);
}

// Every refresh binds the fields anew from the roles: a field whose output lost its role serves
// no output, and a command or a step from it changes nothing.
TEST_F(LevelPage, DelayFieldsAreBoundAnewAtEachRefresh)
{
    SetRoles({1, 3, 0, 0, 0, 0, 0, 0});
    Out(0).SetDelay(10);
    ShowLevelPage();
    EXPECT_EQ(Item<CNumSpin>(IDC_DELAY_SPIN).GetItemData(), 0);
    EXPECT_EQ(Item<CNumSpin>(IDC_DELAY_SPIN + 2).GetItemData(), 1);
    SetRoles({0, 0, 0, 0, 0, 2, 0, 0});
    m_pView->RefreshOutputPage();
    EXPECT_EQ(Item<CNumSpin>(IDC_DELAY_SPIN).GetItemData(), -1);
    EXPECT_EQ(Item<CNumSpin>(IDC_DELAY_SPIN + 2).GetItemData(), -1);
    EXPECT_EQ(Item<CNumSpin>(IDC_DELAY_SPIN + 1).GetItemData(), 5);
    Edit(IDC_DELAY_EDIT).SetValue(100);
    Click(IDC_DELAY_EDIT);
    Click(IDC_DELAY_SPIN);
    PostMessage(&Page(), WM_NUMSPIN_DELTA, IDC_DELAY_SPIN, 1);
    PostMessage(&Page(), WM_NUMSPIN_DELTA, IDC_DELAY_SPIN + 40, 1);  // no delay spin at all
    PumpPendingEvents();
    for (int n = 0; n < OUTPUT_CHANNELS; ++n)
        EXPECT_EQ(Out(n).GetDelay(), n == 0 ? 10 : 0) << n;
}

// A linked front-left tweeter and woofer: a step of one delay moves the other by one unit from
// its own delay; at a bound nothing moves.
TEST_F(LevelPage, LinkedDelaysStepTogether)
{
    SetRoles({1, 3, 0, 0, 0, 0, 0, 0});
    Out(0).SetDelay(100);
    Out(1).SetDelay(120);
    g_nDelayUnit = 2;
    ShowLevelPage();
    CBtnPng& link = Item<CBtnPng>(IDC_GROUP_LINK + 2);  // tweeter and woofer
    EXPECT_TRUE(link.IsShown());
    EXPECT_FALSE(link.GetCheck());
    Click(IDC_GROUP_LINK + 2);
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftState, 1);
    EXPECT_TRUE(link.GetCheck());
    EXPECT_TRUE(Edit(IDC_DELAY_EDIT).IsReadOnly());
    EXPECT_TRUE(Edit(IDC_DELAY_EDIT + 2).IsReadOnly());

    auto shownCm = [&](int f) { return std::stoi(Edit(IDC_DELAY_EDIT + f).GetText().utf8_string()); };
    const int nTweeterCm = shownCm(0);
    const int nWooferCm = shownCm(2);
    Item<CNumSpin>(IDC_DELAY_SPIN).Step(+1);  // the knob's right arrow
    PumpPendingEvents();
    EXPECT_EQ(shownCm(0), nTweeterCm + 1);
    EXPECT_EQ(shownCm(2), nWooferCm + 1);
    const int nWoofer = Out(1).GetDelay();
    EXPECT_GT(nWoofer, 120);

    Out(0).SetDelay(259);
    m_pView->RefreshOutputPage();
    Click(IDC_GROUP_LINK + 2);  // the refresh regrouped: link again
    Item<CNumSpin>(IDC_DELAY_SPIN).Step(+1);
    PumpPendingEvents();
    EXPECT_EQ(Out(0).GetDelay(), 259);
    EXPECT_EQ(Out(1).GetDelay(), nWoofer);  // the tweeter did not move, so the woofer stays

    Out(1).SetDelay(259);
    Out(0).SetDelay(100);
    m_pView->RefreshOutputPage();
    Click(IDC_GROUP_LINK + 2);
    Item<CNumSpin>(IDC_DELAY_SPIN).Step(+1);
    PumpPendingEvents();
    EXPECT_GT(Out(0).GetDelay(), 100);
    EXPECT_EQ(Out(1).GetDelay(), 259);

    Click(IDC_GROUP_LINK + 2);
    EXPECT_EQ(g_speakerGroups.m_nFrontLeftState, 0);
    EXPECT_FALSE(Edit(IDC_DELAY_EDIT).IsReadOnly());
}

// A delay held beyond 0-259 shows at the nearest end; typing what the field shows, or stepping
// the spin toward that end, stores the end and sends it, and a linked partner steps with it by
// one unit from its own delay.
TEST_F(LevelPage, AnEditToTheShownEndOfADelayHeldBeyondItIsWrittenAndSent)
{
    enum class Gesture { Typed, SpinStep };
    struct Case {
        const char* szName;
        int nHeld;
        int nShown;
        Gesture gesture;
        int nStep;  // toward the end shown
    };
    const Case cases[] = {
        {"typed at the top", 300, DELAY_CODE_MAX, Gesture::Typed, +1},
        {"typed at the bottom", -5, 0, Gesture::Typed, -1},
        {"stepped at the top", 300, DELAY_CODE_MAX, Gesture::SpinStep, +1},
        {"stepped at the bottom", -5, 0, Gesture::SpinStep, -1},
    };
    Connect();
    SetRoles({1, 3, 0, 0, 0, 0, 0, 0});  // output 0 front-left tweeter, output 1 its woofer
    ShowLevelPage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const bool bWasSynced = g_bSynced;
        g_bSynced = 0;  // as the processor's data arrives
        Out(0).SetDelay(static_cast<std::int16_t>(c.nHeld));
        Out(1).SetDelay(100);
        g_bSynced = bWasSynced;
        m_pView->RefreshOutputPage();
        const bool bLinked = c.gesture == Gesture::SpinStep;
        if (bLinked)
            Click(IDC_GROUP_LINK + 2);  // tweeter and woofer step together
        ASSERT_EQ(Item<CNumSpin>(IDC_DELAY_SPIN).GetPos(), c.nShown);
        m_emulator.ClearLog();

        if (c.gesture == Gesture::Typed) {
            Type(IDC_DELAY_EDIT, Edit(IDC_DELAY_EDIT).GetText().utf8_string().c_str());
        } else {
            Item<CNumSpin>(IDC_DELAY_SPIN).Step(c.nStep);
            PumpPendingEvents();
        }
        EXPECT_EQ(Out(0).GetDelay(), c.nShown);
        EXPECT_EQ(Out(1).GetDelay(), bLinked ? StepDelay(100, g_nDelayUnit, c.nStep) : 100);
        EXPECT_TRUE(WaitForWrite(emu::BLOCK_OUTPUT, 0));
        if (bLinked)
            Click(IDC_GROUP_LINK + 2);
    }
}

// A new level switches a switched-off output on; outputs linked to it show the level they took
// and their positions are marked, their switches stay.
TEST_F(LevelPage, ALevelSwitchesTheOutputOnAndShowsOnItsLinkedOutputs)
{
    m_pView->m_pData->InitOutputLinks();  // the fixture reset the device data after building it
    g_outLinks.m_nGroup[1] = 0;
    Out(0).SetOn(0);
    Out(1).SetOn(0);
    ShowLevelPage();
    EXPECT_FALSE(Item<CBitButton>(IDC_OUT_ON).GetCheck());
    Type(IDC_OUT_EDIT, "-6");
    EXPECT_EQ(Out(0).GetOn(), 1);
    EXPECT_TRUE(Item<CBitButton>(IDC_OUT_ON).GetCheck());
    EXPECT_EQ(Out(1).GetLevel(), 540);
    EXPECT_EQ(Edit(IDC_OUT_EDIT + 1).GetText(), "-6.0dB");
    EXPECT_EQ(Out(1).GetOn(), 0);
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 5).GetCheck());   // output 0, front left full
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 11).GetCheck());  // output 1, front right full
    g_outLinks.m_nGroup[1] = 1;
}

// The master set on this page shows on the output page, and the reverse.
TEST_F(LevelPage, TheMasterIsOneOnBothPages)
{
    ShowLevelPage();
    Type(IDC_MASTER_EDIT, "-30");
    EXPECT_EQ(g_masterSettings.Get().m_wVolume, 30);
    m_pView->ShowPage(1, 1);
    auto* pOutputMaster = dynamic_cast<CNumEdit*>(m_pView->m_pageOutput->GetDlgItem(OutputDlgIds::IDC_MASTER_EDIT));
    ASSERT_NE(pOutputMaster, nullptr);
    EXPECT_EQ(pOutputMaster->GetText(), "-30dB");
    g_masterSettings.SetField(&MasterSettings::m_wVolume, 0);  // as the output page's field stores it
    ShowLevelPage();
    EXPECT_EQ(Edit(IDC_MASTER_EDIT).GetText(), "OFF");
    m_pView->ToggleLanguage(1);
    EXPECT_EQ(Edit(IDC_MASTER_EDIT).GetText(), wxString::FromUTF8("关闭"));
}

// Left and Right in a field move through the shown fields in the page's order; Tab and Enter
// move on as Right does. The focus on an output's field marks its position.
TEST_F(LevelPage, TheKeyboardRingMovesTheFocus)
{
    ShowLevelPage();
    m_pFrame->Raise();
    ASSERT_TRUE(SettleShown(*m_pFrame));
    auto focusAfter = [&](int nFrom, int nKey) {
        PostMessage(&Page(), WM_NUMEDIT_KEY, WPARAM(nFrom), LPARAM(nKey));
        PumpPendingEvents();
        const auto* pEdit = dynamic_cast<CNumEdit*>(wxWindow::FindFocus());
        return pEdit ? pEdit->GetCtrlId() : 0;
    };
    EXPECT_EQ(focusAfter(IDC_OUT_EDIT + 5, VK_RIGHT), IDC_MASTER_EDIT);  // outputs 6 and 7 have no role
    EXPECT_EQ(focusAfter(IDC_MASTER_EDIT, VK_LEFT), IDC_OUT_EDIT + 5);
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 22).GetCheck());  // output 5, the right subwoofer
    EXPECT_EQ(focusAfter(IDC_INPUT_EDIT + 5, VK_RIGHT), IDC_DELAY_EDIT + 1);
    EXPECT_FALSE(Item<CBtnPng>(IDC_POSITION + 22).GetCheck());
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 5).GetCheck());

    Edit(IDC_INPUT_EDIT).SetFocus();
    ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == &Edit(IDC_INPUT_EDIT); }));
    wxKeyEvent tab(wxEVT_CHAR_HOOK);
    tab.m_keyCode = WXK_TAB;
    tab.SetEventObject(&Edit(IDC_INPUT_EDIT));
    Edit(IDC_INPUT_EDIT).GetEventHandler()->ProcessEvent(tab);
    EXPECT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == &Edit(IDC_INPUT_EDIT + 1); }));
}

// The mouse over an output's switch or polarity selects the output; a position icon selects its
// output and gives its delay field the focus.
TEST_F(LevelPage, HoverAndPositionIconsSelectAnOutput)
{
    ShowLevelPage();
    SendMessage(&Page(), WM_BUTTON_HOVER, 0, IDC_OUT_POLARITY + 2);
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 14).GetCheck());  // output 2, rear left full
    SendMessage(&Page(), WM_BUTTON_HOVER, 0, IDC_OUT_ON + 3);
    EXPECT_FALSE(Item<CBtnPng>(IDC_POSITION + 14).GetCheck());
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 17).GetCheck());
    Click(IDC_POSITION + 21);  // the left subwoofer, output 4
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 21).GetCheck());
    EXPECT_FALSE(Item<CBtnPng>(IDC_POSITION + 17).GetCheck());
}

// The view is told of the replies at most once a meter frame (StatusNewsTest): the meters show
// the codes they are told of at once.
TEST_F(LevelPage, MetersShowTheCodesOfEachStatusTheyAreToldOf)
{
    ShowLevelPage();
    CSLamp& meter = Item<CSLamp>(IDC_METER);
    g_nDevStatus[6] = 0x03;
    Page().UpdateOutputMeters();
    EXPECT_TRUE(meter.IsLit(2));
    EXPECT_FALSE(meter.IsLit(3));
    g_nDevStatus[6] = 0x06;
    Page().UpdateOutputMeters();
    EXPECT_TRUE(meter.IsLit(5));
    EXPECT_FALSE(meter.IsLit(6));
    Page().ClearOutputMeters();
    EXPECT_FALSE(meter.IsLit(0));
}

// A level committed unchanged selects and takes away the marks as a changed one does: an output's
// field marks its output and the outputs linked to it, the master's and the inputs' fields take
// the marks away; a click on a field is such a commit too.
TEST_F(LevelPage, ACommittedLevelSelectsAndUnmarksWhetherOrNotItChanged)
{
    m_pView->m_pData->InitOutputLinks();  // the fixture reset the device data after building it
    g_outLinks.m_nGroup[1] = 0;
    ShowLevelPage();
    auto marked = [&] {
        std::vector<int> positions;
        for (const int p : {5, 11, 14, 17, 21, 22})  // outputs 0 to 5
            if (Item<CBtnPng>(IDC_POSITION + p).GetCheck())
                positions.push_back(p);
        return positions;
    };
    SendMessage(&Page(), WM_BUTTON_HOVER, 0, IDC_OUT_ON + 3);
    ASSERT_EQ(marked(), std::vector<int>{17});

    const int nLevel = Out(0).GetLevel();
    Type(IDC_OUT_EDIT, Edit(IDC_OUT_EDIT).GetText().utf8_string().c_str());
    EXPECT_EQ(Out(0).GetLevel(), nLevel);
    EXPECT_EQ(marked(), (std::vector<int>{5, 11}));
    Type(IDC_MASTER_EDIT, Edit(IDC_MASTER_EDIT).GetText().utf8_string().c_str());
    EXPECT_TRUE(marked().empty());

    Click(IDC_OUT_EDIT + 2);
    EXPECT_EQ(marked(), std::vector<int>{14});
    Type(IDC_INPUT_EDIT + 1, Edit(IDC_INPUT_EDIT + 1).GetText().utf8_string().c_str());
    EXPECT_TRUE(marked().empty());
    // A fader let go where it stands.
    PostMessage(&Page(), WM_SLIDER_MOVED, IDC_OUT_SLIDER + 1, Item<CBitmapSlider>(IDC_OUT_SLIDER + 1).GetRaw());
    PumpPendingEvents();
    EXPECT_EQ(marked(), (std::vector<int>{5, 11}));
    g_outLinks.m_nGroup[1] = 1;
}

// Escape in a field takes the focus to the page, not further to the view.
TEST_F(LevelPage, EscapeTakesTheFocusToThePage)
{
    ShowLevelPage();
    m_pFrame->Raise();
    Edit(IDC_OUT_EDIT + 1).SetFocus();
    ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == &Edit(IDC_OUT_EDIT + 1); }));
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    escape.SetEventObject(&Edit(IDC_OUT_EDIT + 1));
    Edit(IDC_OUT_EDIT + 1).GetEventHandler()->ProcessEvent(escape);
    EXPECT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == &Page(); }));
}

// An output's fader shows its thumb 35 pixels in, and its travel stops 4 pixels short of either
// end, where its face's scale has 0 dB and -60 dB.
TEST_F(LevelPage, OutputFadersPlaceTheirThumbWithinTheirFace)
{
    ShowLevelPage();
    auto& fader = Item<CBitmapSlider>(IDC_OUT_SLIDER);
    const wxImage thumb = LoadSkin(IDB_OUT_THUMB).ConvertToImage();
    ASSERT_TRUE(thumb.IsOk());
    const wxSize size = fader.GetClientSize();
    EXPECT_EQ(size, LoadSkin(IDB_OUT_CHANNEL).GetSize());
    // The thumb's middle pixel where the thumb should stand, at the top and at the bottom.
    for (const auto& [nLevel, nTop] : {std::pair{600, 4}, std::pair{0, size.y - 4 - thumb.GetHeight()}}) {
        SCOPED_TRACE(nLevel);
        fader.SetPos(nLevel);
        const wxImage shown = DrawToImage(fader);
        const int x = thumb.GetWidth() / 2, y = thumb.GetHeight() / 2;
        EXPECT_EQ(PixelAt(shown, 35 + x, nTop + y), PixelAt(thumb, x, y));
        EXPECT_EQ(PixelAt(shown, 35 + x, nTop + y - 2), PixelAt(thumb, x, y - 2));
    }
    EXPECT_GE(size.x, 35 + thumb.GetWidth());
}

// The input columns close up over the optional inputs that are absent and come back when they
// are present; the active input's button stays checked.
TEST_F(LevelPage, InputColumnsCloseUpOverAbsentOptionalInputs)
{
    g_nInputMode = 0;
    ShowLevelPage();
    std::array<wxRect, 6> places{};
    for (int k = 0; k < 6; ++k)
        places[k] = Item<CBitmapSlider>(IDC_INPUT_SLIDER + k).GetRect();
    g_inputSettings.SetField(&InputSettings::m_byOptInputs, 0);
    g_nCurInput = 3;
    Page().RefreshInputColumns();
    for (const int k : {0, 2}) {
        EXPECT_FALSE(Item<CBitmapSlider>(IDC_INPUT_SLIDER + k).IsShown()) << k;
        EXPECT_FALSE(Edit(IDC_INPUT_EDIT + k).IsShown()) << k;
        EXPECT_FALSE(Item<CBitButton>(IDC_INPUT_BUTTON + k).IsShown()) << k;
    }
    const int nPlaceOf[6] = {-1, 0, -1, 1, 2, 3};
    for (const int k : {1, 3, 4, 5}) {
        EXPECT_TRUE(Item<CBitmapSlider>(IDC_INPUT_SLIDER + k).IsShown()) << k;
        EXPECT_EQ(Item<CBitmapSlider>(IDC_INPUT_SLIDER + k).GetRect(), places[nPlaceOf[k]]) << k;
        EXPECT_EQ(Edit(IDC_INPUT_EDIT + k).GetRect().x - places[nPlaceOf[k]].x,
                  Edit(IDC_INPUT_EDIT).GetRect().x - places[0].x)
            << k;
    }
    EXPECT_EQ(CheckedInputButtons(), std::vector<int>{3});

    g_inputSettings.SetField(&InputSettings::m_byOptInputs, 3);
    Page().RefreshInputColumns();
    for (int k = 0; k < 6; ++k) {
        EXPECT_TRUE(Item<CBitButton>(IDC_INPUT_BUTTON + k).IsShown()) << k;
        EXPECT_EQ(Item<CBitmapSlider>(IDC_INPUT_SLIDER + k).GetRect(), places[k]) << k;
    }
}

// With no numeric field focused, the master's field takes the focus and the marks go; a focused
// field keeps it. An output's on state goes to its linked outputs, marking them unless asked not.
TEST_F(LevelPage, TheMasterTakesAnUnclaimedFocusAndLinkedOutputsTakeTheOnState)
{
    m_pView->m_pData->InitOutputLinks();
    g_outLinks.m_nGroup[1] = 0;
    g_outLinks.m_nGroup[2] = 0;
    ShowLevelPage();
    m_pFrame->Raise();
    SendMessage(&Page(), WM_BUTTON_HOVER, 0, IDC_OUT_ON + 3);  // selects output 3, focuses its switch
    ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == &Item<CBitButton>(IDC_OUT_ON + 3); }));
    Page().FocusMasterIfNoEdit();
    EXPECT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == &Edit(IDC_MASTER_EDIT); }));
    EXPECT_FALSE(Item<CBtnPng>(IDC_POSITION + 17).GetCheck());
    Edit(IDC_OUT_EDIT + 4).SetFocus();
    ASSERT_TRUE(SettleUntil([&] { return wxWindow::FindFocus() == &Edit(IDC_OUT_EDIT + 4); }));
    Page().FocusMasterIfNoEdit();
    Settle(30);  // the focus must stay: nothing to wait for but time
    EXPECT_EQ(wxWindow::FindFocus(), &Edit(IDC_OUT_EDIT + 4));

    Out(0).SetOn(0);
    Out(1).SetOn(1);
    Out(2).SetOn(1);
    Out(3).SetOn(1);
    Page().CopyOnToLinked(0, true);
    for (const int n : {1, 2}) {
        EXPECT_EQ(Out(n).GetOn(), 0) << n;
        EXPECT_FALSE(Item<CBitButton>(IDC_OUT_ON + n).GetCheck()) << n;
    }
    EXPECT_EQ(Out(3).GetOn(), 1);
    EXPECT_FALSE(Item<CBtnPng>(IDC_POSITION + 11).GetCheck());
    Out(0).SetOn(1);
    Page().CopyOnToLinked(0, false);
    for (const int n : {1, 2})
        EXPECT_TRUE(Item<CBitButton>(IDC_OUT_ON + n).GetCheck()) << n;
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 11).GetCheck());
    EXPECT_TRUE(Item<CBtnPng>(IDC_POSITION + 14).GetCheck());
    EXPECT_FALSE(Item<CBtnPng>(IDC_POSITION + 5).GetCheck());
    g_outLinks.m_nGroup[1] = 1;
    g_outLinks.m_nGroup[2] = 2;
}
