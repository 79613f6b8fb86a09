// The main window: start-up state, pages, pop-ups, language, the exit prompt and the end of the
// device link on every way of closing.
#include <gtest/gtest.h>
#include <wx/menu.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <optional>
#include <vector>

#include "app/AboutDlg.h"
#include "app/HalvekApp.h"
#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "app/MessageBox.h"
#include "app/ViewIds.h"
#include "app/SaveDataDlg.h"
#include "controls/BitButton.h"
#include "controls/ControlIds.h"
#include "controls/EnTabCtrl.h"
#include "controls/FileDialogST.h"
#include "controls/FontStatic.h"
#include "controls/GradientProgressCtrl.h"
#include "controls/PictureStatic.h"
#include "controls/ShowLink.h"
#include "controls/WndMessages.h"
#include "controls/XPButton.h"
#include "controls/ReportList.h"
#include "grid/DataViewDlg.h"
#include "link/LinkState.h"
#include "link/ProgressTarget.h"
#include "link/UpgradeDlg.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/StdAfx.h"
#include "pages/InPutDlg.h"
#include "pages/Level_Delay_Dlg.h"
#include "pages/OutputDlg.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "platform/UsbInUseList.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"
#include "res/ViewSkins.h"
#include "tests/support/DialogItem.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/EmulatorTcpServer.h"
#include "tests/support/FirmwareFiles.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProcessorEmulator.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TransferShown.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {
constexpr char kUsbPath[] = "/dev/hidraw-emulated";

CNetOptions NoNetwork()
{
    CNetOptions options;
    options.adapters = [] { return std::vector<NetAdapter>{}; };
    return options;
}

CLinkTimeouts FastTimeouts()
{
    CLinkTimeouts timeouts;
    timeouts.usbReportWait = std::chrono::milliseconds(300);
    timeouts.usbReplyLimit = std::chrono::milliseconds(500);
    timeouts.usbEnterUpdate = std::chrono::milliseconds(50);
    timeouts.hexApplyPause = std::chrono::milliseconds(50);
    return timeouts;
}

void Click(wxWindow* pCtrl)
{
    wxCommandEvent click(wxEVT_BUTTON, pCtrl->GetId());
    click.SetEventObject(pCtrl);
    pCtrl->GetParent()->ProcessWindowEvent(click);
}

void Command(wxWindow* pWnd, int nCommand)
{
    wxCommandEvent command(wxEVT_MENU, WxId(nCommand));
    command.SetEventObject(pWnd);
    pWnd->ProcessWindowEvent(command);
}

// The face a skinned button shows now is the face of that id.
bool ShowsFace(CDrawnControl& ctrl, int nSkin)
{
    const wxImage shown = DrawToImage(ctrl);
    const wxImage face = LoadSkin(nSkin).ConvertToImage();
    return shown.GetSize() == face.GetSize() &&
        std::memcmp(shown.GetData(), face.GetData(), std::size_t(face.GetWidth()) * face.GetHeight() * 3) == 0;
}

std::vector<std::string> UsbDevicesInUse()
{
    Settings().Reload();
    return Settings().ValueNames(USB_IN_USE_KEY);
}

// Answers the modal dialog of type Dialog that opens next with the button nButton.
template <class Dialog>
void AnswerNextDialog(int nButton)
{
    wxTheApp->CallAfter([nButton] {
        for (wxWindow* pWnd : wxTopLevelWindows) {
            auto* pDialog = dynamic_cast<Dialog*>(pWnd);
            if (pDialog == nullptr || !pDialog->IsModal())
                continue;
            wxWindow* pButton = pDialog->FindWindow(WxId(nButton));
            ASSERT_NE(pButton, nullptr);
            wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
            click.SetEventObject(pButton);
            pButton->ProcessWindowEvent(click);
            return;
        }
        ADD_FAILURE() << "no modal dialog to answer";
    });
}

class MainView : public testing::Test {
protected:
    void SetUp() override
    {
        ResetLinkGlobals();
        g_bChinese = 0;
        g_bSynced = 0;
        g_nCurPage = 1;
        g_nSystemLcid = LCID_ENGLISH_US;
        m_doc.OnNewDocument();
        m_pFrame = new CMainFrame;
        m_pView = m_pFrame->OpenDocument(m_doc, m_hid, NoNetwork(), FastTimeouts());
        m_pFrame->Show();
        ASSERT_TRUE(SettleShown(*m_pFrame));
    }

    void TearDown() override
    {
        CFileDialogST::SetTestAnswer({});
        if (!Closing())
            m_pFrame->Destroy();
        wxTheApp->ProcessIdle();
        PumpPendingEvents();
        g_bChinese = 0;
        ResetLinkGlobals();
    }

