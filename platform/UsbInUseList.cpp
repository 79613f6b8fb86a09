#include "platform/UsbInUseList.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/Trace.h"

namespace {
constexpr const char* IN_USE_DATA = "0";

// A device path as a file name: letters, digits, '.', '_' and '-' stay, every other byte is %XX.
std::string EncodeFileName(const std::string& strPath)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : strPath) {
        if (std::isalnum(c) || c == '.' || c == '_' || c == '-') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

int OpenLockFile(const std::string& strFile, bool bCreate)
{
    return ::open(strFile.c_str(), O_RDWR | O_CLOEXEC | (bCreate ? O_CREAT : 0), 0600);
}
}  // namespace

// Holds the lock of the list itself while this copy reads, changes and flushes it, so that a
// check and a claim of two copies never interleave. Lock files are never deleted: a deleted file
// could be locked through an old descriptor and a new file at once.
class CUsbInUseList::CFileLock {
public:
    explicit CFileLock(const std::string& strFolder)
        : m_fd(OpenLockFile(strFolder + "/list.lock", true))
    {
        if (m_fd < 0)
            Trace("USB list lock unavailable: %s\n", strerror(errno));
        else
            while (flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {}
    }
    ~CFileLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

private:
    int m_fd;
};

CUsbInUseList::CUsbInUseList(ISettingsStore& store, std::string lockFolder)
    : m_store(store), m_lockFolder(std::move(lockFolder))
{
    std::error_code ec;
    std::filesystem::create_directories(m_lockFolder, ec);
}

CUsbInUseList::~CUsbInUseList()
{
    for (const auto& [strPath, fd] : m_held)
        ::close(fd);
}

std::string CUsbInUseList::DefaultLockFolder()
{
    return (std::filesystem::path(CFileSettingsStore::DefaultPath()).parent_path() / "usb-locks").string();
}

std::string CUsbInUseList::LockPath(const std::string& strPath) const
{
    return m_lockFolder + "/" + EncodeFileName(strPath) + ".lock";
}

bool CUsbInUseList::HeldElsewhere(const std::string& strPath) const
{
    const int fd = OpenLockFile(LockPath(strPath), false);
    if (fd < 0)
        return false;  // nobody ever locked it
    const bool bHeld = flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);  // also lets go of the probe's own lock
    return bHeld;
}

void CUsbInUseList::ReadAfresh()
{
    m_store.Flush();  // first writes this copy's pending settings, which a reload would drop
    m_store.Reload();
}

bool CUsbInUseList::IsFree(const std::string& strPath)
{
    std::lock_guard lock(m_mutex);
    if (m_held.contains(strPath))
        return false;
    CFileLock listLock(m_lockFolder);
    ReadAfresh();
    const bool bHeld = HeldElsewhere(strPath);
    if (!bHeld && m_store.ReadString(USB_IN_USE_KEY, strPath)) {
        Trace("Stale USB entry cleared: %s\n", strPath.c_str());
        m_store.DeleteValue(USB_IN_USE_KEY, strPath);
        m_store.Flush();
    }
    return !bHeld;
}

LinkError CUsbInUseList::Claim(const std::string& strPath)
{
    std::lock_guard lock(m_mutex);
    CFileLock listLock(m_lockFolder);
    if (!m_held.contains(strPath)) {
        const int fd = OpenLockFile(LockPath(strPath), true);
        if (fd < 0) {
            // Without a lock folder the list alone keeps the copies apart.
            Trace("USB lock file unavailable: %s\n", strerror(errno));
            ReadAfresh();
            if (m_store.ReadString(USB_IN_USE_KEY, strPath))
                return LinkError::Busy;
        } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return LinkError::Busy;
        } else {
            m_held.emplace(strPath, fd);
        }
    }
    ReadAfresh();
    m_store.WriteString(USB_IN_USE_KEY, strPath, IN_USE_DATA);
    m_store.Flush();
    return LinkError::None;
}

void CUsbInUseList::Release(const std::string& strPath)
{
    std::lock_guard lock(m_mutex);
    CFileLock listLock(m_lockFolder);
    auto it = m_held.find(strPath);
    if (it == m_held.end() && HeldElsewhere(strPath))
        return;  // another copy's device: its entry stays
    ReadAfresh();
    m_store.DeleteValue(USB_IN_USE_KEY, strPath);
    m_store.Flush();
    if (it != m_held.end()) {
        ::close(it->second);
        m_held.erase(it);
    }
}

void CUsbInUseList::Reset()
{
    std::lock_guard lock(m_mutex);
    CFileLock listLock(m_lockFolder);
    ReadAfresh();
    for (const std::string& strName : m_store.ValueNames(USB_IN_USE_KEY))
        m_store.DeleteValue(USB_IN_USE_KEY, strName);
    m_store.CreateKey(USB_IN_USE_KEY);
    m_store.Flush();
}

void CUsbInUseList::CreateKey()
{
    std::lock_guard lock(m_mutex);
    CFileLock listLock(m_lockFolder);
    ReadAfresh();
    if (m_store.HasKey(USB_IN_USE_KEY))
        return;
    m_store.CreateKey(USB_IN_USE_KEY);
    m_store.Flush();
}
