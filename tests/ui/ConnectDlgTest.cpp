#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/radiobut.h>

#include <filesystem>

#include "link/ConnectDlg.h"
#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "tests/support/FakeTtyTree.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {
namespace fs = std::filesystem;

class ConnectDlg : public testing::Test {
protected:
    void SetUp() override
    {
        m_ports.AddTty("ttyS0", "platform/serial8250/ttyS0");
        m_ports.AddTty("ttyUSB0", "pci0/usb1/1-1/ttyUSB0");
        CFakeTtyTree::Write(m_ports.Root() / "devices/pci0/usb1/1-1/product", "USB Serial");
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "owner");
        g_nLinkType = LINK_NONE;
        g_strComPort = "NULL";
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
        g_nLinkType = LINK_NONE;
        g_strComPort = "NULL";
        g_bChinese = 0;
    }
    CConnectDlg* Open(const fs::path& sys)
    {
        auto* pDlg = new CConnectDlg;
        pDlg->SetPortRoots(sys.string(), m_ports.Dev());
        pDlg->Create(m_pFrame);
        return pDlg;
    }
    void PressOk(CConnectDlg& dlg)
    {
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        dlg.ProcessWindowEvent(ok);
    }
    wxRadioButton* Radio(CConnectDlg& dlg, int nId) { return dynamic_cast<wxRadioButton*>(dlg.GetDlgItem(nId)); }

    CFakeTtyTree m_ports;
    wxFrame* m_pFrame = nullptr;
};
}  // namespace

TEST_F(ConnectDlg, ListsThePortsPrefersAUsbOneAndMakesTheChoiceTheLinkType)
{
    CConnectDlg* pDlg = Open(m_ports.Sys());
    wxChoice* pPorts = pDlg->GetPortList();
    ASSERT_EQ(pPorts->GetCount(), 2u);
    EXPECT_EQ(pPorts->GetString(0), "ttyS0 (ttyS0)");
    EXPECT_EQ(pPorts->GetSelection(), 1);  // the USB-attached port
    EXPECT_FALSE(pPorts->IsEnabled());
    pDlg->Choose(LINK_SERIAL);
    EXPECT_TRUE(Radio(*pDlg, CConnectDlg::IDC_COM)->GetValue());
    EXPECT_TRUE(pPorts->IsEnabled());
    pDlg->PickPort(0);
    EXPECT_EQ(g_strComPort, "ttyS0");
    PressOk(*pDlg);
    EXPECT_EQ(g_nLinkType.load(), LINK_SERIAL);
    EXPECT_FALSE(pDlg->IsSameLink());
}

TEST_F(ConnectDlg, RemembersThePortAndTheCurrentLink)
{
    g_nLinkType = LINK_SERIAL;
    g_strComPort = "ttyS0";
    CConnectDlg* pDlg = Open(m_ports.Sys());
    EXPECT_EQ(pDlg->GetPortList()->GetSelection(), 0);
    EXPECT_TRUE(pDlg->GetPortList()->IsEnabled());
    EXPECT_TRUE(Radio(*pDlg, CConnectDlg::IDC_COM)->GetValue());
    PressOk(*pDlg);
    EXPECT_TRUE(pDlg->IsSameLink());
}

TEST_F(ConnectDlg, WithoutPortsListsNull)
{
    fs::create_directories(m_ports.Root() / "empty");
    CConnectDlg* pDlg = Open(m_ports.Root() / "empty");
    ASSERT_EQ(pDlg->GetPortList()->GetCount(), 1u);
    EXPECT_EQ(pDlg->GetPortList()->GetString(0), "NULL");
    pDlg->PickPort(0);
    EXPECT_EQ(g_strComPort, "NULL");
}

// The dialog in both languages: the USB choice labelled in each language, the Chinese label
// drawn, and the chosen port's name shown in the port list.
TEST_F(ConnectDlg, Screenshots)
{
    wxImage shots[2];
    wxRect rcUsb;
    for (const bool bChinese : {false, true}) {
        SCOPED_TRACE(bChinese ? "Chinese" : "English");
        g_bChinese = bChinese;
        g_nLinkType = LINK_SERIAL;
        CConnectDlg* pDlg = Open(m_ports.Sys());
        pDlg->Show();
        const wxImage& shot = shots[bChinese] = CaptureWindow(*pDlg);
        EXPECT_TRUE(SaveScreenshot(shot, bChinese ? "connect_dialog_cn" : "connect_dialog_en"));
        rcUsb = RectInCapture(*Radio(*pDlg, CConnectDlg::IDC_USB), *pDlg);
        EXPECT_TRUE(ShowsTextIn(shot, rcUsb, *wxBLACK, 64));
        wxRect rcPort = RectInCapture(*pDlg->GetPortList(), *pDlg);
        rcPort.width -= 2 * rcPort.height;  // the drop arrow's end left out
        EXPECT_TRUE(ShowsTextIn(shot, rcPort, *wxBLACK, 64));
        pDlg->Destroy();
    }
    EXPECT_TRUE(DifferIn(shots[0], shots[1], rcUsb));
}
