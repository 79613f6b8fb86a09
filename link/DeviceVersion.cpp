#include "link/DeviceVersion.h"

#include <cstring>

namespace {
constexpr std::size_t PRODUCT_CHARS = 6;
constexpr std::size_t COMPARED_CHARS = 8;
constexpr std::size_t GENERATION_DIGIT = 7;
}  // namespace

VersionVerdict CheckVersion(const char* szVersion)
{
    if (std::memcmp(szVersion, g_szVersionTag, PRODUCT_CHARS) != 0)
        return VersionVerdict::OtherProduct;
    if (std::memcmp(szVersion, g_szVersionTag, COMPARED_CHARS) != 0)
        return VersionVerdict::OtherGeneration;
    return VersionVerdict::Accepted;
}

std::string VersionRangeText(const char* szVersion, bool bChinese)
{
    const int nSoftware = g_szVersionTag[GENERATION_DIGIT] - '0';
    const char cDevice = szVersion[GENERATION_DIGIT];
    const int nDevice = cDevice >= '0' && cDevice <= '9' ? cDevice - '0' : 0;
    if (nDevice < nSoftware) {
        const std::string s = std::to_string(nSoftware);
        if (bChinese)
            return "设备版本比PC软件版本号低，只有版本号为“MPZQ-CV" + s + ".01到MPZQ-CV" + s +
                ".99”之间的设备才能和该版本的PC软件连接。";
        return " If device version is lower than the software version, only the device at version, MPZQ_CV" + s +
            ".01 to MPZQ_CV" + s + ".99, can be connected with this software.";
    }
    if (nDevice > nSoftware) {
        const std::string d = std::to_string(nDevice);
        if (bChinese)
            return "PC软件版本比设备版本号低，只有版本号为“VOVA-CV" + d + ".01到VOVA-CV" + d +
                ".99”之间的PC软件才能和该版本的设备连接。";
        return " If software version is lower than the device version, only the software at version, VOVA_CV" + d +
            ".01 to VOVA_CV" + d + ".99, can be connected with this device.";
    }
    return {};
}
