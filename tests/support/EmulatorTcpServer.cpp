#include "tests/support/EmulatorTcpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
void SendAll(int fd, const std::uint8_t* pBytes, std::size_t nCount)
{
    while (nCount > 0) {
        const ssize_t sent = send(fd, pBytes, nCount, MSG_NOSIGNAL);
        if (sent <= 0)
            return;  // the client went away; its next receive tells it
        pBytes += sent;
        nCount -= static_cast<std::size_t>(sent);
    }
}

void Wake(int fd)
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(fd, &one, sizeof one);
}
}  // namespace

CEmulatorTcpServer::CEmulatorTcpServer(CProcessorEmulator& emulator, const char* szAddress, std::uint16_t nPort)
    : m_emulator(emulator)
{
    m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    m_wakeFd = eventfd(0, EFD_CLOEXEC);
    const int one = 1;
    if (m_listenFd >= 0)
        setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(nPort);
    socklen_t length = sizeof address;
    if (m_listenFd < 0 || m_wakeFd < 0 || inet_pton(AF_INET, szAddress, &address.sin_addr) != 1
        || bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(m_listenFd, 4) != 0
        || getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error(std::string("the emulator cannot listen on ") + szAddress);
    m_nPort = ntohs(address.sin_port);
    m_thread = std::thread([this] { Run(); });
}

CEmulatorTcpServer::~CEmulatorTcpServer()
{
    m_bStop = true;
    Wake(m_wakeFd);
    m_thread.join();
    close(m_listenFd);
    close(m_wakeFd);
}

void CEmulatorTcpServer::SplitReplies(std::size_t nBytes, std::chrono::milliseconds gap)
{
    std::lock_guard lock(m_mutex);
    m_nPiece = nBytes;
    m_gap = gap;
}

void CEmulatorTcpServer::CloseConnection()
{
    m_bDropClient = true;
    Wake(m_wakeFd);
}

bool CEmulatorTcpServer::Pause(std::chrono::milliseconds time) const
{
    const auto deadline = std::chrono::steady_clock::now() + time;
    for (;;) {
        if (m_bStop || m_bDropClient)
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return true;
        pollfd pfd{m_wakeFd, POLLIN, 0};
        poll(&pfd, 1, static_cast<int>(left.count()));
    }
}

void CEmulatorTcpServer::Serve(int fd, const EmuOutput& output)
{
    std::size_t nPiece = 0;
    std::chrono::milliseconds gap{0};
    {
        std::lock_guard lock(m_mutex);
        nPiece = m_nPiece == 0 ? output.bytes.size() : m_nPiece;
        gap = m_gap;
    }
    for (std::size_t i = 0; i < output.bytes.size(); i += nPiece) {
        if (i > 0 && !Pause(gap))
            return;
        SendAll(fd, output.bytes.data() + i, std::min(nPiece, output.bytes.size() - i));
    }
}

void CEmulatorTcpServer::Run()
{
    int client = -1;
    CEmuRequestAssembler assembler;
    auto drop = [&client] {
        if (client >= 0)
            close(client);
        client = -1;
    };
    while (!m_bStop) {
        pollfd fds[3] = {{m_wakeFd, POLLIN, 0}, {m_listenFd, POLLIN, 0}, {client, POLLIN, 0}};
        if (poll(fds, 3, -1) < 0)
            continue;
        if (fds[0].revents != 0) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t got = read(m_wakeFd, &count, sizeof count);
            if (m_bDropClient.exchange(false))
                drop();
            continue;
        }
        if (fds[1].revents != 0) {
            const int accepted = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (accepted >= 0) {
                drop();
                client = accepted;
                const int one = 1;
                setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
                assembler.Reset();
                ++m_nConnections;
            }
            continue;
        }
        if (client < 0 || fds[2].revents == 0)
            continue;
        std::uint8_t buffer[1024];
        const ssize_t count = recv(client, buffer, sizeof buffer, 0);
        if (count <= 0) {
            drop();
            continue;
        }
        m_emulator.Receive(std::span(buffer, static_cast<std::size_t>(count)));
        for (const auto& frame : assembler.Feed(std::span(buffer, static_cast<std::size_t>(count)))) {
            const EmuOutput output = m_emulator.Handle(frame);
            if (output.bClose || output.bWifiReset) {
                drop();  // a reset WiFi module answers nothing and drops its client
                break;
            }
            if (!Pause(output.delay))
                break;
            Serve(client, output);
            if (!output.bytes.empty() && m_bResetAfterReply.exchange(false)) {
                const linger abortive{1, 0};
                setsockopt(client, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
                drop();
                break;
            }
        }
    }
    drop();
}