    // Opens the USB link to an emulated processor as the connect steps do and starts the worker.
    void OpenUsbLink()
    {
        m_hid.Plug(kUsbPath, m_emulator);
        ASSERT_EQ(m_pView->m_link.ConnectUsb(), 1);
        m_pView->m_link.StartLinkThread();
        m_pView->m_netSocket.StartLinkCheck();
        ASSERT_EQ(UsbDevicesInUse(), std::vector<std::string>{kUsbPath});
    }

    bool Closing() const { return wxTheApp->IsScheduledForDestruction(m_pFrame); }

    bool LinkRunning() const
    {
        std::thread* pThread = m_pView->m_link.GetLinkThread();
        return pThread != nullptr && pThread->joinable();
    }

    // Closing ends the worker, frees the device and ends the link check.
    void ExpectLinkEnded()
    {
        EXPECT_FALSE(LinkRunning());
        EXPECT_TRUE(UsbDevicesInUse().empty());
        EXPECT_FALSE(m_pView->m_netSocket.IsLinkCheckRunning());
    }

    // Presses the exit button and answers the prompt.
    void ExitWith(int nAnswer)
    {
        AnswerNextDialog<CSaveData_Dlg>(nAnswer);
        Click(m_pView->GetDlgItem(2773));
    }

    void CloseFrameWith(wxEventType type)
    {
        wxCloseEvent close(type, m_pFrame->GetId());
        close.SetEventObject(m_pFrame);
        close.SetCanVeto(false);
        m_pFrame->ProcessWindowEvent(close);
    }

    wxMenu* PopUp(int nButton)
    {
        wxMenu* pShown = nullptr;
        m_pView->SetPopupHandler([&](wxMenu& menu, const wxPoint& pt) {
            pShown = &menu;
            m_ptPopup = pt;
        });
        Click(m_pView->GetDlgItem(nButton));
        m_pView->SetPopupHandler({});
        return pShown;
    }

    CHalvekDoc m_doc;
    CProcessorEmulator m_emulator;
    CEmulatedHidBackend m_hid;
    CMainFrame* m_pFrame = nullptr;
    CHalvekView* m_pView = nullptr;
    wxPoint m_ptPopup;
};
}  // namespace

TEST_F(MainView, StartsWithTheOutputPageAndTheLampSayingNoProcessorIsConnected)
{
    EXPECT_EQ(g_pView, m_pView);
    EXPECT_EQ(g_pNotifyWnd.load(), GetWndHandle(m_pView));
    EXPECT_EQ(m_pFrame->GetClientSize(), wxSize(kViewWidth, kViewHeight));
    EXPECT_EQ(m_pFrame->GetTitle(), "Tarvi");
    EXPECT_EQ(m_pView->m_link.m_bOnline, 0);

    auto* pLamp = Item<CShow_Link>(*m_pView, 2776);
    EXPECT_EQ(pLamp->GetLabel(), "Not connected devices");
    EXPECT_TRUE(pLamp->IsBlinking());
    EXPECT_EQ(Item<CXPButton>(*m_pView, 1413)->CurrentBitmap(), 8753);

    EXPECT_EQ(Item<CEnTabCtrl>(*m_pView, 1368)->GetRect(), PageArea());
    EXPECT_TRUE(m_pView->m_pageOutput->IsShown());
    EXPECT_FALSE(m_pView->m_pageInput->IsShown());
    EXPECT_FALSE(m_pView->m_pageLevel->IsShown());
    EXPECT_EQ(m_pView->m_pageOutput->GetSize(), wxSize(kPageWidth, kPageHeight));
    EXPECT_TRUE(Item<CBitButton>(*m_pView, 2561)->GetCheck());

    // The selectors, modes and "System" show; "Report", the name edit and the progress bar do not.
    for (int nId : {2561, 2562, 2563, 2066, 2067, 2068, 2069, 8803, 8801, 8802, 1413, 2770, 2776})
        EXPECT_TRUE(m_pView->GetDlgItem(nId)->IsShown()) << nId;
    for (int nId : {8804, 1002, 1414})
        EXPECT_FALSE(m_pView->GetDlgItem(nId)->IsShown()) << nId;
    // Every control of the top bar lies inside it.
    for (wxWindow* pChild : m_pView->GetChildren()) {
        if (pChild->IsShown() && pChild->GetId() != WxId(1368)) {
            EXPECT_TRUE(wxRect(0, 0, kViewWidth, kTopBarHeight).Contains(pChild->GetRect())) << CtrlId(pChild->GetId());
        }
    }
}

// Start-up makes the list of USB devices in use exist before any processor is looked for.
TEST(MainViewStartUp, CreatesTheListOfDevicesInUseInAFreshSettingsFolder)
{
    ResetLinkGlobals();
    ASSERT_FALSE(CFileSettingsStore().HasKey(USB_IN_USE_KEY));
    CHalvekDoc doc;
    doc.OnNewDocument();
    CEmulatedHidBackend hid;
    auto* pFrame = new CMainFrame;
    pFrame->OpenDocument(doc, hid, NoNetwork(), FastTimeouts());
    CFileSettingsStore startedLater;
    EXPECT_TRUE(startedLater.HasKey(USB_IN_USE_KEY));
    EXPECT_TRUE(startedLater.ValueNames(USB_IN_USE_KEY).empty());
    pFrame->Destroy();
    wxTheApp->ProcessIdle();
    PumpPendingEvents();
    ResetLinkGlobals();
}

