#pragma once
// The far end of a client's TCP connection in a test: a bare listener on 127.0.0.1 at a port
// the system picks, which accepts one connection and then does what the test says.
#include <sys/types.h>

#include <cstdint>
#include <vector>

#include "model/DataDefine.h"

class CLoopbackPeer {
public:
    CLoopbackPeer();
    ~CLoopbackPeer();
    CLoopbackPeer(const CLoopbackPeer&) = delete;
    CLoopbackPeer& operator=(const CLoopbackPeer&) = delete;

    // Waits for the client; a receive on the connection then waits 5 s at the most.
    void Accept();
    void Send(const std::vector<BYTE>& bytes);
    // What one receive returns: 0 once the client has closed the connection.
    ssize_t Receive();
    // Ends both directions while the connection stays open on this side.
    void Hangup();
    void CloseClient();

    std::uint16_t nPort = 0;

private:
    int m_listenFd = -1;
    int m_fd = -1;
};
