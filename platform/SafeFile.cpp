#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/Trace.h"

namespace {
bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}
}  // namespace

bool ReadWholeFile(const std::string& strPath, std::string& bytes, std::size_t nMaxBytes)
{
    bytes.clear();
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[4096];
    bool bOk = true;
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 || bytes.size() + static_cast<std::size_t>(count) > nMaxBytes) {
            bOk = false;
            break;
        }
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    if (!bOk)
        bytes.clear();
    return bOk;
}

bool WriteFileReplacing(const std::string& strPath, std::string_view bytes)
{
    std::string strTemp = strPath + ".XXXXXX";
    const int fd = ::mkostemp(strTemp.data(), O_CLOEXEC);
    if (fd < 0) {
        Trace("Cannot create a file beside %s: %s\n", strPath.c_str(), std::strerror(errno));
        return false;
    }
    // mkostemp makes the file private: a file saved over keeps its permissions, a new one gets
    // those of a document.
    struct stat old {};
    const mode_t mode = ::stat(strPath.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    bool bOk = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    bOk = ::close(fd) == 0 && bOk;
    if (bOk && ::rename(strTemp.c_str(), strPath.c_str()) == 0)
        return true;
    Trace("Cannot save %s: %s\n", strPath.c_str(), std::strerror(errno));
    ::unlink(strTemp.c_str());
    return false;
}