// Without a processor, from start-up on, the output page's input field shows the active input, as
// the quick buttons do, whichever quick button chose it.
TEST_F(MainView, TheOutputPagesInputFieldShowsTheActiveInputOffline)
{
    auto& field = *dynamic_cast<CBitButton*>(m_pView->m_pageOutput->GetDlgItem(5688));
    struct Step {
        const char* name;
        int nQuickButton;  // 0: none pressed
        int nInput;
    };
    for (const Step& s : {Step{"start", 0, 1}, Step{"Phone", 2827, 2}, Step{"AUX", 2818, 3}, Step{"Hi.Level", 2826, 1}}) {
        SCOPED_TRACE(s.name);
        if (s.nQuickButton != 0)
            Click(m_pView->GetDlgItem(s.nQuickButton));
        PumpPendingEvents();
        EXPECT_EQ(g_nCurInput, s.nInput);
        EXPECT_TRUE(ShowsFace(field, 452 + s.nInput));
        for (const auto& [nButton, nInput] : {std::pair{2826, 1}, {2827, 2}, {2818, 3}})
            EXPECT_EQ(Item<CBitButton>(*m_pView, nButton)->GetCheck(), nInput == s.nInput) << nButton;
    }
}

TEST_F(MainView, PresetPopUpGreysTheDeviceCommandsWhileNoLinkIsOpen)
{
    struct Case {
        const char* name;
        bool bOnline;
    };
    for (const Case c : {Case{"no link", false}, Case{"USB link", true}}) {
        SCOPED_TRACE(c.name);
        if (c.bOnline)
            OpenUsbLink();
        wxMenu* pMenu = PopUp(8801);
        ASSERT_NE(pMenu, nullptr);
        for (int nId : {720, 721, 722, 724, 726})
            EXPECT_EQ(pMenu->IsEnabled(WxId(nId)), c.bOnline) << nId;
        for (int nId : {723, 725})
            EXPECT_TRUE(pMenu->IsEnabled(WxId(nId))) << nId;
        const wxRect rcButton = m_pView->GetDlgItem(8801)->GetRect();
        EXPECT_EQ(m_ptPopup, wxPoint(rcButton.GetLeft(), rcButton.GetBottom() + 3));
    }
}

TEST_F(MainView, ToolsPopUpOffersLanguageAdvancedFirmwareHelpAndAbout)
{
    wxMenu* pMenu = PopUp(8802);
    ASSERT_NE(pMenu, nullptr);
    std::vector<int> ids;
    for (wxMenuItem* pItem : pMenu->GetMenuItems())
        ids.push_back(CtrlId(pItem->GetId()));
    EXPECT_EQ(ids, (std::vector<int>{729, 728, 727, 730, 731}));
}

// A pop-up menu takes the pointer without the button seeing it leave: the hover face goes when
// the menu opens.
TEST_F(MainView, APopUpButtonDropsItsHoverFaceWhenItsMenuOpens)
{
    // The connect button offers its menu when a processor and the network are both there.
    m_hid.Plug(kUsbPath, m_emulator);
    m_pView->m_netSocket.m_bReachable = 1;
    for (const int nId : {8801, 8802, 1413}) {
        SCOPED_TRACE(nId);
        auto* pButton = Item<CXPButton>(*m_pView, nId);
        const int nNormal = pButton->CurrentBitmap();
        const wxPoint ptInside(pButton->GetSize().x / 2, pButton->GetSize().y / 2);
        auto mouse = [&](wxEventType type) {
            wxMouseEvent event(type);
            event.SetPosition(ptInside);
            event.SetEventObject(pButton);
            pButton->ProcessWindowEvent(event);
        };
        mouse(wxEVT_MOTION);
        ASSERT_NE(pButton->CurrentBitmap(), nNormal);
        std::optional<int> faceWithMenu;
        m_pView->SetPopupHandler([&](wxMenu&, const wxPoint&) { faceWithMenu = pButton->CurrentBitmap(); });
        mouse(wxEVT_LEFT_DOWN);
        mouse(wxEVT_LEFT_UP);
        m_pView->SetPopupHandler({});
        ASSERT_TRUE(faceWithMenu.has_value());
        EXPECT_EQ(*faceWithMenu, nNormal);
        EXPECT_EQ(pButton->CurrentBitmap(), nNormal);
    }
    m_pView->m_netSocket.m_bReachable = 0;
}

