#pragma once
// An in-memory HID backend in which processor emulators are plugged in: the link sees the same
// 65-byte reports as from a real processor. Written reports (report id 0 in byte 0) are gathered
// into request frames for the emulator; each reply is cut into 64-byte pieces, one input report
// each, zero-filled. Plugging and unplugging post WM_DEVICECHANGE like the hot-plug monitor.
// The backend must outlive the devices it opened.
#include <atomic>
#include <chrono>
#include <map>
#include <vector>
#include <memory>
#include <mutex>

#include "platform/Hid.h"
#include "platform/Message.h"
#include "tests/support/ProcessorEmulator.h"

class CEmulatedHidBackend final : public IHidBackend {
public:
    explicit CEmulatedHidBackend(WndHandle hNotify = 0) : m_hNotify(hNotify) {}
    // The window that hears of plugging and unplugging from now on (0: none).
    void SetNotifyWnd(WndHandle hNotify) { m_hNotify = hNotify; }

    // Plugs in a device served by `emulator` (which must outlive it) and posts its arrival.
    void Plug(const std::string& strPath, CProcessorEmulator& emulator, const HidDeviceId& id = PROCESSOR_HID_ID);
    // Pulls the device out: its open handles fail with Closed from now on; posts its removal.
    void Unplug(const std::string& strPath);
    // The next nTimes opens of the path meet AccessDenied (EMU_ALWAYS: every open).
    void DenyAccess(const std::string& strPath, int nTimes);
    // Every report written to the device at that path, in order.
    std::vector<HidReport> WrittenReports(const std::string& strPath) const;
    int OpenCount(const std::string& strPath) const;
    // Where and how late a device that re-enumerates comes back (default: the same path, at once).
    void SetReenumeration(const std::string& strNewPath, std::chrono::milliseconds delay);

    std::vector<HidDeviceInfo> Enumerate(const HidDeviceId& id) override;
    HidOpenResult Open(const std::string& strPath) override;

    struct Port;  // one plugged-in device
    // The device at the path leaves the bus and comes back as SetReenumeration says.
    void Reenumerate(const std::string& strPath);

private:
    struct Return {
        std::chrono::steady_clock::time_point due;
        std::string strPath;
        CProcessorEmulator* pEmulator;
        HidDeviceId id;
    };
    std::shared_ptr<Port> Find(const std::string& strPath) const;
    void PlugReturnedDevices();

    std::atomic<WndHandle> m_hNotify;
    mutable std::mutex m_mutex;
    std::map<std::string, std::shared_ptr<Port>> m_ports;
    std::vector<Return> m_returns;
    std::string m_strReturnPath;  // empty: the same path
    std::chrono::milliseconds m_returnDelay{0};
};
