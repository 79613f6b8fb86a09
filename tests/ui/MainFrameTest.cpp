// The main window itself: its shape, and the start view's commands that replace the child it
// shows.
#include <gtest/gtest.h>
#include <wx/weakref.h>

#include "app/CaptionView.h"
#include "app/ChildFrm.h"
#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "controls/ControlIds.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/StdAfx.h"
#include "pages/OutputDlg.h"
#include "platform/SettingsStore.h"
#include "platform/UsbInUseList.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/LinkRig.h"
#include "tests/support/ProcessorEmulator.h"
#include "tests/ui/UiTestUtil.h"

namespace {
constexpr char kUsbPath[] = "/dev/hidraw-emulated";

CNetOptions NoNetwork()
{
    CNetOptions options;
    options.adapters = [] { return std::vector<NetAdapter>{}; };
    return options;
}

std::vector<std::string> UsbDevicesInUse()
{
    Settings().Reload();
    return Settings().ValueNames(USB_IN_USE_KEY);
}

class MainFrame : public testing::Test {
protected:
    void SetUp() override
    {
        ResetLinkGlobals();
        g_bChinese = 0;
        m_doc.OnNewDocument();
        m_pFrame = new CMainFrame;
        m_pFirstView = m_pFrame->OpenDocument(m_doc, m_hid, NoNetwork(), FastLinkTimeouts());
        m_pFrame->Show();
        ASSERT_TRUE(SettleShown(*m_pFrame));
    }

    void TearDown() override
    {
        m_pFrame->Destroy();
        wxTheApp->ProcessIdle();
        PumpPendingEvents();
        g_bChinese = 0;
        g_nViewMode = 1;
        ResetLinkGlobals();
    }

    void Command(int nCommand)
    {
        wxCommandEvent command(wxEVT_MENU, WxId(nCommand));
        command.SetEventObject(m_pFrame);
        m_pFrame->ProcessWindowEvent(command);
    }

    // The first view's link to an emulated processor, opened as the connect steps do.
    void OpenUsbLink()
    {
        m_hid.Plug(kUsbPath, m_emulator);
        ASSERT_EQ(m_pFirstView->m_link.ConnectUsb(), 1);
        m_pFirstView->m_link.StartLinkThread();
        ASSERT_EQ(UsbDevicesInUse(), std::vector<std::string>{kUsbPath});
    }

    CHalvekView* ShownView() const { return m_pFrame->GetActiveChild()->GetView(); }
    CCaptionView* ShownStartView() const { return m_pFrame->GetActiveChild()->GetCaptionView(); }

    CHalvekDoc m_doc;
    CProcessorEmulator m_emulator;
    CEmulatedHidBackend m_hid;
    CMainFrame* m_pFrame = nullptr;
    CHalvekView* m_pFirstView = nullptr;
};
}  // namespace

TEST_F(MainFrame, ItsShapeLeavesOutATwoPixelEdgeAfterEveryResize)
{
    for (const wxSize size : {m_pFrame->GetSize(), wxSize(800, 600), wxSize(1100, 720)}) {
        SCOPED_TRACE(testing::Message() << size.x << " x " << size.y);
        m_pFrame->SetSize(size);
        const std::vector<wxRect> shape{wxRect(2, 2, size.x - 4, size.y - 4)};
        EXPECT_TRUE(SettleUntil([&] { return WindowShape(*m_pFrame) == shape; })) << WindowShape(*m_pFrame).size();
    }
}

TEST_F(MainFrame, StartViewCommandPutsTheStartViewInPlaceOfTheMainView)
{
    OpenUsbLink();
    const wxSize size = m_pFrame->GetClientSize();

    Command(CMainFrame::ID_START_VIEW);
    ASSERT_NE(ShownStartView(), nullptr);
    EXPECT_EQ(ShownView(), nullptr);
    EXPECT_EQ(g_pView, nullptr);
    EXPECT_TRUE(UsbDevicesInUse().empty()) << "the main view's link ended with it";

    EXPECT_TRUE(SettleUntil([&] { return ShownStartView()->GetSize() == size; }));  // it fills the window
    EXPECT_EQ(m_pFrame->GetClientSize(), size);
    EXPECT_EQ(m_pFrame->GetTitle(), "Tarvi");
    wxWindow* pLeft = ShownStartView()->GetDlgItem(CCaptionView::IDC_VIEW_MODE2);
    wxWindow* pRight = ShownStartView()->GetDlgItem(CCaptionView::IDC_VIEW_MODE1);
    ASSERT_NE(pLeft, nullptr);
    ASSERT_NE(pRight, nullptr);
    EXPECT_LT(pLeft->GetPosition().x, pRight->GetPosition().x);
}

TEST_F(MainFrame, StartViewButtonsOpenANewMainViewInTheirViewModeInEnglish)
{
    struct Case {
        int nButton;
        int nViewMode;
    };
    for (const Case c : {Case{CCaptionView::IDC_VIEW_MODE1, 1}, Case{CCaptionView::IDC_VIEW_MODE2, 2}}) {
        SCOPED_TRACE(c.nButton);
        Command(CMainFrame::ID_START_VIEW);
        g_bChinese = 1;
        g_nViewMode = 0;
        wxWindow* pButton = ShownStartView()->GetDlgItem(c.nButton);
        wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
        click.SetEventObject(pButton);
        pButton->ProcessWindowEvent(click);
        ASSERT_TRUE(SettleUntil([&] { return ShownView() != nullptr; }));

        CHalvekView* pView = ShownView();
        EXPECT_EQ(g_nViewMode, c.nViewMode);
        EXPECT_EQ(g_bChinese, 0);
        // Its start-up ran: it is the view of the program, with a document of its own.
        EXPECT_EQ(g_pView, pView);
        EXPECT_NE(pView->GetDocument(), &m_doc);
        EXPECT_EQ(pView->m_pData, &pView->GetDocument()->m_data);
        EXPECT_TRUE(pView->m_pageOutput->IsShown());
        EXPECT_EQ(m_pFrame->GetTitle(), "Tarvi");
    }
}

TEST_F(MainFrame, ViewModeCommandReplacesTheMainViewWhichEndsItsLink)
{
    OpenUsbLink();
    ASSERT_EQ(m_pFirstView->IsOnline(), 1);
    const wxWeakRef<CHalvekView> pFirstView(m_pFirstView);

    Command(CMainFrame::ID_VIEW_MODE1);
    CHalvekView* pView = ShownView();
    ASSERT_NE(pView, nullptr);
    // The new view may take the freed first one's address; the first one's document lives on in
    // the fixture, so the new one's cannot.
    EXPECT_FALSE(pFirstView) << "the first view is gone";
    EXPECT_NE(pView->GetDocument(), &m_doc);
    EXPECT_EQ(g_pView, pView);
    EXPECT_TRUE(UsbDevicesInUse().empty()) << "the first view's link ended with it";
    // The new view connects by itself, as at start-up.
    EXPECT_TRUE(SettleUntil([&] { return pView->IsOnline() == 1; }));
    EXPECT_EQ(UsbDevicesInUse(), std::vector<std::string>{kUsbPath});
}