TEST_F(MainView, LanguageCommandSwitchesEverySkinAndMenuTextAndBack)
{
    struct Face {
        int nId;
        int nEnglish;
        int nChinese;
    };
    // The faces the top-bar controls show now: the output page's selector and Hi.Level are
    // checked, which is their pressed face.
    const Face bitButtons[] = {{2561, 4302, 4312}, {2563, 4306, 4316}, {2826, 8121, 8151},
                               {2818, 8103, 8133}, {2827, 8102, 8132}};
    const Face xpButtons[] = {{8801, 8720, 8701}, {8802, 8721, 8702}, {1413, 8753, 8751}};
    struct Text {
        int nId;
        const char* szEnglish;
        const char* szChinese;
    };
    const Text presetTexts[] = {
        {720, "Load Machine Preset(&E)", "加载 机器预置场景(&E)"},
        {721, "Save As Machine Preset(&I)", "另存为 机器预置场景(&I)"},
        {722, "Delete Machine Preset(&D)", "删除 机器预置场景(&D)"},
        {723, "Load PC Presets File(&O)", "加载 电脑上场景文件(&O)"},
        {724, "Load All Presets", "加载 整机场景"},
        {725, "Save As PC Presets File(&S)", "另存为 电脑上场景文件(&S)"},
        {726, "Save All Presets", "保存 整机场景"},
    };
    const Text toolTexts[] = {
        {727, "Firmware Update", "固件更新"},
        {728, "Advanced", "高级"},
        {729, "Chinese", "English"},
        {730, "Help(&F)", "帮助(&F)"},
        {731, "About(&A)", "关于(&A)..."},
    };
    auto expectLanguage = [&](bool bChinese) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        EXPECT_EQ(g_bChinese != 0, bChinese);
        EXPECT_EQ(Item<CPictureStatic>(*m_pView, 2828)->GetBitmap(), bChinese ? 757 : 756);
        for (const Face& f : bitButtons)
            EXPECT_TRUE(ShowsFace(*Item<CBitButton>(*m_pView, f.nId), bChinese ? f.nChinese : f.nEnglish)) << f.nId;
        for (const Face& f : xpButtons)
            EXPECT_EQ(Item<CXPButton>(*m_pView, f.nId)->CurrentBitmap(), bChinese ? f.nChinese : f.nEnglish) << f.nId;
        EXPECT_EQ(Item<CShow_Link>(*m_pView, 2776)->GetLabel(),
                  wxString::FromUTF8(bChinese ? "未连接设备" : "Not connected devices"));
        wxMenu* pPreset = PopUp(8801);
        for (const Text& t : presetTexts)
            EXPECT_EQ(pPreset->GetLabel(WxId(t.nId)), wxString::FromUTF8(bChinese ? t.szChinese : t.szEnglish));
        wxMenu* pTools = PopUp(8802);
        for (const Text& t : toolTexts)
            EXPECT_EQ(pTools->GetLabel(WxId(t.nId)), wxString::FromUTF8(bChinese ? t.szChinese : t.szEnglish));
    };
    expectLanguage(false);
    Command(m_pView, 729);
    expectLanguage(true);
    Command(m_pView, 729);
    expectLanguage(false);

    // On a system whose language is Chinese the English menu offers "中文".
    g_nSystemLcid = LCID_CHINESE_SIMPLIFIED;
    m_pView->SetLanguage();
    EXPECT_EQ(PopUp(8802)->GetLabel(WxId(729)), wxString::FromUTF8("中文"));
}

TEST_F(MainView, CustomPresetNameFollowsTheLanguageOnlyWhileSynchronisedAndNotFromAStoredSlot)
{
    auto* pName = Item<CBitButton>(*m_pView, 2770);
    struct Case {
        const char* name;
        int bSynced;
        BYTE byPreset;
        const char* szAfter;
    };
    for (const Case& c : {Case{"synchronised", 1, 0, "自定义"}, Case{"not synchronised", 0, 0, "Custom"},
                          Case{"stored slot", 1, 3, "Custom"}}) {
        SCOPED_TRACE(c.name);
        g_bChinese = 0;
        g_bSynced = c.bSynced;
        g_byCurPreset = c.byPreset;
        pName->SetLabel("Custom");
        Command(m_pView, 729);
        EXPECT_EQ(pName->GetLabel(), wxString::FromUTF8(c.szAfter));
    }
}

TEST_F(MainView, PageSelectorsAndTheOutputPagesLevelButtonSwitchPages)
{
    struct Step {
        const char* name;
        int nButton;  // 0: the output page's "Level & Delay >" button
        int nPage;
    };
    const Step steps[] = {{"music input", 2562, 0}, {"music input again", 2562, 0}, {"level", 2563, 2},
                          {"output", 2561, 1},      {"output page's level button", 0, 2}};
    wxWindow* pages[] = {m_pView->m_pageInput, m_pView->m_pageOutput, m_pView->m_pageLevel};
    const int selectors[] = {2562, 2561, 2563};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.nButton != 0) {
            Click(m_pView->GetDlgItem(s.nButton));
        } else {
            Click(m_pView->m_pageOutput->GetDlgItem(5689));
            PumpPendingEvents();
        }
        EXPECT_EQ(g_nCurPage, s.nPage);
        for (int nPage = 0; nPage < 3; ++nPage) {
            EXPECT_EQ(pages[nPage]->IsShown(), nPage == s.nPage) << nPage;
            EXPECT_EQ(Item<CBitButton>(*m_pView, selectors[nPage])->GetCheck(), nPage == s.nPage) << nPage;
        }
    }
}

