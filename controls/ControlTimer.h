#pragma once
// Window timers of the controls (held-arrow repeat, drag ticks, hover delays), run by a clock
// that tests replace: with no clock installed a timer runs on wx's timers; a test installs a
// manual clock and lets time pass at once, so a 400 ms repeat takes no real time.
#include <functional>
#include <memory>

class CControlTimer;

class ITimerClock {
public:
    virtual ~ITimerClock() = default;
    // Starts (or restarts) the periodic timer.
    virtual void Start(CControlTimer& timer, int nPeriodMs) = 0;
    virtual void Stop(CControlTimer& timer) = 0;
};

// Installs the clock of the timers started from now on (nullptr: wx's timers) and returns the
// one it replaces. UI thread only.
ITimerClock* SetTimerClock(ITimerClock* pClock);

// A periodic timer, like a Windows window timer: Start restarts a running one, the tick runs on
// the UI thread until Stop.
class CControlTimer {
public:
    explicit CControlTimer(std::function<void()> onTick);
    ~CControlTimer();
    CControlTimer(const CControlTimer&) = delete;
    CControlTimer& operator=(const CControlTimer&) = delete;

    void Start(int nPeriodMs);
    void Stop();
    bool IsRunning() const { return m_bRunning; }
    // Called by the clock at every period.
    void Tick() { m_onTick(); }

private:
    class CWxTimer;

    std::function<void()> m_onTick;
    bool m_bRunning = false;
    ITimerClock* m_pClock = nullptr;  // the clock it runs on; nullptr: its wx timer
    std::unique_ptr<CWxTimer> m_pWxTimer;
};
