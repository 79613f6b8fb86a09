#pragma once
// The one vocabulary of link failures. Transports return it with their results; the link worker
// recovers from these and nothing else, and the user's message is chosen from it in one place.
#include <string_view>

enum class LinkError {
    None,          // success
    TimedOut,      // nothing arrived, or nothing could be sent, within the time limit
    Refused,       // the other end said no: a TCP connection refused, the processor's refusal reply
    Malformed,     // bytes arrived that are not a valid reply, or a report of the wrong shape
    Closed,        // the device was removed or the peer closed the connection
    AccessDenied,  // the device exists but this user may not open it (the udev rule is missing)
    Busy,          // another running copy of the program has the device open
    NotFound,      // no such device path
    BadAddress,    // the network address is not an IPv4 address in dotted text
    Unreachable,   // no route to the address
    IoError,       // any other failure of the system
};

std::string_view ToString(LinkError error);
