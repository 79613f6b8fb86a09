#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/radiobut.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "link/ConnectDlg.h"
#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "tests/ui/UiTestUtil.h"

namespace {
namespace fs = std::filesystem;

class ConnectDlg : public testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("tarvi-connect-" + std::to_string(getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "class");
        AddPort("ttyS0", "platform/serial8250/ttyS0", false);
        AddPort("ttyUSB0", "pci0/usb1/1-1/ttyUSB0", true);
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "owner");
        g_nLinkType = LINK_NONE;
        g_strComPort = "NULL";
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        PumpPendingEvents();
        fs::remove_all(m_root);
        g_nLinkType = LINK_NONE;
        g_strComPort = "NULL";
        g_bChinese = 0;
    }
    void AddPort(const std::string& strName, const std::string& strDevice, bool bUsb)
    {
        const fs::path device = m_root / "devices" / strDevice;
        fs::create_directories(device);
        if (bUsb)
            std::ofstream(device.parent_path() / "product") << "USB Serial\n";
        const fs::path entry = m_root / "entries" / strName;
        fs::create_directories(entry);
        fs::create_directory_symlink(device, entry / "device");
        fs::create_directory_symlink(entry, m_root / "class" / strName);
    }
    CConnectDlg* Open(const fs::path& sys)
    {
        auto* pDlg = new CConnectDlg;
        pDlg->SetPortRoots(sys.string(), (m_root / "dev").string());
        pDlg->Create(m_pFrame);
        return pDlg;
    }
    void PressOk(CConnectDlg& dlg)
    {
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        dlg.ProcessWindowEvent(ok);
    }
    wxRadioButton* Radio(CConnectDlg& dlg, int nId) { return dynamic_cast<wxRadioButton*>(dlg.GetDlgItem(nId)); }

    fs::path m_root;
    wxFrame* m_pFrame = nullptr;
};
}  // namespace

TEST_F(ConnectDlg, ListsThePortsPrefersAUsbOneAndMakesTheChoiceTheLinkType)
{
    CConnectDlg* pDlg = Open(m_root / "class");
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
    CConnectDlg* pDlg = Open(m_root / "class");
    EXPECT_EQ(pDlg->GetPortList()->GetSelection(), 0);
    EXPECT_TRUE(pDlg->GetPortList()->IsEnabled());
    EXPECT_TRUE(Radio(*pDlg, CConnectDlg::IDC_COM)->GetValue());
    PressOk(*pDlg);
    EXPECT_TRUE(pDlg->IsSameLink());
}

TEST_F(ConnectDlg, WithoutPortsListsNull)
{
    fs::create_directories(m_root / "empty");
    CConnectDlg* pDlg = Open(m_root / "empty");
    ASSERT_EQ(pDlg->GetPortList()->GetCount(), 1u);
    EXPECT_EQ(pDlg->GetPortList()->GetString(0), "NULL");
    pDlg->PickPort(0);
    EXPECT_EQ(g_strComPort, "NULL");
}

TEST_F(ConnectDlg, Screenshots)
{
    for (const bool bChinese : {false, true}) {
        g_bChinese = bChinese;
        g_nLinkType = LINK_SERIAL;
        CConnectDlg* pDlg = Open(m_root / "class");
        pDlg->Show();
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(*pDlg), bChinese ? "connect_dialog_cn" : "connect_dialog_en"));
        pDlg->Destroy();
    }
}
