// What every page and dialog shares: each control a window makes has a row in its template, and
// the view's events reach every page of its list.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/AboutDlg.h"
#include "app/MessageBox.h"
#include "app/SaveDataDlg.h"
#include "app/VersionDlg.h"
#include "app/WarnDlg.h"
#include "controls/BitButton.h"
#include "controls/NumEdit.h"
#include "grid/DataViewDlg.h"
#include "grid/ProgramDlg.h"
#include "grid/SaveDlg.h"
#include "link/ConnectDlg.h"
#include "link/DisplayDlg.h"
#include "link/LockDataDlg.h"
#include "link/UpgradeDlg.h"
#include "pages/Adv_Seting.h"
#include "pages/All_Link_Dlg.h"
#include "pages/CH_Link_Dlg.h"
#include "pages/CurSYSDlg.h"
#include "pages/InPutDlg.h"
#include "pages/Level_Delay_Dlg.h"
#include "pages/Level_Delay_DlgIds.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "pages/ReMap_Dlg.h"
#include "tests/ui/ViewOnLink.h"

namespace {

// A page that counts the view's calls.
class CSpyPage : public CPage {
public:
    CSpyPage(IPageHost& host, CKTV_Data& data) : CPage(Level_Delay_DlgIds::IDD_LEVEL_DELAY, host, data) {}

    void RefreshFromModel() override { ++nRefreshed; }
    void SetLanguage() override { ++nLanguage; }
    void OnLinkOpened() override { ++nOpened; }
    void OnLinkClosed() override { ++nClosed; }

    int nRefreshed = 0;
    int nLanguage = 0;
    int nOpened = 0;
    int nClosed = 0;
};

class Pages : public ViewOnLink {
protected:
    void SetUp() override { Start(LinkWay::Usb, false); }
    void TearDown() override
    {
        if (m_saved[0] != nullptr)
            m_pView->m_pages = m_saved;
        ViewOnLink::TearDown();
    }

    // Puts a spy in each place of the view's page list.
    void SpyOnPages()
    {
        m_saved = m_pView->m_pages;
        for (std::size_t i = 0; i < m_spies.size(); ++i) {
            m_spies[i] = new CSpyPage(*m_pView, *m_pView->m_pData);
            m_spies[i]->Create(m_pView);
            m_pView->m_pages[i] = m_spies[i];
        }
    }

    template <class Count>
    void ExpectEveryPage(Count count, int n)
    {
        for (std::size_t i = 0; i < m_spies.size(); ++i)
            EXPECT_EQ(count(*m_spies[i]), n) << "page " << i;
    }

    std::array<CPage*, 3> m_saved{};
    std::array<CSpyPage*, 3> m_spies{};
};

}  // namespace

TEST_F(Pages, EveryControlAWindowMakesHasItsTemplateRow)
{
    EXPECT_TRUE(m_pView->MissingItems().empty());
    for (CPage* pPage : m_pView->m_pages) {
        SCOPED_TRACE(pPage->Template().nId);
        EXPECT_TRUE(pPage->MissingItems().empty()) << "first missing: " << pPage->MissingItems().front();
    }

    const std::function<CTemplateDialog*()> dialogs[] = {
        [] { return new CAboutDlg; },
        [] { return new CVersionDlg; },
        [] { return new CSaveData_Dlg; },
        [] { return new CWarnDlg; },
        [] { return new CMessageBox; },
        [this] { return new CDisplayDlg(m_pFrame); },
        [] { return new CLockDataDlg; },
        [] { return new CConnectDlg; },
        [this] { return new CUpgradeDlg(*m_pView); },
        [this] { return new CDataViewDlg(*m_pView, *m_pView->m_pData); },
        [this] { return new CAdv_Seting(*m_pView, *m_pView->m_pData); },
        [this] { return new CCurSYSDlg(*m_pView, *m_pView->m_pData); },
        [] { return new CCH_Link_Dlg; },
        [] { return new CReMap_Dlg; },
        [] { return new CAll_Link_Dlg; },
        [this] { return new CProgramDlg(*m_pView, PresetManagerMode::SaveAs); },
        [] { return new CSaveDlg; },
    };
    for (const auto& make : dialogs) {
        CTemplateDialog* pDialog = make();
        pDialog->Create(m_pFrame);
        SCOPED_TRACE(pDialog->Template().nId);
        EXPECT_TRUE(pDialog->MissingItems().empty()) << "first missing: " << pDialog->MissingItems().front();
        pDialog->Destroy();
    }
    PumpPendingEvents();
}

