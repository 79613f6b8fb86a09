#pragma once
// The main view in its main window against the processor emulator, on the in-memory USB backend
// or behind a TCP listener on 127.0.0.1, with the helpers the view's and the pages' tests share:
// waiting for the link, the send queue, the message boxes shown, and the requests the emulated
// processor received.
#include <gtest/gtest.h>
#include <wx/event.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "controls/ControlIds.h"
#include "controls/FileDialogST.h"
#include "controls/ShowLink.h"
#include "controls/WndMessages.h"
#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/StdAfx.h"
#include "platform/LinkLock.h"
#include "platform/SettingsStore.h"
#include "platform/UsbInUseList.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/EmulatorTcpServer.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/FakePing.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProcessorEmulator.h"
#include "tests/support/TransferShown.h"
#include "tests/ui/UiTestUtil.h"

inline constexpr char kUsbPath[] = "/dev/hidraw-emulated";
inline constexpr char kUsbPath2[] = "/dev/hidraw-emulated-2";

inline CNetOptions NoNetwork()
{
    CNetOptions options = FastNetOptions();
    options.adapters = [] { return std::vector<NetAdapter>{}; };
    return options;
}

// The loopback adapter lies in the processor's subnet and the ping answers.
inline CNetOptions LoopbackNetwork()
{
    CNetOptions options = FastNetOptions();
    options.adapters = [] { return std::vector<NetAdapter>{{"lo", "127.0.0.1", "255.0.0.0"}}; };
    options.ping.strProgram = FakePing("answers", "ttl=64");
    return options;
}

inline void Command(wxWindow* pWnd, int nCommand)
{
    wxCommandEvent command(wxEVT_MENU, WxId(nCommand));
    command.SetEventObject(pWnd);
    pWnd->ProcessWindowEvent(command);
}

inline std::vector<std::string> UsbDevicesInUse()
{
    Settings().Reload();
    return Settings().ValueNames(USB_IN_USE_KEY);
}

inline std::int16_t Int16At(const EmuImage& image, std::size_t nOffset)
{
    return static_cast<std::int16_t>(image[nOffset] | image[nOffset + 1] << 8);
}

inline bool IsWrite(const EmuRequest& r, int nBlock, int nIndex)
{
    return r.byClass == emu::WRITE && r.byBlock == nBlock && r.byIndex == nIndex;
}

// The view in its main window, the emulated processor on USB (plugged before start-up unless
// the test plugs it later) or behind a TCP listener.
class ViewOnLink : public testing::Test {
protected:
    void Start(LinkWay way, bool bPlugged = true)
    {
        m_way = way;
        ResetLinkGlobals();
        g_bChinese = 0;
        g_nCurPage = 1;
        g_bOutMapLocked = 0;
        m_doc.OnNewDocument();
        m_doc.m_data.InitOutputLinks();  // the fresh device state lost them, as start-up does not
        if (way == LinkWay::Net) {
            m_pServer = std::make_unique<CEmulatorTcpServer>(m_emulator);
            std::lock_guard lock(g_csEndpoint);
            g_strDeviceIP = "127.0.0.1";
            g_nDevicePort = m_pServer->Port();
        } else if (bPlugged) {
            m_hid.Plug(kUsbPath, m_emulator);
        }
        m_pFrame = new CMainFrame;
        m_pView = m_pFrame->OpenDocument(m_doc, m_hid, way == LinkWay::Net ? LoopbackNetwork() : NoNetwork(),
                                         FastLinkTimeouts());
        m_hid.SetNotifyWnd(GetWndHandle(m_pView));
        m_pFrame->Show();
    }

    void TearDown() override
    {
        CFileDialogST::SetTestAnswer({});
        m_hid.SetNotifyWnd(0);
        if (m_pFrame)
            m_pFrame->Destroy();
        wxTheApp->ProcessIdle();
        PumpPendingEvents();
        m_pServer.reset();
        g_bOutMapLocked = 0;
        ResetLinkGlobals();
    }

    wxString LampText() const { return dynamic_cast<CShow_Link*>(m_pView->GetDlgItem(2776))->GetLabel(); }
    bool Connected() const { return m_pView->IsOnline() && LampText() == "Connected device"; }
    // Connected, the version accepted and the current preset read back, the view taking input again.
    bool WaitSynced() { return SettleUntil([this] { return Connected() && g_bSynced && TransferShownOver(); }); }
    // The write requests of one block and index the processor received, as hex frames.
    std::vector<std::string> Received(int nBlock, int nIndex)
    {
        std::vector<std::string> frames;
        for (const EmuRequest& r : m_emulator.Log())
            if (IsWrite(r, nBlock, nIndex))
                frames.push_back(HexText(r.bytes.data(), static_cast<int>(r.bytes.size())));
        return frames;
    }
    bool WaitDisconnected()
    {
        return SettleUntil([this] { return !m_pView->IsOnline() && g_nLinkType == LINK_NONE; });
    }
    int QueueCount()
    {
        std::lock_guard lock(g_csLink);
        return m_pView->m_command.GetQueueCount();
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : m_boxes.shown)
            texts.push_back(shown.text);
        return texts;
    }

    LinkWay m_way = LinkWay::Usb;
    CMessageBoxRecorder m_boxes;
    CHalvekDoc m_doc;
    CProcessorEmulator m_emulator;
    CEmulatedHidBackend m_hid;
    std::unique_ptr<CEmulatorTcpServer> m_pServer;
    CMainFrame* m_pFrame = nullptr;
    CHalvekView* m_pView = nullptr;
};
