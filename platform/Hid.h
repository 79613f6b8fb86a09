#pragma once
// USB HID access: enumerate by vendor, product and version, open by path, write a 65-byte
// report, read one with a time-out, close (destroy the device object). The program uses the
// hidapi implementation (platform/HidApiBackend.h); tests use the processor emulator's in-memory
// backend (tests/support/EmulatedHid.h). The link worker takes the interface by reference.
//
// Reports always have the Windows shape: byte 0 is the report id 0, bytes 1 to 64 carry frame
// bytes, so the link's offsets hold whichever backend is used.
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/LinkError.h"

constexpr std::size_t HID_REPORT_BYTES = 65;
constexpr std::size_t HID_REPORT_DATA = 64;  // frame bytes per report, after the report id
using HidReport = std::array<std::uint8_t, HID_REPORT_BYTES>;
// A report buffer as the link keeps it: a std::array or a plain 65-byte array.
using HidReportOut = std::span<const std::uint8_t, HID_REPORT_BYTES>;
using HidReportIn = std::span<std::uint8_t, HID_REPORT_BYTES>;

struct HidDeviceId {
    std::uint16_t wVendor = 0;
    std::uint16_t wProduct = 0;
    std::uint16_t wVersion = 0;  // release number (bcdDevice)
    bool operator==(const HidDeviceId&) const = default;
};

// The processor: the only HID device the program opens.
constexpr HidDeviceId PROCESSOR_HID_ID{0x0483, 0x5750, 0x0200};

struct HidDeviceInfo {
    std::string strPath;  // what Open takes, and what hot-plug messages carry
    HidDeviceId id;
};

// One open device. Destroying it closes it. One thread at a time may use it.
class IHidDevice {
public:
    virtual ~IHidDevice() = default;
    // Writes the whole report and returns when it has gone out (no write is left pending).
    virtual LinkError Write(HidReportOut report) = 0;
    // Waits at most `timeout` for one input report. On success byte 0 is 0 and bytes 1 to 64 hold
    // the report; TimedOut when none came, Closed when the device is gone.
    virtual LinkError Read(HidReportIn report, std::chrono::milliseconds timeout) = 0;
};

struct HidOpenResult {
    std::unique_ptr<IHidDevice> pDevice;  // set exactly when error is None
    LinkError error = LinkError::None;
};

class IHidBackend {
public:
    virtual ~IHidBackend() = default;
    // Present devices with exactly this vendor, product and version. Never touches open devices.
    virtual std::vector<HidDeviceInfo> Enumerate(const HidDeviceId& id) = 0;
    // Opens for reading and writing. AccessDenied when the user may not open the node,
    // NotFound when no such device exists.
    virtual HidOpenResult Open(const std::string& strPath) = 0;
};

// How long an open that meets AccessDenied is tried again: udev may set a new node's permissions
// a moment after the device appears.
struct HidOpenRetry {
    std::chrono::milliseconds grace{1500};
    std::chrono::milliseconds step{100};
};

// Opens a device that has just arrived: AccessDenied is tried again until the grace time has
// passed; every other result is returned at once. An AccessDenied that outlasts the grace is the
// missing udev rule, which the UI names in its message.
HidOpenResult OpenArrivedHidDevice(IHidBackend& backend, const std::string& strPath,
                                   const HidOpenRetry& retry = {});
