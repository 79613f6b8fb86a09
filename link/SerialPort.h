#pragma once
// The serial-port transport: the processor on a serial line at 57600 8N1 with RTS on. InitPort
// opens and configures the port, StartMonitoring starts the communication thread, which does all
// reading and writing: it writes the frame in flight (g_pCurSend) when asked, hands every reply
// byte to the command manager (g_pCommand) and retries, and when the line fails it posts
// WM_LINK_FAILED (0, 3) to the main view; it never shows a message.
//
// The thread takes one step each time its resume event is set and waits again when a
// transaction has ended. To carry a frame: under g_csLink make it g_pCurSend, then
// SetSerialEvent(SERIAL_WRITE) and ResumeMonitoring; g_hSendDone is set when the reply has been
// handled.
//
// The thread takes g_csLink around the frame in flight, the serial flags and the command
// manager, so ClosePort and InitPort (which wait for the thread to end) must not be called while
// holding g_csLink.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/Event.h"
#include "platform/Message.h"
#include "platform/SerialDevice.h"

// Comm events the port is asked to watch (the values of the system the transport came from).
constexpr unsigned EV_RXCHAR = 0x0001;
constexpr unsigned EV_CTS = 0x0008;
constexpr unsigned EV_TXEMPTY = 0x0004;

// Set when a serial transaction has ended (the reply was handled).
extern CManualEvent g_hSendDone;

class CSerialPort {
public:
    enum { SERIAL_SHUTDOWN, SERIAL_WRITE, SERIAL_COMM, SERIAL_RESUME };

    CSerialPort() = default;
    // Closes the port if the owner has not.
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Ends a running thread, then opens and configures the port; 1 on success, 0 when the port
    // cannot be opened or its driver queues set. A failing setting is shown and the opening
    // goes on.
    int InitPort(WndHandle hOwner, const std::string& strPortName, int nBaud, char cParity, int nDataBits,
                 int nStopBits, unsigned nEvents, int nBufferSize);
    int StartMonitoring();
    // Sets and clears the resume event (trace "Thread resumed\n", "Thread suspended\n").
    int ResumeMonitoring();
    int SuspendMonitoring();
    // Ends the thread and closes the port; a port that was never opened is left alone. 1.
    int ClosePort();

    void SetSerialEvent(int nEvent);
    SerialDcb GetDCB() const;
    unsigned GetCommEvents() const;
    int GetWriteBufferSize() const;
    bool IsThreadAlive() const { return m_bThreadAlive; }

    // Shows the failed call with the system's text of the error (user-interface thread only).
    void ProcessErrorMessage(const char* szCall);

private:
    void CommThread();
    void EndThread();
    // The first of shutdown, write request and comm event to be set: 0, 1, 2; -1 when the time
    // passed; -2 when the line failed.
    int WaitForEvents(std::chrono::milliseconds timeout);
    void OnCommEvent();
    void OnTimeout();
    void WriteChar();
    void ReceiveChar();
    // The frame in flight is to go out again, or the link has failed (g_csLink held).
    void RetryOrFail();
    void NotifyClosed();
    std::string ErrorMessage(const char* szCall) const;

    std::atomic<bool> m_bClosing{false};
    std::thread m_thread;
    std::atomic<bool> m_bThreadAlive{false};
    CManualEvent m_hShutdownEvent;
    CManualEvent m_hWriteEvent;
    CManualEvent m_hCommEvent;
    CManualEvent m_hResumeEvent;
    CSerialDevice m_device;
    SerialTimeouts m_timeouts;
    SerialDcb m_dcb;
    mutable std::mutex m_csPort;  // the port and the settings; lives as long as the object
    WndHandle m_hOwner = 0;
    std::vector<std::uint8_t> m_writeBuffer;
    std::string m_strPortName;
    unsigned m_dwCommEvents = 0;
    int m_nWriteBufferSize = 0;
};
