#pragma once
// The HID backend of the program: hidapi over hidraw.
#include "platform/Hid.h"

class CHidApiBackend final : public IHidBackend {
public:
    CHidApiBackend();
    std::vector<HidDeviceInfo> Enumerate(const HidDeviceId& id) override;
    HidOpenResult Open(const std::string& strPath) override;
};
