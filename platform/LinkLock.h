#pragma once
// The one lock of the device link. It is held for a whole transaction by the link worker and
// around frame building and queueing by the UI. Recursive, because its owner enters it again
// (the reply dispatcher's callers, nested main-view operations). It knows whether the calling
// thread holds it, so that nothing modal starts while the worker may be waiting for it.
#include <atomic>
#include <mutex>
#include <thread>

class CLinkLock {
public:
    void lock();
    bool try_lock();
    void unlock();
    // True when the calling thread holds the lock (at any depth).
    bool HeldByThisThread() const;

private:
    void TakeOwnership();

    std::recursive_mutex m_mutex;
    std::atomic<std::thread::id> m_owner{};
    int m_nDepth = 0;  // the owner's entries; only the owner changes it
};

extern CLinkLock g_csLink;
