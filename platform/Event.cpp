#include "platform/Event.h"

#include <condition_variable>
#include <mutex>

// The program has a handful of events and waiters, so one mutex and condition variable serve
// them all: Set wakes every waiter and each waiter checks its own events.
namespace {
std::mutex& EventMutex()
{
    static std::mutex m;
    return m;
}
std::condition_variable& EventChanged()
{
    static std::condition_variable cv;
    return cv;
}
}  // namespace

CManualEvent::CManualEvent(bool bInitiallySet) : m_bSet(bInitiallySet) {}

void CManualEvent::Set()
{
    {
        std::lock_guard lock(EventMutex());
        m_bSet = true;
    }
    EventChanged().notify_all();
}

void CManualEvent::Reset()
{
    std::lock_guard lock(EventMutex());
    m_bSet = false;
}

bool CManualEvent::IsSet() const
{
    std::lock_guard lock(EventMutex());
    return m_bSet;
}

bool CManualEvent::Wait(std::chrono::milliseconds timeout) const
{
    return WaitAny({this}, timeout) == 0;
}

void CManualEvent::Wait() const
{
    while (!Wait(std::chrono::hours(1))) {
    }
}

int WaitAny(std::initializer_list<const CManualEvent*> events, std::chrono::milliseconds timeout)
{
    return WaitAnyUntil(events, std::chrono::steady_clock::now() + timeout);
}

int WaitAnyUntil(std::initializer_list<const CManualEvent*> events, std::chrono::steady_clock::time_point deadline)
{
    auto firstSet = [&events]() {
        int i = 0;
        for (const CManualEvent* e : events) {
            if (e->m_bSet)
                return i;
            ++i;
        }
        return -1;
    };
    std::unique_lock lock(EventMutex());
    // A deadline already passed needs no sleep: the wait would still enter the kernel once, and
    // the link worker meets one such deadline on every meter poll.
    if (std::chrono::steady_clock::now() >= deadline)
        return firstSet();
    int index = -1;
    EventChanged().wait_until(lock, deadline, [&] { return (index = firstSet()) >= 0; });
    return index;
}
