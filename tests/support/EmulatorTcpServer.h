#pragma once
// The processor's WiFi module for the tests: a TCP listener (on 127.0.0.1 at a free port unless
// told otherwise) that serves one connection at a time (a new one replaces the old) on a thread of its own. Received
// bytes are gathered into request frames for the emulator and every reply goes back whole, or
// in pieces when the test asks for it.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>

#include "tests/support/ProcessorEmulator.h"

class CEmulatorTcpServer {
public:
    explicit CEmulatorTcpServer(CProcessorEmulator& emulator, const char* szAddress = "127.0.0.1",
                                std::uint16_t nPort = 0);
    ~CEmulatorTcpServer();
    CEmulatorTcpServer(const CEmulatorTcpServer&) = delete;
    CEmulatorTcpServer& operator=(const CEmulatorTcpServer&) = delete;

    std::uint16_t Port() const { return m_nPort; }
    int Connections() const { return m_nConnections.load(); }  // accepted so far
    // Sends each later reply in pieces of nBytes, `gap` apart (0: whole).
    void SplitReplies(std::size_t nBytes, std::chrono::milliseconds gap);
    // Closes the current connection, as the module does when it drops a client.
    void CloseConnection();
    // Resets the connection (an abortive close) once the next reply is sent: the client's next
    // send fails.
    void ResetAfterNextReply() { m_bResetAfterReply = true; }

private:
    void Run();
    void Serve(int fd, const EmuOutput& output);
    bool Pause(std::chrono::milliseconds time) const;  // false when the server is stopping

    CProcessorEmulator& m_emulator;
    int m_listenFd = -1;
    int m_wakeFd = -1;  // eventfd: stop, or close the connection
    std::uint16_t m_nPort = 0;
    std::atomic<int> m_nConnections{0};
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bDropClient{false};
    std::atomic<bool> m_bResetAfterReply{false};
    std::mutex m_mutex;
    std::size_t m_nPiece = 0;
    std::chrono::milliseconds m_gap{0};
    std::thread m_thread;
};
