#include "platform/ComPorts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "platform/SerialDevice.h"

namespace fs = std::filesystem;

namespace {
std::string ReadLine(const fs::path& path)
{
    std::ifstream in(path);
    std::string strLine;
    std::getline(in, strLine);
    while (!strLine.empty() && std::isspace(static_cast<unsigned char>(strLine.back())))
        strLine.pop_back();
    return strLine;
}

bool ContainsUsb(std::string strText)
{
    std::transform(strText.begin(), strText.end(), strText.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strText.find("usb") != std::string::npos;
}

// Names with a number at the end sort by that number after their common prefix.
bool PortNameLess(const std::string& a, const std::string& b)
{
    auto split = [](const std::string& s) {
        std::size_t i = s.size();
        while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1])) && s.size() - i < 9)
            --i;
        return std::pair{s.substr(0, i), i < s.size() ? std::stol(s.substr(i)) : -1L};
    };
    return split(a) < split(b);
}

// The USB product text of the nearest USB device above the tty's device, else its driver's name.
std::string DescriptionOf(const fs::path& device)
{
    std::error_code ec;
    for (fs::path p = device; !p.empty() && p != p.root_path(); p = p.parent_path()) {
        if (fs::exists(p / "product", ec))
            return ReadLine(p / "product");
        if (p.filename() == "devices")
            break;
    }
    const fs::path driver = fs::read_symlink(device / "driver", ec);
    return ec ? std::string() : driver.filename().string();
}
}  // namespace

std::string ListComPorts(std::vector<ComPortInfo>& list, bool bDropBusy, const std::string& strSysRoot,
                         const std::string& strDevRoot)
{
    list.clear();
    std::error_code ec;
    fs::directory_iterator it(strSysRoot, ec);
    if (ec)
        return "Could not read from " + strSysRoot;
    for (const auto& entry : it) {
        const std::string strName = entry.path().filename().string();
        const fs::path device = fs::canonical(entry.path() / "device", ec);
        if (ec)
            continue;  // a virtual console or a pseudo-terminal
        // Serial-core ports exist for every UART slot the driver knows; type 0 means none is there.
        if (fs::exists(entry.path() / "type", ec) && ReadLine(entry.path() / "type") == "0")
            continue;
        ComPortInfo info;
        info.strPortName = strName;
        info.strDevicePath = strDevRoot + "/" + strName;
        info.strDescription = DescriptionOf(device);
        if (info.strDescription.empty())
            info.strDescription = strName;
        info.strDisplayName = info.strDescription + " (" + strName + ")";
        info.bUsb = ContainsUsb(device.string()) || ContainsUsb(info.strDescription);
        list.push_back(std::move(info));
    }
    std::sort(list.begin(), list.end(),
              [](const ComPortInfo& a, const ComPortInfo& b) { return PortNameLess(a.strPortName, b.strPortName); });
    if (bDropBusy)
        std::erase_if(list, [](const ComPortInfo& info) {
            CSerialDevice port;
            return port.Open(info.strDevicePath) != LinkError::None;
        });
    return {};
}