TEST_F(MainView, ModeAndInputButtonsShowTheCurrentChoiceAndQueueNothingWithoutALink)
{
    auto expectMode = [&](int nMode) {
        for (int i = 0; i < 4; ++i) {
            const int nBase = kModeFaceBase + i * kModeFacesPerMode;
            EXPECT_EQ(Item<CXPButton>(*m_pView, 2066 + i)->CurrentBitmap(), i == nMode ? nBase + 3 : nBase) << i;
        }
    };
    expectMode(0);
    Click(m_pView->GetDlgItem(2068));
    EXPECT_EQ(g_modeTable.m_byMode, 2);
    expectMode(2);

    Click(m_pView->GetDlgItem(2827));
    EXPECT_EQ(g_inputSettings.Get().m_byInput, 2);
    EXPECT_TRUE(Item<CBitButton>(*m_pView, 2827)->GetCheck());
    EXPECT_FALSE(Item<CBitButton>(*m_pView, 2826)->GetCheck());
    EXPECT_FALSE(Item<CBitButton>(*m_pView, 2818)->GetCheck());
    EXPECT_EQ(m_pView->m_command.GetQueueCount(), 0);
}

TEST_F(MainView, ModeParametersAreSetOneByOneAndReadSixForTheCurrentMode)
{
    m_pView->SetModeParam(2, 0, 0x1234);
    m_pView->SetModeParam(2, 5, 0xBEEF);
    m_pView->SetModeParam(2, 6, 7);  // kept, but not among the six read
    for (auto [nMode, nIndex] : {std::pair{4, 0}, {-1, 0}, {2, 8}, {2, -1}})
        m_pView->SetModeParam(nMode, nIndex, 0xFFFF);  // names no parameter: nothing changes
    EXPECT_EQ(g_modeTable.m_nModeParam[2][6], 7);
    EXPECT_EQ(g_modeTable.m_nModeParam[3][0], 0);

    g_modeTable.m_byMode = 2;
    EXPECT_EQ(m_pView->GetModeParams(), (std::array<WORD, 6>{0x1234, 0, 0, 0, 0, 0xBEEF}));
    g_modeTable.m_byMode = 1;
    EXPECT_EQ(m_pView->GetModeParams(), (std::array<WORD, 6>{}));
    g_modeTable.m_byMode = 200;  // as a processor might report it
    EXPECT_EQ(m_pView->GetModeParams(), (std::array<WORD, 6>{}));
}

// A connected program polls the meters some hundred times a second, each reply a posted status
// message. With the program's idle settings no window gets idle or update-UI events after them,
// and a status that changes nothing has nothing repainted.
TEST_F(MainView, AnIdleLinkRepaintsNothingAndSendsNoWindowIdleEvents)
{
    SendIdleEventsOnlyWhereAsked();
    struct RestoreModes {
        ~RestoreModes()
        {
            wxIdleEvent::SetMode(wxIDLE_PROCESS_ALL);
            wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_ALL);
        }
    } restore;
    m_hid.Plug(kUsbPath, m_emulator);
    ASSERT_EQ(m_pView->ConnectUsbPath(kUsbPath), 1);
    ASSERT_TRUE(SettleUntil([] { return g_bSynced && TransferShownOver(); }));
    // The first status sets what the view shows; the repaints that and the read-back's progress
    // leave come back from the X server, and no state says when the last one is in.
    Settle(300);
    int nIdle = 0, nUpdateUi = 0, nPaints = 0;
    std::function<void(wxWindow*)> watch = [&](wxWindow* pWnd) {
        pWnd->Bind(wxEVT_IDLE, [&](wxIdleEvent& event) { ++nIdle; event.Skip(); });
        pWnd->Bind(wxEVT_UPDATE_UI, [&](wxUpdateUIEvent& event) { ++nUpdateUi; event.Skip(); });
        pWnd->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) { ++nPaints; event.Skip(); });
        for (wxWindow* pChild : pWnd->GetChildren())
            watch(pChild);
    };
    watch(m_pFrame);
    m_emulator.ClearLog();
    // Nothing may happen for half a second: a time, not a state, to wait for.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (std::chrono::steady_clock::now() < end) {
        Settle(10);
        wxTheApp->ProcessIdle();  // as the main loop does after its messages
    }
    EXPECT_GE(m_emulator.Log().size(), 10u);  // polled all along
    EXPECT_EQ(nIdle, 0);
    EXPECT_EQ(nUpdateUi, 0);
    EXPECT_EQ(nPaints, 0);
}

