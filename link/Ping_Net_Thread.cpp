#include "link/Ping_Net_Thread.h"

#include "link/Net_Socket.h"
#include "platform/ThreadName.h"

CPing_Net_Thread::CPing_Net_Thread() : m_thread([this] { Run(); }) {}

CPing_Net_Thread::~CPing_Net_Thread()
{
    Quit();
}

void CPing_Net_Thread::StartTimer(std::chrono::milliseconds period)
{
    {
        std::lock_guard lock(m_mutex);
        m_period = period;
        ++m_nTimerId;
        m_bRunning = 1;
    }
    m_changed.notify_all();
}

void CPing_Net_Thread::StopTimer()
{
    {
        std::lock_guard lock(m_mutex);
        m_bRunning = 0;
        ++m_nTimerId;
    }
    m_changed.notify_all();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_bBusy; });
}

void CPing_Net_Thread::Quit()
{
    {
        std::lock_guard lock(m_mutex);
        m_bQuit = true;
        m_bRunning = 0;
    }
    m_changed.notify_all();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

bool CPing_Net_Thread::Pause(std::chrono::milliseconds time)
{
    std::unique_lock lock(m_mutex);
    return !m_changed.wait_for(lock, time, [this] { return m_bQuit || !m_bRunning; });
}

void CPing_Net_Thread::Run()
{
    SetThreadName("link check");
    std::unique_lock lock(m_mutex);
    while (!m_bQuit) {
        if (!m_bRunning) {
            m_changed.wait(lock);
            continue;
        }
        // One tick of the armed timer; a stop or a restart meanwhile starts the wait afresh.
        const unsigned nTimer = m_nTimerId;
        if (m_changed.wait_for(lock, m_period, [&] { return m_bQuit || m_nTimerId != nTimer; }))
            continue;
        // Marked busy under the lock that StopTimer takes to disarm: it either sees the check
        // running and waits for it, or the check sees the timer disarmed and never starts.
        m_bBusy = 1;
        lock.unlock();
        OnTimer();
        lock.lock();
        m_bBusy = 0;
        m_changed.notify_all();  // a StopTimer waiting for the check goes on at once
    }
}

void CPing_Net_Thread::OnTimer()
{
    if (CNet_Socket* pNet = m_pNet.load())
        pNet->CheckLink(m_bRunning);
}
