#pragma once
// The system's ping, run once against the processor's address.
#include <chrono>
#include <string>

struct PingOptions {
    std::string strProgram = "ping";          // looked up on PATH
    std::chrono::milliseconds bound{3000};    // a ping still running then counts as no answer
};

// Runs "ping -c 1 -W 1 ADDRESS" as an argument list (never through a shell) and answers whether
// the processor replied: its output holds a TTL field ("ttl=", in any letter case). Only an IPv4
// address in dotted text is pinged, so an address can never pass as an option of ping.
bool PingDevice(const std::string& strAddress, const PingOptions& options = {});
