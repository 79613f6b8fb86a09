#pragma once
// A clock for the controls' timers that moves only when a test lets time pass. Installed for the
// scope of the object; create it before the controls it times, so that it outlives them.
#include <algorithm>
#include <cstddef>
#include <map>

#include "controls/ControlTimer.h"

class CManualTimerClock : public ITimerClock {
public:
    CManualTimerClock() : m_pOld(SetTimerClock(this)) {}
    ~CManualTimerClock() override { SetTimerClock(m_pOld); }

    void Start(CControlTimer& timer, int nPeriodMs) override { m_timers[&timer] = {m_nNow + nPeriodMs, nPeriodMs}; }
    void Stop(CControlTimer& timer) override { m_timers.erase(&timer); }

    // Lets nMs pass: every tick due by then runs, in time order.
    void Advance(long long nMs)
    {
        const long long end = m_nNow + nMs;
        for (;;) {
            const auto next = std::min_element(m_timers.begin(), m_timers.end(), [](const auto& a, const auto& b) {
                return a.second.nDue < b.second.nDue;
            });
            if (next == m_timers.end() || next->second.nDue > end)
                break;
            m_nNow = next->second.nDue;
            next->second.nDue += std::max(1, next->second.nPeriod);
            next->first->Tick();
        }
        m_nNow = end;
    }
    long long Now() const { return m_nNow; }
    // The timers running on this clock.
    std::size_t Running() const { return m_timers.size(); }

private:
    struct Due {
        long long nDue;
        int nPeriod;
    };
    ITimerClock* m_pOld;
    long long m_nNow = 0;
    std::map<CControlTimer*, Due> m_timers;
};
