#include "platform/SerialDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <sstream>

namespace {
struct SpeedEntry {
    int nBaud;
    speed_t speed;
};
constexpr SpeedEntry kSpeeds[] = {
    {110, B110},       {300, B300},       {600, B600},       {1200, B1200},     {2400, B2400},
    {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool SpeedOf(int nBaud, speed_t& speed)
{
    for (const auto& entry : kSpeeds)
        if (entry.nBaud == nBaud) {
            speed = entry.speed;
            return true;
        }
    return false;
}

int BaudOf(speed_t speed)
{
    for (const auto& entry : kSpeeds)
        if (entry.speed == speed)
            return entry.nBaud;
    return 0;
}

int PollMs(std::chrono::milliseconds timeout)
{
    return timeout.count() < 0 ? -1 : static_cast<int>(std::min<std::chrono::milliseconds::rep>(timeout.count(), INT_MAX));
}

// poll() that goes on after a signal with the time that is left.
int PollFor(pollfd* pFds, nfds_t nCount, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const int ready = poll(pFds, nCount, PollMs(timeout));
        if (ready >= 0 || errno != EINTR)
            return ready;
        if (timeout.count() >= 0)
            timeout = std::max(std::chrono::milliseconds(0), std::chrono::duration_cast<std::chrono::milliseconds>(
                                                                 deadline - std::chrono::steady_clock::now()));
    }
}

LinkError OpenError(int nError)
{
    switch (nError) {
    case ENOENT: case ENODEV: case ENXIO: return LinkError::NotFound;
    case EACCES: case EPERM: return LinkError::AccessDenied;
    case EBUSY: case EWOULDBLOCK: return LinkError::Busy;
    default: return LinkError::IoError;
    }
}
}  // namespace

bool BuildSerialDcb(const std::string& strSettings, SerialDcb& dcb)
{
    SerialDcb result = dcb;
    std::istringstream in(strSettings);
    std::string strField;
    while (in >> strField) {
        const auto eq = strField.find('=');
        if (eq == std::string::npos || eq + 1 == strField.size())
            return false;
        const std::string strKey = strField.substr(0, eq);
        const std::string strValue = strField.substr(eq + 1);
        if (strKey == "parity") {
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(strValue[0])));
            if (strValue.size() != 1 || (c != 'N' && c != 'E' && c != 'O'))
                return false;
            result.cParity = c;
            continue;
        }
        int nValue = 0;
        std::istringstream number(strValue);
        if (!(number >> nValue) || !number.eof())
            return false;
        if (strKey == "baud") {
            speed_t speed;
            if (!SpeedOf(nValue, speed))
                return false;
            result.nBaudRate = nValue;
        } else if (strKey == "data" && nValue >= 5 && nValue <= 8) {
            result.nByteSize = nValue;
        } else if (strKey == "stop" && (nValue == 1 || nValue == 2)) {
            result.nStopBits = nValue;
        } else {
            return false;
        }
    }
    dcb = result;
    return true;
}

CSerialDevice::~CSerialDevice()
{
    Close();
}

std::string CSerialDevice::PathOf(const std::string& strName)
{
    return strName.find('/') == std::string::npos ? "/dev/" + strName : strName;
}

LinkError CSerialDevice::Open(const std::string& strName)
{
    Close();
    const int fd = open(PathOf(strName).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_nError = errno;
        return OpenError(m_nError);
    }
    if (!isatty(fd)) {
        m_nError = ENOTTY;
        close(fd);
        return LinkError::IoError;
    }
    // Not shared: TIOCEXCL keeps other openers out, the lock tells programs that check it (root
    // passes TIOCEXCL).
    if (ioctl(fd, TIOCEXCL) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_nError = errno;
        close(fd);
        return OpenError(m_nError);
    }
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        m_nError = errno;
        close(fd);
        return LinkError::IoError;
    }
    m_fd = fd;
    return LinkError::None;
}

void CSerialDevice::Close()
{
    if (m_fd >= 0) {
        ioctl(m_fd, TIOCNXCL);
        close(m_fd);
        m_fd = -1;
    }
    if (m_wakeFd >= 0) {
        close(m_wakeFd);
        m_wakeFd = -1;
    }
}

bool CSerialDevice::Fail()
{
    m_nError = errno;
    return false;
}

bool CSerialDevice::SetTimeouts(const SerialTimeouts& timeouts)
{
    if (m_fd < 0) {
        m_nError = EBADF;
        return false;
    }
    m_timeouts = timeouts;
    return true;
}

bool CSerialDevice::GetState(SerialDcb& dcb)
{
    termios tio{};
    if (tcgetattr(m_fd, &tio) != 0)
        return Fail();
    dcb.nBaudRate = BaudOf(cfgetospeed(&tio));
    dcb.cParity = (tio.c_cflag & PARENB) == 0 ? 'N' : (tio.c_cflag & PARODD) != 0 ? 'O' : 'E';
    switch (tio.c_cflag & CSIZE) {
    case CS5: dcb.nByteSize = 5; break;
    case CS6: dcb.nByteSize = 6; break;
    case CS7: dcb.nByteSize = 7; break;
    default: dcb.nByteSize = 8; break;
    }
    dcb.nStopBits = (tio.c_cflag & CSTOPB) != 0 ? 2 : 1;
    int nLines = 0;
    dcb.bRtsOn = ioctl(m_fd, TIOCMGET, &nLines) == 0 && (nLines & TIOCM_RTS) != 0;
    return true;
}