TEST_F(Pages, LanguageSwitchReachesEveryPage)
{
    SpyOnPages();
    m_pView->ToggleLanguage(1);
    ExpectEveryPage([](const CSpyPage& p) { return p.nLanguage; }, 1);
    m_pView->ToggleLanguage(1);
    ExpectEveryPage([](const CSpyPage& p) { return p.nLanguage; }, 2);
}

TEST_F(Pages, LinkOpenedAndClosedReachEveryPage)
{
    SpyOnPages();
    m_hid.Plug(kUsbPath, m_emulator);
    ASSERT_EQ(m_pView->ConnectUsbPath(kUsbPath), 1);
    ExpectEveryPage([](const CSpyPage& p) { return p.nOpened; }, 1);
    m_pView->DisconnectLink();
    ExpectEveryPage([](const CSpyPage& p) { return p.nClosed; }, 1);
}

// A preset loaded into the model is shown at once by the page on screen, and by each other page
// when it is shown next.
TEST_F(Pages, LoadedDataRefreshesTheShownPageAndEachPageWhenShown)
{
    SpyOnPages();
    m_pView->ShowPage(2, 1);
    m_spies[2]->Show();
    m_spies[0]->Hide();
    m_spies[2]->nRefreshed = 0;
    m_pView->RefreshOutputPage();
    EXPECT_EQ(m_spies[2]->nRefreshed, 1);
    EXPECT_EQ(m_spies[0]->nRefreshed, 0);
    m_pView->ShowPage(0, 1);
    EXPECT_EQ(m_spies[0]->nRefreshed, 1);
}

// The master block of the output page is bound to the master settings: loading shows them and
// queues nothing, a step of the field leaves item 5 pending and switches the master on.
TEST_F(Pages, OutputPageMasterBlockFollowsTheMasterSettings)
{
    using namespace OutputDlgIds;
    g_masterSettings.SetField(&MasterSettings::m_wVolume, 66);
    g_masterSettings.SetField(&MasterSettings::m_byMasterOn, 0);
    m_pView->RefreshOutputPage();
    auto* pEdit = dynamic_cast<CNumEdit*>(m_pView->m_pageOutput->GetDlgItem(IDC_MASTER_EDIT));
    auto* pOn = dynamic_cast<CBitButton*>(m_pView->m_pageOutput->GetDlgItem(IDC_MASTER_ON));
    ASSERT_NE(pEdit, nullptr);
    ASSERT_NE(pOn, nullptr);
    EXPECT_EQ(pEdit->GetText(), "6dB");
    EXPECT_FALSE(pOn->GetCheck());
    EXPECT_EQ(g_bSendMaster, 0);

    m_hid.Plug(kUsbPath, m_emulator);
    ASSERT_EQ(m_pView->ConnectUsbPath(kUsbPath), 1);
    ASSERT_TRUE(WaitSynced());
    g_masterSettings.SetField(&MasterSettings::m_byMasterOn, 0);
    m_pView->m_pageOutput->ShowMasterVolume();
    const int nVolume = g_masterSettings.Get().m_wVolume;
    ASSERT_GT(nVolume, 0);
    pEdit->SetFocus();
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = WXK_DOWN;
    pEdit->GetEventHandler()->ProcessEvent(down);
    PumpPendingEvents();
    EXPECT_EQ(g_masterSettings.Get().m_byMasterOn, 1);
    EXPECT_TRUE(pOn->GetCheck());
    // Item 5 carries the volume (bytes 0-1) and the master-on byte (6).
    EXPECT_TRUE(SettleUntil([&] {
        const EmuState state = m_emulator.State();
        return state.master[6] == 1 && state.master[0] == nVolume - 1;
    }));
}
