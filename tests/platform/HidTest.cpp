#include <gtest/gtest.h>

#include <vector>

#include "platform/DeviceChange.h"
#include "platform/Hid.h"
#include "platform/HidApiBackend.h"
#include "platform/HidHotplugMonitor.h"
#include "platform/MessageIds.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/MessageRecorder.h"

using namespace std::chrono_literals;

TEST(Hid, EnumerationListsOnlyTheProcessor)
{
    CProcessorEmulator emulator;
    CEmulatedHidBackend backend;
    backend.Plug("/dev/hidraw1", emulator);
    backend.Plug("/dev/hidraw2", emulator, {0x0483, 0x5750, 0x0100});  // an older release
    backend.Plug("/dev/hidraw3", emulator, {0x046D, 0x5750, 0x0200});  // another maker
    backend.Plug("/dev/hidraw4", emulator);

    std::vector<std::string> paths;
    for (const HidDeviceInfo& info : backend.Enumerate(PROCESSOR_HID_ID))
        paths.push_back(info.strPath);
    EXPECT_EQ(paths, (std::vector<std::string>{"/dev/hidraw1", "/dev/hidraw4"}));
}

TEST(Hid, AnOpenRightAfterArrivalWaitsForTheNodePermissions)
{
    struct Case {
        const char* name;
        int nDenied;
        LinkError expected;
        int nTriesAtLeast;
    };
    const Case cases[] = {
        {"permissions already set", 0, LinkError::None, 1},
        {"permissions set a moment late", 2, LinkError::None, 3},
        {"no udev rule", EMU_ALWAYS, LinkError::AccessDenied, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CProcessorEmulator emulator;
        CEmulatedHidBackend backend;
        backend.Plug("/dev/hidraw0", emulator);
        backend.DenyAccess("/dev/hidraw0", c.nDenied);
        int nTries = 0;
        struct CCounting final : IHidBackend {
            CCounting(IHidBackend& inner, int& nTries) : inner(inner), nTries(nTries) {}
            std::vector<HidDeviceInfo> Enumerate(const HidDeviceId& id) override { return inner.Enumerate(id); }
            HidOpenResult Open(const std::string& strPath) override
            {
                ++nTries;
                return inner.Open(strPath);
            }
            IHidBackend& inner;
            int& nTries;
        } counting(backend, nTries);

        const HidOpenResult result = OpenArrivedHidDevice(counting, "/dev/hidraw0", {200ms, 20ms});
        EXPECT_EQ(result.error, c.expected);
        EXPECT_EQ(result.pDevice != nullptr, c.expected == LinkError::None);
        EXPECT_GE(nTries, c.nTriesAtLeast);
    }
}

TEST(Hid, AMissingDeviceIsNotTriedAgain)
{
    CEmulatedHidBackend backend;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(OpenArrivedHidDevice(backend, "/dev/hidraw9", {5000ms, 10ms}).error, LinkError::NotFound);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 4000ms);
}

TEST(Hid, PluggingAndUnpluggingPostDeviceChangesWithThePath)
{
    CMessageRecorder recorder;
    CProcessorEmulator emulator;
    CEmulatedHidBackend backend(42);
    backend.Plug("/dev/hidraw5", emulator);
    std::unique_ptr<IHidDevice> pDevice = backend.Open("/dev/hidraw5").pDevice;
    ASSERT_NE(pDevice, nullptr);
    backend.Unplug("/dev/hidraw5");

    const std::vector<PostedMessage> posted = recorder.Posted();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].hWnd, 42u);
    EXPECT_EQ(posted[0].nMsg, WM_DEVICECHANGE);
    EXPECT_EQ(posted[0].wParam, DBT_DEVICEARRIVAL);
    EXPECT_EQ(posted[1].wParam, DBT_DEVICEREMOVECOMPLETE);
    EXPECT_EQ(TakeDeviceChangePath(posted[1].lParam), "/dev/hidraw5");
    EXPECT_EQ(TakeDeviceChangePath(posted[0].lParam), "/dev/hidraw5");
    EXPECT_EQ(TakeDeviceChangePath(posted[0].lParam), std::nullopt);  // taken once

    HidReport report{};
    EXPECT_EQ(pDevice->Write(report), LinkError::Closed);
    EXPECT_EQ(pDevice->Read(report, 10ms), LinkError::Closed);
    EXPECT_TRUE(backend.Enumerate(PROCESSOR_HID_ID).empty());
}

TEST(Hid, AChangeNobodyTakesLeavesNoPathBehind)
{
    EXPECT_FALSE(PostDeviceChange(7, DBT_DEVICEARRIVAL, "/dev/hidraw1"));  // no poster installed
    CMessageRecorder recorder;
    for (int i = 0; i < 1000; ++i)
        PostDeviceChange(7, DBT_DEVICEARRIVAL, "/dev/hidraw1");
    const std::vector<PostedMessage> posted = recorder.Posted();
    EXPECT_EQ(TakeDeviceChangePath(posted.front().lParam), std::nullopt);  // long dropped
    EXPECT_EQ(TakeDeviceChangePath(posted.back().lParam), "/dev/hidraw1");
}

TEST(Hid, AReportMustCarryReportIdZero)
{
    CProcessorEmulator emulator;
    CEmulatedHidBackend backend;
    backend.Plug("/dev/hidraw0", emulator);
    auto pDevice = backend.Open("/dev/hidraw0").pDevice;
    HidReport report{};
    report[0] = 1;
    EXPECT_EQ(pDevice->Write(report), LinkError::Malformed);
}

TEST(HidApi, ReportsAMissingNodeAsNotFound)
{
    CHidApiBackend backend;
    EXPECT_EQ(backend.Open("/dev/hidraw-does-not-exist").error, LinkError::NotFound);
    for (const HidDeviceInfo& info : backend.Enumerate(PROCESSOR_HID_ID))
        EXPECT_EQ(info.id, PROCESSOR_HID_ID);
}

TEST(HidHotplugMonitor, StartsAndStopsCleanly)
{
    CHidHotplugMonitor monitor;
    if (!monitor.Start(1))
        GTEST_SKIP() << "udev cannot be watched here";
    EXPECT_TRUE(monitor.IsRunning());
    monitor.Stop();
    EXPECT_FALSE(monitor.IsRunning());
    monitor.Stop();
}
