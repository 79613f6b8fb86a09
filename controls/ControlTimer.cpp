#include "controls/ControlTimer.h"

#include <utility>

#include <wx/timer.h>

namespace {
ITimerClock* g_pTimerClock = nullptr;
}

class CControlTimer::CWxTimer : public wxTimer {
public:
    explicit CWxTimer(CControlTimer& owner) : m_owner(owner) {}
    void Notify() override { m_owner.Tick(); }

private:
    CControlTimer& m_owner;
};

ITimerClock* SetTimerClock(ITimerClock* pClock)
{
    return std::exchange(g_pTimerClock, pClock);
}

CControlTimer::CControlTimer(std::function<void()> onTick) : m_onTick(std::move(onTick)) {}

CControlTimer::~CControlTimer()
{
    Stop();
}

void CControlTimer::Start(int nPeriodMs)
{
    Stop();
    m_pClock = g_pTimerClock;
    m_bRunning = true;
    if (m_pClock != nullptr) {
        m_pClock->Start(*this, nPeriodMs);
        return;
    }
    if (!m_pWxTimer)
        m_pWxTimer = std::make_unique<CWxTimer>(*this);
    m_pWxTimer->Start(nPeriodMs);
}

void CControlTimer::Stop()
{
    if (!m_bRunning)
        return;
    m_bRunning = false;
    if (m_pClock != nullptr)
        std::exchange(m_pClock, nullptr)->Stop(*this);
    else
        m_pWxTimer->Stop();
}
