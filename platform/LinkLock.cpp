#include "platform/LinkLock.h"

CLinkLock g_csLink;

void CLinkLock::lock()
{
    m_mutex.lock();
    TakeOwnership();
}

bool CLinkLock::try_lock()
{
    if (!m_mutex.try_lock())
        return false;
    TakeOwnership();
    return true;
}

void CLinkLock::TakeOwnership()
{
    if (m_nDepth++ == 0)
        m_owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
}

void CLinkLock::unlock()
{
    if (--m_nDepth == 0)
        m_owner.store(std::thread::id(), std::memory_order_relaxed);
    m_mutex.unlock();
}

// Only the calling thread itself can make the answer true, so a relaxed read is enough.
bool CLinkLock::HeldByThisThread() const
{
    return m_owner.load(std::memory_order_relaxed) == std::this_thread::get_id();
}
