#pragma once
// The editor's real link (command manager, link controller, network object) wired to an emulated
// processor, over the in-memory HID backend or over TCP to 127.0.0.1. The link's shared flags
// are reset when a rig is made and when it goes, so tests do not see each other's state.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "link/KTVCommand.h"
#include "link/LinkController.h"
#include "link/Net_Socket.h"
#include "model/KTV_Data.h"
#include "platform/SettingsStore.h"
#include "platform/UsbInUseList.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/EmulatorTcpServer.h"
#include "tests/support/ProcessorEmulator.h"

enum class LinkWay { Usb, Net };

class CLinkRig {
public:
    static constexpr WndHandle VIEW = 7;
    static constexpr const char* USB_PATH = "/dev/hidraw-emulated";

    // Net options: the adapters and ping of the machine, unless the test replaces them.
    CLinkRig(LinkWay way, const CLinkTimeouts& timeouts, CNetOptions netOptions = {});
    ~CLinkRig();
    CLinkRig(const CLinkRig&) = delete;
    CLinkRig& operator=(const CLinkRig&) = delete;

    // Opens the link as the view's connect steps do (queue emptied, link type set); no worker yet.
    bool Open();
    // Queues a frame under the link lock, as UI code does.
    void Queue(std::unique_ptr<CSendData> pFrame);
    int QueueCount();
    void Start() { link.StartLinkThread(); }
    void Stop() { link.StopLinkThread(1); }

    LinkWay way;
    std::string strLockFolder;  // the devices-in-use locks of this rig alone
    CProcessorEmulator emulator;
    CEmulatedHidBackend hid;
    std::unique_ptr<CEmulatorTcpServer> pServer;  // Net only
    CMemorySettingsStore store;
    CUsbInUseList usbInUse;
    CKTVCommand command;
    CNet_Socket net;
    CLinkController link;
    std::unique_ptr<CKTV_Data> pData;  // made after the device data's reset, as at start-up
};

// Resets the link's shared flags and the device data to their start values.
void ResetLinkGlobals();

// The link's time limits and the network options shortened for tests.
CLinkTimeouts FastLinkTimeouts();
CNetOptions FastNetOptions();
// The same for a firmware update's poll: a device that stays locked is given up quickly at
// every try, and the enter pattern is short.
CLinkTimeouts FastUpdateTimeouts();
// How long a network link takes to give up on a processor (decision 0044). One that answers
// nothing: every attempt waits a receive time-out, every reconnect between them its pause. The
// most for one that is silent or gone: every attempt a send and a receive time-out, every
// reconnect its pause, a ping and a connect, each at its bound.
std::chrono::milliseconds NetSilentGiveUp(const CLinkTimeouts& timeouts, const CNetOptions& net);
std::chrono::milliseconds NetGiveUpBound(const CLinkTimeouts& timeouts, const CNetOptions& net);
// "Usb" or "Net", to name the instances of tests run over both.
std::string LinkWayName(const testing::TestParamInfo<LinkWay>& info);
// Polls until done() holds; false when it did not within the time.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(5));
