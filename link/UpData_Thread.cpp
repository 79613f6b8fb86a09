#include "link/UpData_Thread.h"

#include "platform/MessageIds.h"
#include "platform/ThreadName.h"

CUpData_Thread::CUpData_Thread(WndHandle hOwner, std::function<int(int bRetry)> fnTry)
    : m_hOwner(hOwner), m_fnTry(std::move(fnTry)), m_thread([this] { Run(); })
{
}

CUpData_Thread::~CUpData_Thread()
{
    {
        std::lock_guard lock(m_mutex);
        m_bQuit = true;
        m_bRunning = false;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CUpData_Thread::StartTimer(std::chrono::milliseconds period)
{
    {
        std::lock_guard lock(m_mutex);
        m_bRunning = true;
        m_nTicks = 0;
        m_period = period;
        m_nextTick = std::chrono::steady_clock::now() + period;
    }
    m_changed.notify_all();
}

void CUpData_Thread::StopTimer()
{
    std::unique_lock lock(m_mutex);
    m_bRunning = false;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_bTrying; });
}

bool CUpData_Thread::IsRunning() const
{
    std::lock_guard lock(m_mutex);
    return m_bRunning;
}

int CUpData_Thread::GetTickCount() const
{
    std::lock_guard lock(m_mutex);
    return m_nTicks;
}

void CUpData_Thread::Run()
{
    SetThreadName("update link");
    std::unique_lock lock(m_mutex);
    while (!m_bQuit) {
        if (!m_bRunning) {
            m_changed.wait(lock);
            continue;
        }
        if (std::chrono::steady_clock::now() < m_nextTick) {
            m_changed.wait_until(lock, m_nextTick);
            continue;
        }
        m_nextTick += m_period;
        OnTimer(lock);
    }
}

// One tick: a quiet try for the first twenty, then the final try; the lock is not held during a
// try, which may take as long as opening the device or the socket does.
void CUpData_Thread::OnTimer(std::unique_lock<std::mutex>& lock)
{
    const bool bFinal = m_nTicks >= QUIET_TRIES;
    if (bFinal)
        m_bRunning = false;
    m_bTrying = true;
    lock.unlock();
    const int nResult = m_fnTry(bFinal ? 0 : 1);
    lock.lock();
    m_bTrying = false;
    m_changed.notify_all();
    if (nResult && !bFinal)
        m_bRunning = false;
    if (nResult || bFinal)
        PostMessage(m_hOwner, WM_UPDATE_RECONNECT, 0, nResult);
    ++m_nTicks;
}
