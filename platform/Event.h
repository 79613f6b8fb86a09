#pragma once
// Manual-reset event: stays set until Reset, wakes every waiter. WaitAny waits for the first of
// several events, the lowest index winning when more than one is set (as the link worker's
// choice between its quit, suspend, firmware and normal traffic events expects).
#include <chrono>
#include <initializer_list>

class CManualEvent {
public:
    explicit CManualEvent(bool bInitiallySet = false);
    CManualEvent(const CManualEvent&) = delete;
    CManualEvent& operator=(const CManualEvent&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;
    // True when the event is set within the time limit.
    bool Wait(std::chrono::milliseconds timeout) const;
    // Returns once the event is set, however long that takes.
    void Wait() const;

private:
    friend int WaitAnyUntil(std::initializer_list<const CManualEvent*>, std::chrono::steady_clock::time_point);
    bool m_bSet;  // guarded by the events' shared mutex
};

// Index of the first set event in the list, or -1 when none became set within the limit.
int WaitAny(std::initializer_list<const CManualEvent*> events, std::chrono::milliseconds timeout);
// The same with a deadline instead of a limit.
int WaitAnyUntil(std::initializer_list<const CManualEvent*> events, std::chrono::steady_clock::time_point deadline);