bool CSerialDevice::SetState(const SerialDcb& dcb)
{
    termios tio{};
    speed_t speed;
    if (!SpeedOf(dcb.nBaudRate, speed) || dcb.nByteSize < 5 || dcb.nByteSize > 8) {
        m_nError = EINVAL;
        return false;
    }
    if (tcgetattr(m_fd, &tio) != 0)
        return Fail();
    cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= kSizes[dcb.nByteSize - 5] | CREAD | CLOCAL;
    if (dcb.cParity == 'E' || dcb.cParity == 'O')
        tio.c_cflag |= PARENB | (dcb.cParity == 'O' ? PARODD : 0);
    if (dcb.nStopBits == 2)
        tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (cfsetispeed(&tio, speed) != 0 || cfsetospeed(&tio, speed) != 0 || tcsetattr(m_fd, TCSANOW, &tio) != 0)
        return Fail();
    const int nRts = TIOCM_RTS;
    if (ioctl(m_fd, dcb.bRtsOn ? TIOCMBIS : TIOCMBIC, &nRts) != 0 && errno != ENOTTY && errno != EINVAL)
        return Fail();
    return true;
}

bool CSerialDevice::SetQueues(int nInBytes, int nOutBytes)
{
    if (m_fd < 0 || nInBytes <= 0 || nOutBytes <= 0) {
        m_nError = m_fd < 0 ? EBADF : EINVAL;
        return false;
    }
    return true;
}

bool CSerialDevice::Purge()
{
    return tcflush(m_fd, TCIOFLUSH) == 0 || Fail();
}

bool CSerialDevice::PurgeInput()
{
    return tcflush(m_fd, TCIFLUSH) == 0 || Fail();
}

SerialStatus CSerialDevice::GetStatus()
{
    SerialStatus status;
    if (ioctl(m_fd, FIONREAD, &status.nInQueue) != 0 || ioctl(m_fd, TIOCOUTQ, &status.nOutQueue) != 0) {
        Fail();
        return SerialStatus{};
    }
    status.bOk = true;
    return status;
}

CSerialDevice::WaitResult CSerialDevice::WaitReadable(std::chrono::milliseconds timeout)
{
    pollfd fds[2] = {{m_fd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
    const int ready = PollFor(fds, 2, timeout);
    if (ready < 0) {
        Fail();
        return WaitResult::Failed;
    }
    if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
        m_nError = EIO;
        return WaitResult::Failed;
    }
    if ((fds[0].revents & POLLIN) != 0)
        return WaitResult::Readable;
    if ((fds[1].revents & POLLIN) != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t got = read(m_wakeFd, &count, sizeof count);
        return WaitResult::Woken;
    }
    return WaitResult::TimedOut;
}

void CSerialDevice::Wake()
{
    if (m_wakeFd < 0)
        return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(m_wakeFd, &one, sizeof one);
}

LinkError CSerialDevice::ReadByte(std::uint8_t& by)
{
    const std::chrono::milliseconds limit(m_timeouts.nReadTotalConstant + m_timeouts.nReadTotalMultiplier);
    pollfd fd{m_fd, POLLIN, 0};
    const int ready = PollFor(&fd, 1, limit);
    if (ready < 0 || (fd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
        m_nError = ready < 0 ? errno : EIO;
        return LinkError::IoError;
    }
    if (ready == 0)
        return LinkError::TimedOut;
    const ssize_t got = read(m_fd, &by, 1);
    if (got == 1)
        return LinkError::None;
    m_nError = got == 0 ? EIO : errno;
    return got < 0 && errno == EAGAIN ? LinkError::TimedOut : LinkError::IoError;
}

LinkError CSerialDevice::Write(std::span<const std::uint8_t> bytes)
{
    const auto deadline = std::chrono::steady_clock::now()
                          + std::chrono::milliseconds(m_timeouts.nWriteTotalConstant
                                                      + m_timeouts.nWriteTotalMultiplier * static_cast<int>(bytes.size()));
    std::size_t nDone = 0;
    while (nDone < bytes.size()) {
        const ssize_t written = write(m_fd, bytes.data() + nDone, bytes.size() - nDone);
        if (written > 0) {
            nDone += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) {
            Fail();
            return LinkError::IoError;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd fd{m_fd, POLLOUT, 0};
        if (left.count() <= 0 || PollFor(&fd, 1, left) <= 0) {
            m_nError = ETIMEDOUT;
            return LinkError::TimedOut;
        }
    }
    return LinkError::None;
}

std::string CSerialDevice::ErrorText() const
{
    return std::strerror(m_nError);
}
