#include "tests/support/EmulatorSerialLine.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

namespace {
constexpr std::chrono::microseconds kByteGap{300};  // a little more than a byte takes at 57600 baud
}  // namespace

CEmulatorSerialLine::CEmulatorSerialLine(CProcessorEmulator& emulator) : m_emulator(emulator)
{
    m_masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_masterFd < 0 || grantpt(m_masterFd) != 0 || unlockpt(m_masterFd) != 0)
        throw std::runtime_error("no pseudo-terminal for the emulated serial line");
    m_strSlavePath = ptsname(m_masterFd);
    m_slaveFd = open(m_strSlavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    m_wakeFd = eventfd(0, EFD_CLOEXEC);
    if (m_slaveFd < 0 || m_wakeFd < 0)
        throw std::runtime_error("cannot open the emulated serial line");
    m_thread = std::thread([this] { Run(); });
}

CEmulatorSerialLine::~CEmulatorSerialLine()
{
    m_bStop = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(m_wakeFd, &one, sizeof one);
    m_thread.join();
    close(m_wakeFd);
    close(m_slaveFd);
    close(m_masterFd);
}

bool CEmulatorSerialLine::GetLineSettings(termios& tio) const
{
    // On a pseudo-terminal the master reports the slave's settings.
    return tcgetattr(m_masterFd, &tio) == 0;
}

void CEmulatorSerialLine::Run()
{
    CEmuRequestAssembler assembler;
    while (!m_bStop) {
        pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {m_masterFd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || fds[0].revents != 0)
            continue;
        std::uint8_t buffer[512];
        const ssize_t count = read(m_masterFd, buffer, sizeof buffer);
        if (count <= 0)
            continue;
        for (const auto& frame : assembler.Feed(std::span(buffer, static_cast<std::size_t>(count)))) {
            const EmuOutput output = m_emulator.Handle(frame);
            std::this_thread::sleep_for(output.delay);
            for (const std::uint8_t by : output.bytes) {
                [[maybe_unused]] const ssize_t sent = write(m_masterFd, &by, 1);
                std::this_thread::sleep_for(kByteGap);
            }
        }
    }
}
