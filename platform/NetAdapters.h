#pragma once
// The local network adapters, and the test whether one of them lies in the processor's subnet.
#include <string>
#include <string_view>
#include <vector>

struct NetAdapter {
    std::string strName;     // interface name, "lo", "wlan0" ...
    std::string strAddress;  // IPv4 address, dotted text
    std::string strMask;     // its mask, dotted text
};

// Every IPv4 address of every interface that is up.
std::vector<NetAdapter> LocalAdapters();

// The adapter lies in the subnet of `deviceAddress` when at least one octet of its mask is 255
// and every octet whose mask octet is 255 is equal in both addresses; other mask octets are not
// compared. False when an address is not dotted IPv4 text.
bool IsInSubnet(const NetAdapter& adapter, std::string_view deviceAddress);

// The first of `adapters` in the subnet of `deviceAddress`, or nullptr.
const NetAdapter* FindAdapterInSubnet(const std::vector<NetAdapter>& adapters, std::string_view deviceAddress);
