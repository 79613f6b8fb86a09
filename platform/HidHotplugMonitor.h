#pragma once
// Watches hidraw nodes through a libudev monitor on a thread of its own and posts each change to
// a window (platform/DeviceChange.h): the arrival of a device with the given vendor, product and
// version, and every removal, since a removal can no longer tell what the device was.
#include <thread>

#include "platform/Hid.h"
#include "platform/Message.h"

class CHidHotplugMonitor {
public:
    CHidHotplugMonitor() = default;
    ~CHidHotplugMonitor();
    CHidHotplugMonitor(const CHidHotplugMonitor&) = delete;
    CHidHotplugMonitor& operator=(const CHidHotplugMonitor&) = delete;

    // Starts watching; false when udev cannot be watched here (no udev, no netlink socket).
    bool Start(WndHandle hWnd, const HidDeviceId& id = PROCESSOR_HID_ID);
    // Ends the thread; nothing is posted after it returns.
    void Stop();
    bool IsRunning() const { return m_thread.joinable(); }

private:
    void Run(struct udev_monitor* pMonitor, WndHandle hWnd, HidDeviceId id) const;

    std::thread m_thread;
    int m_wakeFd = -1;  // eventfd that tells the thread to end
};
