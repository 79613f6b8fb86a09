#pragma once
// Blocking TCP client of the processor's WiFi module, with send and receive time-outs. A receive
// that times out is TimedOut; a closed connection or a socket error is always an error, never a
// byte count. Sends never raise SIGPIPE. One thread at a time may use an object.
#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "platform/LinkError.h"

struct TcpTimeouts {
    std::chrono::milliseconds connect{3000};
    std::chrono::milliseconds send{1000};
    std::chrono::milliseconds receive{1000};
};

struct TcpReceived {
    LinkError error = LinkError::None;
    std::size_t nCount = 0;  // bytes received; at least 1 exactly when error is None
};

class CTcpClient {
public:
    CTcpClient() = default;
    ~CTcpClient();
    CTcpClient(const CTcpClient&) = delete;
    CTcpClient& operator=(const CTcpClient&) = delete;

    // Connects to an IPv4 address in dotted text, closing any earlier connection first.
    LinkError Connect(const std::string& strAddress, std::uint16_t nPort, const TcpTimeouts& timeouts = {});
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

    // Sends every byte, or fails.
    LinkError Send(std::span<const std::uint8_t> bytes);
    // One receive of at most buffer.size() bytes, waiting at most the receive time-out.
    TcpReceived Receive(std::span<std::uint8_t> buffer);
    LinkError SetReceiveTimeout(std::chrono::milliseconds timeout);
    // Ends a send or receive that blocks on another thread; the connection is then only fit to
    // be closed.
    void CancelBlockingCall();

private:
    int m_fd = -1;
};
