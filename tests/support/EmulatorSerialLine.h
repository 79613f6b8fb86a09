#pragma once
// The processor at the far end of a serial line, for the tests: a pseudo-terminal pair whose
// master side a thread of its own serves. Bytes the editor writes to the slave are gathered into
// request frames for the emulator; each reply goes back one byte at a time, a little apart, as a
// UART delivers it. The slave stays open here too (never read), so the line does not hang up
// while the editor closes and reopens its port.
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "tests/support/ProcessorEmulator.h"

struct termios;

class CEmulatorSerialLine {
public:
    explicit CEmulatorSerialLine(CProcessorEmulator& emulator);
    ~CEmulatorSerialLine();
    CEmulatorSerialLine(const CEmulatorSerialLine&) = delete;
    CEmulatorSerialLine& operator=(const CEmulatorSerialLine&) = delete;

    // The slave's path, for the editor to open.
    const std::string& PortPath() const { return m_strSlavePath; }
    // The line settings the editor's side has now.
    bool GetLineSettings(termios& tio) const;

private:
    void Run();

    CProcessorEmulator& m_emulator;
    int m_masterFd = -1;
    int m_slaveFd = -1;
    int m_wakeFd = -1;
    std::string m_strSlavePath;
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};