// The toolkit's idle pass follows every event and walks every window; the hidden pages and their
// controls take no part in it, and a page shown is walked again.
TEST_F(MainView, TheIdlePassLeavesTheHiddenPagesOut)
{
    std::array<int, 3> nIdle{};
    for (int n = 0; n < 3; ++n) {
        wxWindow* pControl = m_pView->m_pages[n]->GetChildren().front();
        pControl->SetExtraStyle(pControl->GetExtraStyle() | wxWS_EX_PROCESS_IDLE);
        pControl->Bind(wxEVT_IDLE, [&nIdle, n](wxIdleEvent& event) {
            ++nIdle[n];
            event.Skip();
        });
    }
    wxTheApp->ProcessIdle();
    EXPECT_EQ(nIdle, (std::array<int, 3>{0, 1, 0}));
    m_pView->ShowPage(2, 1);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(nIdle, (std::array<int, 3>{0, 1, 1}));
}

TEST_F(MainView, ExitPromptCancelKeepsTheProgramAndTheLinkRunning)
{
    OpenUsbLink();
    ExitWith(2);
    EXPECT_FALSE(Closing());
    EXPECT_TRUE(LinkRunning());
    EXPECT_EQ(UsbDevicesInUse(), std::vector<std::string>{kUsbPath});
    EXPECT_TRUE(m_pView->m_netSocket.IsLinkCheckRunning());
}

TEST_F(MainView, ExitPromptNoClosesWithoutAFileDialog)
{
    OpenUsbLink();
    int nDialogs = 0;
    CFileDialogST::SetTestAnswer([&](const CFileDialogST&) -> std::optional<std::string> {
        ++nDialogs;
        return std::nullopt;
    });
    ExitWith(2790);
    EXPECT_EQ(nDialogs, 0);
    ExpectLinkEnded();
    EXPECT_TRUE(Closing());
}

TEST_F(MainView, ExitPromptYesSavesThePresetFileThenCloses)
{
    OpenUsbLink();
    const std::string strFolder = ConfigFolder();
    CFileDialogST::SetTestAnswer([&](const CFileDialogST& dlg) -> std::optional<std::string> {
        EXPECT_FALSE(dlg.IsOpenDialog());
        return strFolder + "/evening";
    });
    ExitWith(1);
    const std::string strFile = strFolder + "/evening.TarviC1";
    ASSERT_TRUE(std::filesystem::exists(strFile));
    EXPECT_EQ(std::filesystem::file_size(strFile), PRESET_FILE_SIZE);
    ExpectLinkEnded();
    EXPECT_TRUE(Closing());
}

