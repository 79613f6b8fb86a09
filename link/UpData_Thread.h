#pragma once
// The update-link thread: while the firmware update dialog waits for the processor, it tries to
// open the link every period (500 ms): twenty quiet tries, then a final one, and posts the
// outcome to the dialog as WM_UPDATE_RECONNECT (wParam 0, lParam 1 open in firmware mode, 0 not).
// A success ends the poll early.
//
// The thread lives from the dialog's opening to its closing (the destructor ends it). StopTimer
// returns only once no try runs and none will start, so a dialog that stops the poll knows
// whether a last try opened the link.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/Message.h"

class CUpData_Thread {
public:
    static constexpr int QUIET_TRIES = 20;
    // fnTry(bRetry) is one try: 1 when the link is open in firmware mode.
    CUpData_Thread(WndHandle hOwner, std::function<int(int bRetry)> fnTry);
    ~CUpData_Thread();
    CUpData_Thread(const CUpData_Thread&) = delete;
    CUpData_Thread& operator=(const CUpData_Thread&) = delete;

    // Starts the poll: the first try one period from now.
    void StartTimer(std::chrono::milliseconds period);
    // Ends the poll; waits for a try in progress.
    void StopTimer();
    bool IsRunning() const;
    int GetTickCount() const;

private:
    void Run();
    void OnTimer(std::unique_lock<std::mutex>& lock);

    WndHandle m_hOwner;
    std::function<int(int)> m_fnTry;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bRunning = false;
    bool m_bTrying = false;
    bool m_bQuit = false;
    int m_nTicks = 0;
    std::chrono::milliseconds m_period{0};
    std::chrono::steady_clock::time_point m_nextTick;
    std::thread m_thread;
};
