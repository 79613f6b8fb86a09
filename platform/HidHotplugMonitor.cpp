#include "platform/HidHotplugMonitor.h"

#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/DeviceChange.h"
#include "platform/ThreadName.h"
#include "platform/Trace.h"

namespace {
std::optional<unsigned> ParseHex(std::string_view text)
{
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Vendor and product from the HID parent ("HID_ID=0003:00000483:00005750"), the version from the
// USB device's bcdDevice, as hidapi reports them for a USB device.
std::optional<HidDeviceId> DeviceIdOf(udev_device* pDevice)
{
    udev_device* pHid = udev_device_get_parent_with_subsystem_devtype(pDevice, "hid", nullptr);
    udev_device* pUsb = udev_device_get_parent_with_subsystem_devtype(pDevice, "usb", "usb_device");
    const char* hidId = pHid ? udev_device_get_property_value(pHid, "HID_ID") : nullptr;
    const char* bcd = pUsb ? udev_device_get_sysattr_value(pUsb, "bcdDevice") : nullptr;
    if (hidId == nullptr || bcd == nullptr)
        return std::nullopt;
    const std::string_view text(hidId);
    const auto first = text.find(':');
    const auto second = first == text.npos ? text.npos : text.find(':', first + 1);
    if (second == text.npos)
        return std::nullopt;
    const auto vendor = ParseHex(text.substr(first + 1, second - first - 1));
    const auto product = ParseHex(text.substr(second + 1));
    std::string_view version(bcd);
    while (!version.empty() && (version.back() == '\n' || version.back() == ' '))
        version.remove_suffix(1);
    const auto release = ParseHex(version);
    if (!vendor || !product || !release || *vendor > 0xFFFF || *product > 0xFFFF || *release > 0xFFFF)
        return std::nullopt;
    return HidDeviceId{static_cast<std::uint16_t>(*vendor), static_cast<std::uint16_t>(*product),
                       static_cast<std::uint16_t>(*release)};
}
}  // namespace

CHidHotplugMonitor::~CHidHotplugMonitor()
{
    Stop();
}

bool CHidHotplugMonitor::Start(WndHandle hWnd, const HidDeviceId& id)
{
    if (IsRunning())
        return true;
    udev* pUdev = udev_new();
    // "udev" events come after the rules ran, so the node's permissions are usually set by then.
    udev_monitor* pMonitor = pUdev ? udev_monitor_new_from_netlink(pUdev, "udev") : nullptr;
    // The context goes only after the monitor: the monitor and the devices it hands out point to it.
    const auto release = [pUdev, pMonitor] {
        udev_monitor_unref(pMonitor);
        udev_unref(pUdev);
    };
    if (pMonitor == nullptr || udev_monitor_filter_add_match_subsystem_devtype(pMonitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(pMonitor) < 0 || (m_wakeFd = eventfd(0, EFD_CLOEXEC)) < 0) {
        Trace("Hot-plug monitor unavailable\n");
        release();
        return false;
    }
    m_thread = std::thread([this, pMonitor, hWnd, id, release] {
        SetThreadName("hot-plug");
        Run(pMonitor, hWnd, id);
        release();
    });
    return true;
}

void CHidHotplugMonitor::Stop()
{
    if (!IsRunning())
        return;
    const std::uint64_t one = 1;
    if (write(m_wakeFd, &one, sizeof one) != sizeof one)
        Trace("Hot-plug monitor: wake-up failed: %s\n", strerror(errno));
    m_thread.join();
    close(m_wakeFd);
    m_wakeFd = -1;
}

void CHidHotplugMonitor::Run(udev_monitor* pMonitor, WndHandle hWnd, HidDeviceId id) const
{
    pollfd fds[2] = {{udev_monitor_get_fd(pMonitor), POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            Trace("Hot-plug monitor: poll failed: %s\n", strerror(errno));
            return;
        }
        if (fds[1].revents != 0)
            return;
        udev_device* pDevice = udev_monitor_receive_device(pMonitor);
        if (pDevice == nullptr)
            continue;
        const char* action = udev_device_get_action(pDevice);
        const char* node = udev_device_get_devnode(pDevice);
        if (action != nullptr && node != nullptr) {
            if (std::strcmp(action, "add") == 0 && DeviceIdOf(pDevice) == id)
                PostDeviceChange(hWnd, DBT_DEVICEARRIVAL, node);
            else if (std::strcmp(action, "remove") == 0)
                PostDeviceChange(hWnd, DBT_DEVICEREMOVECOMPLETE, node);
        }
        udev_device_unref(pDevice);
    }
}
