#include "platform/HidApiBackend.h"

#include <fcntl.h>
#include <hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <mutex>

#include "platform/Trace.h"

namespace {
class CHidApiDevice final : public IHidDevice {
public:
    explicit CHidApiDevice(hid_device* pDevice) : m_pDevice(pDevice) {}
    ~CHidApiDevice() override { hid_close(m_pDevice); }
    CHidApiDevice(const CHidApiDevice&) = delete;
    CHidApiDevice& operator=(const CHidApiDevice&) = delete;

    LinkError Write(HidReportOut report) override
    {
        // hidraw takes the report id in front and the kernel finishes the transfer before write()
        // returns, so the report buffer is free again as soon as this call is over.
        const int written = hid_write(m_pDevice, report.data(), report.size());
        if (written == static_cast<int>(report.size()))
            return LinkError::None;
        return written < 0 ? FromErrno(errno) : LinkError::IoError;
    }

    LinkError Read(HidReportIn report, std::chrono::milliseconds timeout) override
    {
        const auto ms = std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX);
        // hidraw hands over an unnumbered report without its id: it goes back into byte 0.
        std::uint8_t data[HID_REPORT_DATA] = {};
        const int count = hid_read_timeout(m_pDevice, data, sizeof data, static_cast<int>(ms));
        if (count < 0)
            return LinkError::Closed;  // hidraw fails reads only when the device is gone
        if (count == 0)
            return LinkError::TimedOut;
        std::fill(report.begin(), report.end(), 0);
        std::copy_n(data, count, report.begin() + 1);
        return LinkError::None;
    }

private:
    static LinkError FromErrno(int error)
    {
        switch (error) {
        case ENODEV: case EPIPE: case ESHUTDOWN: case EIO: return LinkError::Closed;
        case ETIMEDOUT: return LinkError::TimedOut;
        default: return LinkError::IoError;
        }
    }

    hid_device* m_pDevice;
};

// hidapi says only that an open failed; opening the node ourselves tells why.
LinkError WhyOpenFailed(const std::string& strPath)
{
    const int fd = ::open(strPath.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return LinkError::IoError;  // it opens, but it is not a HID device hidapi can use
    }
    switch (errno) {
    case EACCES: case EPERM: return LinkError::AccessDenied;
    case ENOENT: case ENODEV: case ENXIO: case ENOTDIR: return LinkError::NotFound;
    default: return LinkError::IoError;
    }
}
}  // namespace

CHidApiBackend::CHidApiBackend()
{
    static std::once_flag once;
    std::call_once(once, [] { hid_init(); });
}

std::vector<HidDeviceInfo> CHidApiBackend::Enumerate(const HidDeviceId& id)
{
    std::vector<HidDeviceInfo> found;
    hid_device_info* pList = hid_enumerate(id.wVendor, id.wProduct);
    for (const hid_device_info* p = pList; p != nullptr; p = p->next) {
        const HidDeviceId seen{p->vendor_id, p->product_id, p->release_number};
        if (seen == id && p->path != nullptr)
            found.push_back({p->path, seen});
    }
    hid_free_enumeration(pList);
    return found;
}

HidOpenResult CHidApiBackend::Open(const std::string& strPath)
{
    if (hid_device* pDevice = hid_open_path(strPath.c_str()))
        return {std::make_unique<CHidApiDevice>(pDevice), LinkError::None};
    const LinkError error = WhyOpenFailed(strPath);
    Trace("Open %s: %s\n", strPath.c_str(), ToString(error).data());
    return {nullptr, error};
}