// Mended: a save the user asked for that does not happen keeps the program open.
TEST_F(MainView, ExitPromptYesThenCancelledOrFailedSaveKeepsTheProgramOpen)
{
    OpenUsbLink();
    CMessageBoxRecorder boxes;
    struct Case {
        const char* name;
        std::optional<std::string> answer;
        size_t nMessages;
    };
    const Case cases[] = {
        {"save dialog cancelled", std::nullopt, 0},
        {"save fails", ConfigFolder() + "/no such folder/evening", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        CFileDialogST::SetTestAnswer([&](const CFileDialogST&) { return c.answer; });
        ExitWith(1);
        EXPECT_FALSE(Closing());
        EXPECT_TRUE(LinkRunning());
        EXPECT_EQ(UsbDevicesInUse(), std::vector<std::string>{kUsbPath});
        ASSERT_EQ(boxes.shown.size(), c.nMessages);
        if (c.nMessages != 0) {
            EXPECT_EQ(boxes.shown[0].text, "Save presets file error!");
        }
    }
}

// Mended: closing by the window manager or at the end of the session also ends the link.
TEST_F(MainView, WindowManagerCloseEndsTheLink)
{
    OpenUsbLink();
    CloseFrameWith(wxEVT_CLOSE_WINDOW);
    ExpectLinkEnded();
    EXPECT_TRUE(Closing());
}

TEST_F(MainView, EndOfSessionEndsTheLink)
{
    OpenUsbLink();
    CloseFrameWith(wxEVT_END_SESSION);
    ExpectLinkEnded();
    EXPECT_TRUE(Closing());
}

TEST_F(MainView, TheNetworkDisconnectClosesTheClientSocket)
{
    CEmulatorTcpServer server(m_emulator);
    ASSERT_EQ(m_pView->m_clientSocket.Connect("127.0.0.1", server.Port()), LinkError::None);
    m_pView->DisconnectNetwork();
    EXPECT_FALSE(m_pView->m_clientSocket.IsOpen());
}

TEST_F(MainView, HelpWithoutItsFileSaysSo)
{
    g_szHelpFileEn = ConfigFolder() + "/EN_Help.chm";
    wxTheApp->CallAfter([] {
        CMessageBox* pBox = CMessageBox::GetActive();
        ASSERT_NE(pBox, nullptr);
        EXPECT_EQ(pBox->GetTitle(), "Help");
        EXPECT_FALSE(pBox->FindWindow(wxID_OK)->IsShown());
        EXPECT_EQ(pBox->FindWindow(wxID_CANCEL)->GetLabel(), "Quit");
        wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
        pBox->FindWindow(wxID_CANCEL)->ProcessWindowEvent(click);
    });
    Command(m_pView, 730);
    EXPECT_EQ(CMessageBox::GetActive(), nullptr);
}

TEST_F(MainView, ApplicationAboutCommandShowsItsVersionLine)
{
    for (bool bChinese : {false, true}) {
        g_bChinese = bChinese;
        wxTheApp->CallAfter([bChinese] {
            for (wxWindow* pWnd : wxTopLevelWindows) {
                auto* pDlg = dynamic_cast<CAboutDlg*>(pWnd);
                if (pDlg == nullptr || !pDlg->IsModal())
                    continue;
                EXPECT_EQ(pDlg->GetTitle(), wxString::FromUTF8(bChinese ? "帮助" : "About"));
                EXPECT_EQ(pDlg->GetDlgItem(1867)->GetLabel(), "Quindo Version 1.0");
                pDlg->EndModal(1);
                return;
            }
            ADD_FAILURE() << "no about box";
        });
        Command(m_pFrame, 57664);
    }
}

// No command opens the report: its button stays hidden. The view's operation shows the document's
// preset in it, modally.
TEST_F(MainView, ReportOperationShowsTheDocumentsPresetModally)
{
    EXPECT_FALSE(m_pView->GetDlgItem(8804)->IsShown());
    g_bSynced = 1;  // the setter stores as a page's edit does
    m_doc.m_data.GetOutData(0)->SetLevel(300);
    g_bSynced = 0;
    bool bShown = false;
    wxTheApp->CallAfter([&] {
        for (wxWindow* pWnd : wxTopLevelWindows) {
            auto* pDlg = dynamic_cast<CDataViewDlg*>(pWnd);
            if (pDlg == nullptr || !pDlg->IsModal())
                continue;
            bShown = true;
            EXPECT_EQ(pDlg->GetTitle(), "Report");
            EXPECT_EQ(pDlg->ParameterList().GetItemText(68, 9), "-30.0dB");
            pDlg->EndModal(2);
            return;
        }
    });
    m_pView->ShowReportDialog();
    EXPECT_TRUE(bShown);
}

// The logo is a picture, no control: pressed, it drags the window like the bare view around it.
TEST_F(MainView, DraggingTheBareTopBarOrTheLogoMovesTheWindow)
{
    auto mouse = [&](wxWindow* pWnd, wxEventType type, wxPoint pt) {
        wxMouseEvent event(type);
        event.SetPosition(pt);
        event.SetEventObject(pWnd);
        pWnd->ProcessWindowEvent(event);
    };
    wxWindow* pLogo = m_pView->GetDlgItem(2828);
    const wxPoint ptLogo = pLogo->GetPosition();
    struct Case {
        const char* name;
        wxWindow* pPressed;
        wxPoint ptPressed;  // in the coordinates of the window pressed
        wxPoint ptOnView;   // the same point on the view
    };
    const Case cases[] = {{"top bar", m_pView, {560, 76}, {560, 76}},
                          {"logo", pLogo, {10, 8}, ptLogo + wxPoint(10, 8)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The last move comes back from the X server, which no state of the window tells.
        Settle(50);
        const wxPoint ptStart = m_pFrame->GetPosition();
        mouse(c.pPressed, wxEVT_LEFT_DOWN, c.ptPressed);
        // The view holds the mouse while it drags: the moves and the release come to it.
        mouse(m_pView, wxEVT_MOTION, c.ptOnView + wxPoint(40, 30));
        mouse(m_pView, wxEVT_LEFT_UP, c.ptOnView + wxPoint(40, 30));
        EXPECT_EQ(m_pFrame->GetPosition(), ptStart + wxPoint(40, 30));
    }
}

// The setting is a switch: a stored number is brought to 0 or 1.
TEST_F(MainView, LineSettingIsCreatedWithItsDefaultAndReadBack)
{
    const char kKey[] = "Software/Tarvi_1.exe/Line_Set";
    EXPECT_EQ(Settings().ReadString(kKey, "Line_Set"), "1");
    for (const auto& [szStored, nExpected] :
         {std::pair{"0", 0}, {"1", 1}, {"7", 1}, {"99999999999", 1}, {"-3", 0}, {"", 0}, {"on", 0}}) {
        Settings().WriteString(kKey, "Line_Set", szStored);
        m_pView->LoadLineSetting();
        EXPECT_EQ(g_nLineSet, nExpected) << szStored;
    }
    g_nLineSet = 1;
    m_pView->SaveLineSetting();
    EXPECT_EQ(Settings().ReadString(kKey, "Line_Set"), "1");
}

// The window in both languages: the shown page's selector checked in teal, and the input page's
// selector labelled in each language, the Chinese label drawn.
TEST_F(MainView, ScreenshotsInBothLanguages)
{
    const wxRect rcInput = RectInCapture(*m_pView->GetDlgItem(IDC_PAGE_INPUT), *m_pFrame);
    wxImage shots[2];
    for (bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        if ((g_bChinese != 0) != bChinese)
            Command(m_pView, 729);
        const wxImage& shot = shots[bChinese] = CaptureWindow(*m_pFrame);
        EXPECT_TRUE(SaveScreenshot(shot, std::string("main_window_") + (bChinese ? "cn" : "en")));
        EXPECT_TRUE(IsDrawn(shot, RectInCapture(*m_pView->m_pageOutput, *m_pFrame)));
        EXPECT_TRUE(ShowsColour(shot, RectInCapture(*m_pView->GetDlgItem(IDC_PAGE_OUTPUT), *m_pFrame), skin::kTeal));
        EXPECT_TRUE(ShowsTextIn(shot, rcInput, skin::kLabel, 24, 2));
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], rcInput));
}

