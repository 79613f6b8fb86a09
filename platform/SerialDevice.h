#pragma once
// A serial port on termios, in the terms the serial transport was written in: time-outs, a
// device control block (speed, parity, data and stop bits, the RTS line), driver queues, purge,
// the error state with the queue sizes, one byte read, a whole write. The port is opened
// exclusively and non-blocking; every wait is bounded by the time-outs and can be cut short by
// Wake from another thread. Calls that fail keep the system's error number for ErrorText.
#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "platform/LinkError.h"

// The device control block: what "baud=57600 parity=N data=8 stop=1" describes, plus RTS.
struct SerialDcb {
    int nBaudRate = 9600;
    char cParity = 'N';  // N, E, O (M and S are not supported here)
    int nByteSize = 8;   // 5 to 8
    int nStopBits = 1;   // 1 or 2
    bool bRtsOn = false; // the RTS line is held on (no RTS/CTS handshake)
};

// Parses a settings text such as "baud=57600 parity=N data=8 stop=1" into the block; fields that
// the text does not name keep their values. False for a text it cannot read.
bool BuildSerialDcb(const std::string& strSettings, SerialDcb& dcb);

// All in milliseconds; a read waits for its first byte at most the total constant plus the
// multiplier per byte asked for, a write likewise.
struct SerialTimeouts {
    int nReadInterval = 0;
    int nReadTotalMultiplier = 0;
    int nReadTotalConstant = 0;
    int nWriteTotalMultiplier = 0;
    int nWriteTotalConstant = 0;
};

struct SerialStatus {
    bool bOk = false;
    int nInQueue = 0;   // bytes received and not yet read
    int nOutQueue = 0;  // bytes written and not yet sent
};

class CSerialDevice {
public:
    enum class WaitResult { Readable, Woken, TimedOut, Failed };

    CSerialDevice() = default;
    ~CSerialDevice();
    CSerialDevice(const CSerialDevice&) = delete;
    CSerialDevice& operator=(const CSerialDevice&) = delete;

    // A name without a slash is looked up in /dev. NotFound, AccessDenied, Busy (another program
    // holds it), or IoError for a file that is not a terminal.
    LinkError Open(const std::string& strName);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    // The path a port name opens.
    static std::string PathOf(const std::string& strName);

    bool SetTimeouts(const SerialTimeouts& timeouts);
    bool GetState(SerialDcb& dcb);
    // Raw 8-bit line with the block's speed, parity, data and stop bits, receiver on, no flow
    // control; then the RTS line. A line without modem control (a pseudo-terminal) has no RTS to
    // set, which is not a failure.
    bool SetState(const SerialDcb& dcb);
    // The Linux drivers keep queues of their own size; sizes that are not positive fail.
    bool SetQueues(int nInBytes, int nOutBytes);
    // Drops what is waiting in both directions.
    bool Purge();
    bool PurgeInput();
    SerialStatus GetStatus();

    // Waits until a byte can be read, Wake is called, or the time passes (negative: no limit).
    // Failed when the line hung up or broke.
    WaitResult WaitReadable(std::chrono::milliseconds timeout);
    // Ends the current or next WaitReadable early; any thread.
    void Wake();

    // One byte, waiting at most the read time-outs. TimedOut when none came.
    LinkError ReadByte(std::uint8_t& by);
    // Every byte, waiting at most the write time-outs; then until the line has sent them.
    LinkError Write(std::span<const std::uint8_t> bytes);

    // The system's text of the last failed call.
    std::string ErrorText() const;

private:
    bool Fail();

    int m_fd = -1;
    int m_wakeFd = -1;
    int m_nError = 0;
    SerialTimeouts m_timeouts;
};
