#include "tests/support/LinkRig.h"

#include <unistd.h>

#include <filesystem>
#include <mutex>
#include <thread>

#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "platform/LinkLock.h"

namespace {
std::string FreshLockFolder()
{
    static int nRig = 0;
    const auto folder = std::filesystem::temp_directory_path() /
        ("tarvi-rig-" + std::to_string(getpid()) + "-" + std::to_string(++nRig));
    return folder.string();
}
}  // namespace

void ResetLinkGlobals()
{
    InitDeviceData();
    g_nLinkType = LINK_NONE;
    g_bUsbOpen = 0;
    g_bNetLink = 0;
    g_bUpdating = 0;
    g_bTransferring = 0;
    g_bTrafficPaused = 0;
    g_bUpdateAbort = 0;
    g_bUpdateFinished = 0;
    g_bAwaitHello = 0;
    g_nLastFwCommand = 0;
    {
        std::lock_guard lock(g_csLink);
        g_strUsbDevicePath.clear();
        g_usbDevicePaths.clear();
    }
    g_bSendMaster = 0;
    g_bSendInput = 0;
    g_bSendName = 0;
    std::lock_guard lock(g_csEndpoint);
    g_strDeviceIP = g_szDefaultDeviceIP;
    g_nDevicePort = DEFAULT_DEVICE_PORT;
}

CLinkRig::CLinkRig(LinkWay w, const CLinkTimeouts& timeouts, CNetOptions netOptions)
    : way(w),
      strLockFolder(FreshLockFolder()),
      hid(VIEW),
      usbInUse(store, strLockFolder),
      net(std::move(netOptions)),
      link(command, hid, usbInUse, net, timeouts)
{
    ResetLinkGlobals();
    pData = std::make_unique<CKTV_Data>();
    link.AttachData(pData.get());
    g_pNotifyWnd = VIEW;
    command.SetNotifyWnd(VIEW);
    if (way == LinkWay::Usb) {
        hid.Plug(USB_PATH, emulator);
    } else {
        pServer = std::make_unique<CEmulatorTcpServer>(emulator);
        std::lock_guard lock(g_csEndpoint);
        g_strDeviceIP = "127.0.0.1";
        g_nDevicePort = pServer->Port();
    }
}

CLinkRig::~CLinkRig()
{
    link.StopLinkThread(1);
    net.StopLinkCheck(0);
    link.CloseHidDevice();
    ResetLinkGlobals();
    g_pNotifyWnd = 0;
}

bool CLinkRig::Open()
{
    command.ClearQueue();
    if (way == LinkWay::Usb)
        return link.ConnectUsb() != 0;
    net.m_bReachable = 1;
    if (!net.Connect())
        return false;
    g_nLinkType = LINK_NET;
    std::lock_guard lock(g_csLink);
    g_bNetLink = 1;
    return true;
}

void CLinkRig::Queue(std::unique_ptr<CSendData> pFrame)
{
    std::lock_guard lock(g_csLink);
    command.AddSendData(std::move(pFrame));
}

int CLinkRig::QueueCount()
{
    std::lock_guard lock(g_csLink);
    return command.GetQueueCount();
}

CLinkTimeouts FastLinkTimeouts()
{
    using namespace std::chrono_literals;
    CLinkTimeouts t;
    t.usbReportWait = 300ms;
    t.usbReplyLimit = 400ms;
    t.hidOpen = {300ms, 20ms};
    t.usbEnterUpdate = 150ms;
    t.firmwareWaitUnit = 50ms;
    t.hexApplyPause = 50ms;
    t.netReplyWindow = 400ms;
    t.netReconnectPause = 50ms;
    t.netResetWait = 200ms;
    t.netResetTail = 50ms;
    t.netEnterUpdate = 150ms;
    return t;
}

CLinkTimeouts FastUpdateTimeouts()
{
    using namespace std::chrono_literals;
    CLinkTimeouts t = FastLinkTimeouts();
    t.hidOpen = {50ms, 10ms};
    t.usbEnterUpdate = 30ms;
    t.netEnterUpdate = 30ms;
    return t;
}

CNetOptions FastNetOptions()
{
    using namespace std::chrono_literals;
    CNetOptions options;
    options.tcp.receive = 200ms;
    options.checkPeriod = 50ms;
    options.checkPause = 50ms;
    return options;
}

std::chrono::milliseconds NetSilentGiveUp(const CLinkTimeouts& timeouts, const CNetOptions& net)
{
    constexpr int N = CLinkController::NET_MAX_ATTEMPTS;
    return N * net.tcp.receive + (N - 1) * timeouts.netReconnectPause;
}

std::chrono::milliseconds NetGiveUpBound(const CLinkTimeouts& timeouts, const CNetOptions& net)
{
    constexpr int N = CLinkController::NET_MAX_ATTEMPTS;
    return N * (net.tcp.send + net.tcp.receive) +
        (N - 1) * (timeouts.netReconnectPause + net.ping.bound + net.tcp.connect);
}

std::string LinkWayName(const testing::TestParamInfo<LinkWay>& info)
{
    return info.param == LinkWay::Usb ? "Usb" : "Net";
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
