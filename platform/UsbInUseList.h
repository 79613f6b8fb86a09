#pragma once
// The list of USB devices that running copies of the program have open: the settings key
// "Software/Tarvi.exe/USB", one value per device path, data "0", read afresh before each check and
// flushed after each write. Each entry is backed by an flock on a per-device lock file, held for as
// long as this copy has the device: the system releases it when a process ends, however it ends,
// so an entry whose lock nobody holds was left by a copy that crashed; it is stale and is cleared.
// The lock decides, the list follows it: two copies never hold the same device.
//
// Order of use: CreateKey at start-up, IsFree to offer a device, Claim before opening it (Release when the open fails),
// Release when it is closed, Reset when no device of the right kind is present.
#include <map>
#include <mutex>
#include <string>

#include "platform/LinkError.h"
#include "platform/SettingsStore.h"

constexpr const char* USB_IN_USE_KEY = "Software/Tarvi.exe/USB";

class CUsbInUseList {
public:
    // Lock files go to `lockFolder`; the default is a folder beside the program's settings file,
    // so that the copies that share the list share the locks.
    explicit CUsbInUseList(ISettingsStore& store = Settings(), std::string lockFolder = DefaultLockFolder());
    ~CUsbInUseList();  // releases the locks, leaving the entries as a crash would
    CUsbInUseList(const CUsbInUseList&) = delete;
    CUsbInUseList& operator=(const CUsbInUseList&) = delete;

    // True when no running copy, this one included, has the device. Clears a stale entry.
    bool IsFree(const std::string& strPath);
    // Takes the device for this copy and lists it. Busy when another copy has it; None when this
    // copy has it already.
    LinkError Claim(const std::string& strPath);
    // Unlists the device and lets it go. Harmless for a device this copy does not have.
    void Release(const std::string& strPath);
    // Clears the whole list (no device of the right kind is present); the list stays, empty.
    // Locks this copy holds stay held until their Release.
    void Reset();
    // Makes the list exist, empty, when it is missing.
    void CreateKey();

    static std::string DefaultLockFolder();

private:
    class CFileLock;
    std::string LockPath(const std::string& strPath) const;
    bool HeldElsewhere(const std::string& strPath) const;
    void ReadAfresh();

    ISettingsStore& m_store;
    std::string m_lockFolder;
    std::mutex m_mutex;
    std::map<std::string, int> m_held;  // device path -> descriptor of its locked file
};
