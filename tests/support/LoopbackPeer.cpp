#include "tests/support/LoopbackPeer.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

CLoopbackPeer::CLoopbackPeer()
{
    m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(m_listenFd, 1);
    getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length);
    nPort = ntohs(address.sin_port);
}

CLoopbackPeer::~CLoopbackPeer()
{
    if (m_fd >= 0)
        close(m_fd);
    close(m_listenFd);
}

void CLoopbackPeer::Accept()
{
    m_fd = accept(m_listenFd, nullptr, nullptr);
    const timeval wait{5, 0};
    setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
}

void CLoopbackPeer::Send(const std::vector<BYTE>& bytes)
{
    ASSERT_EQ(send(m_fd, bytes.data(), bytes.size(), 0), ssize_t(bytes.size()));
}

ssize_t CLoopbackPeer::Receive()
{
    BYTE buffer[64];
    return recv(m_fd, buffer, sizeof buffer, 0);
}

void CLoopbackPeer::Hangup()
{
    shutdown(m_fd, SHUT_RDWR);
}

void CLoopbackPeer::CloseClient()
{
    close(m_fd);
    m_fd = -1;
}
