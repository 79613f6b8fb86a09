#include "platform/TcpClient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace {
LinkError FromErrno(int error)
{
    switch (error) {
    case EAGAIN: case ETIMEDOUT: return LinkError::TimedOut;
    case ECONNREFUSED: return LinkError::Refused;
    case EPIPE: case ECONNRESET: case ECONNABORTED: case ENOTCONN: case ESHUTDOWN: return LinkError::Closed;
    case ENETUNREACH: case EHOSTUNREACH: case ENETDOWN: case EHOSTDOWN: return LinkError::Unreachable;
    default: return LinkError::IoError;
    }
}

timeval ToTimeval(std::chrono::milliseconds timeout)
{
    const auto ms = std::max<std::chrono::milliseconds::rep>(timeout.count(), 1);  // 0 would mean "never"
    return timeval{static_cast<time_t>(ms / 1000), static_cast<suseconds_t>(ms % 1000 * 1000)};
}

bool SetTimeout(int fd, int option, std::chrono::milliseconds timeout)
{
    const timeval tv = ToTimeval(timeout);
    return setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv) == 0;
}

// connect() bounded by a time-out: non-blocking connect, then wait for the socket to be writable.
LinkError ConnectWithin(int fd, const sockaddr_in& address, std::chrono::milliseconds timeout)
{
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0)
        return FromErrno(errno);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINPROGRESS)
            return FromErrno(errno);
        pollfd pfd{fd, POLLOUT, 0};
        const auto ms = std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX);
        int ready = 0;
        while ((ready = poll(&pfd, 1, static_cast<int>(ms))) < 0 && errno == EINTR) {}
        if (ready == 0)
            return LinkError::TimedOut;
        int error = 0;
        socklen_t length = sizeof error;
        if (ready < 0 || getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
            return FromErrno(errno);
        if (error != 0)
            return FromErrno(error);
    }
    return fcntl(fd, F_SETFL, flags) == 0 ? LinkError::None : FromErrno(errno);
}
}  // namespace

CTcpClient::~CTcpClient()
{
    Close();
}

LinkError CTcpClient::Connect(const std::string& strAddress, std::uint16_t nPort, const TcpTimeouts& timeouts)
{
    Close();
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(nPort);
    if (inet_pton(AF_INET, strAddress.c_str(), &address.sin_addr) != 1)
        return LinkError::BadAddress;
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return FromErrno(errno);
    // Frames go out at once instead of waiting to be coalesced.
    const int one = 1;
    LinkError error = setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one) == 0
            && SetTimeout(fd, SO_SNDTIMEO, timeouts.send) && SetTimeout(fd, SO_RCVTIMEO, timeouts.receive)
        ? ConnectWithin(fd, address, timeouts.connect)
        : FromErrno(errno);
    if (error != LinkError::None) {
        ::close(fd);
        return error;
    }
    m_fd = fd;
    return LinkError::None;
}

void CTcpClient::Close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

LinkError CTcpClient::Send(std::span<const std::uint8_t> bytes)
{
    if (m_fd < 0)
        return LinkError::Closed;
    while (!bytes.empty()) {
        const ssize_t sent = send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR)
                continue;
            return FromErrno(errno);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(sent));
    }
    return LinkError::None;
}

TcpReceived CTcpClient::Receive(std::span<std::uint8_t> buffer)
{
    if (m_fd < 0)
        return {LinkError::Closed, 0};
    if (buffer.empty())
        return {LinkError::Malformed, 0};
    for (;;) {
        const ssize_t count = recv(m_fd, buffer.data(), buffer.size(), 0);
        if (count > 0)
            return {LinkError::None, static_cast<std::size_t>(count)};
        if (count == 0)
            return {LinkError::Closed, 0};  // the peer closed the connection
        if (errno != EINTR)
            return {FromErrno(errno), 0};
    }
}

LinkError CTcpClient::SetReceiveTimeout(std::chrono::milliseconds timeout)
{
    if (m_fd < 0)
        return LinkError::Closed;
    return SetTimeout(m_fd, SO_RCVTIMEO, timeout) ? LinkError::None : FromErrno(errno);
}

void CTcpClient::CancelBlockingCall()
{
    if (m_fd >= 0)
        ::shutdown(m_fd, SHUT_RDWR);
}
