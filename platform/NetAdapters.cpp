#include "platform/NetAdapters.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <array>
#include <cstring>
#include <optional>

namespace {
std::optional<std::array<std::uint8_t, 4>> ParseIPv4(std::string_view text)
{
    char buffer[INET_ADDRSTRLEN] = {};
    if (text.size() >= sizeof buffer)
        return std::nullopt;
    std::memcpy(buffer, text.data(), text.size());
    in_addr address{};
    if (inet_pton(AF_INET, buffer, &address) != 1)
        return std::nullopt;
    std::array<std::uint8_t, 4> octets{};
    std::memcpy(octets.data(), &address.s_addr, 4);  // network order: octets in text order
    return octets;
}

std::string ToText(const sockaddr* pAddress)
{
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(pAddress)->sin_addr, text, sizeof text);
    return text;
}
}  // namespace

std::vector<NetAdapter> LocalAdapters()
{
    std::vector<NetAdapter> adapters;
    ifaddrs* pList = nullptr;
    if (getifaddrs(&pList) != 0)
        return adapters;
    for (const ifaddrs* p = pList; p != nullptr; p = p->ifa_next) {
        if (p->ifa_addr == nullptr || p->ifa_netmask == nullptr || p->ifa_addr->sa_family != AF_INET
            || (p->ifa_flags & IFF_UP) == 0)
            continue;
        adapters.push_back({p->ifa_name, ToText(p->ifa_addr), ToText(p->ifa_netmask)});
    }
    freeifaddrs(pList);
    return adapters;
}

bool IsInSubnet(const NetAdapter& adapter, std::string_view deviceAddress)
{
    const auto mine = ParseIPv4(adapter.strAddress);
    const auto mask = ParseIPv4(adapter.strMask);
    const auto device = ParseIPv4(deviceAddress);
    if (!mine || !mask || !device)
        return false;
    bool bCompared = false;
    for (std::size_t i = 0; i < 4; ++i) {
        if ((*mask)[i] != 255)
            continue;
        if ((*mine)[i] != (*device)[i])
            return false;
        bCompared = true;
    }
    return bCompared;
}

const NetAdapter* FindAdapterInSubnet(const std::vector<NetAdapter>& adapters, std::string_view deviceAddress)
{
    for (const NetAdapter& adapter : adapters)
        if (IsInSubnet(adapter, deviceAddress))
            return &adapter;
    return nullptr;
}