TEST_F(MainView, FirmwareCommandRunsTheUpdateDialogAndQuitLeavesFirmwareMode)
{
    AnswerNextDialog<CUpgradeDlg>(CUpgradeDlg::IDC_QUIT);
    Command(m_pView, 727);
    EXPECT_EQ(g_pUpdateProgress.load(), nullptr);
    EXPECT_EQ(g_pCurHexUpTip.load(), nullptr);
    EXPECT_EQ(g_bUpdating, 0);
    EXPECT_EQ(g_bUpdateWaiting, 0);
}

TEST_F(MainView, ChoosingAFirmwareFileRemembersItsFolderOnlyForBin)
{
    CTempFirmwareFiles files;
    const std::string strFile = files.Write(McuFirmwareFile(TestImage(100)));
    std::string strStart;
    CFileDialogST::SetTestAnswer([&](const CFileDialogST& dlg) -> std::optional<std::string> {
        strStart = dlg.GetFileDir();
        return strFile;
    });
    EXPECT_EQ(m_pView->ChooseFirmwareFile(), 1);
    EXPECT_EQ(g_strFirmwareFile, strFile);
    Settings().Reload();
    EXPECT_EQ(Settings().ReadString("Software/Tarvi_1.exe/DspMcu", "Path"), files.Folder());
    EXPECT_EQ(Settings().ReadString("Software/Tarvi_1.exe/DspMcu", "Name"), strFile);

    // The dialog starts in that folder next time; a BIN in capitals is chosen, its folder not kept.
    CFileDialogST::SetTestAnswer([&](const CFileDialogST& dlg) -> std::optional<std::string> {
        strStart = dlg.GetFileDir();
        return std::string("/elsewhere/FIRMWARE.BIN");
    });
    EXPECT_EQ(m_pView->ChooseFirmwareFile(), 0);
    EXPECT_EQ(strStart, files.Folder() + "/");
    EXPECT_EQ(g_strFirmwareFile, "/elsewhere/FIRMWARE.BIN");
    Settings().Reload();
    EXPECT_EQ(Settings().ReadString("Software/Tarvi_1.exe/DspMcu", "Path"), files.Folder());
    g_strFirmwareFile.clear();
}

// The update dialog takes the open link from the view, updates the processor and the view ends
// the update with its message.
TEST_F(MainView, AnUpdateTakesTheLinkFromTheViewAndEndsWithItsMessage)
{
    OpenUsbLink();
    CMessageBoxRecorder boxes;
    CTempFirmwareFiles files;
    const std::vector<BYTE> mcu = TestImage(700);
    g_strFirmwareFile = files.Write(McuFirmwareFile(mcu));
    auto* pDlg = new CUpgradeDlg(*m_pView);
    pDlg->Create(m_pView);
    pDlg->Show();
    wxWindow* pUpdate = pDlg->GetDlgItem(CUpgradeDlg::IDC_UPDATE);
    wxCommandEvent click(wxEVT_BUTTON, pUpdate->GetId());
    pUpdate->ProcessWindowEvent(click);
    EXPECT_EQ(g_bUpdating, 1);
    // The view's own bar counts the file's packets.
    EXPECT_EQ(Item<CGradientProgressCtrl>(*m_pView, 1414)->GetRangeUpper(), (700 - 1) / 48);

    EXPECT_TRUE(SettleUntil([] { return g_bUpdating == 0; }));
    EXPECT_EQ(m_emulator.State().firmware.lastMcu, mcu);
    EXPECT_EQ(pDlg->Tip()->GetLabel(), "Update successfully");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, "Update successfully");
    EXPECT_FALSE(LinkRunning());
    EXPECT_EQ(g_nLinkType, LINK_NONE);
    delete pDlg;
    g_strFirmwareFile.clear();
}
