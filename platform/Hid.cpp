#include "platform/Hid.h"

#include <thread>

HidOpenResult OpenArrivedHidDevice(IHidBackend& backend, const std::string& strPath,
                                   const HidOpenRetry& retry)
{
    const auto deadline = std::chrono::steady_clock::now() + retry.grace;
    for (;;) {
        HidOpenResult result = backend.Open(strPath);
        if (result.error != LinkError::AccessDenied || std::chrono::steady_clock::now() >= deadline)
            return result;
        std::this_thread::sleep_for(retry.step);
    }
}
