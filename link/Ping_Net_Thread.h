#pragma once
// The thread of the network link check: while its timer is armed it runs the network object's
// check step every period. The check blocks (a ping of up to 3 s, then a pause), so it has a
// thread of its own; stopping the timer waits for a running check, whose pauses end at once.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class CNet_Socket;

class CPing_Net_Thread {
public:
    CPing_Net_Thread();
    ~CPing_Net_Thread();  // ends the thread
    CPing_Net_Thread(const CPing_Net_Thread&) = delete;
    CPing_Net_Thread& operator=(const CPing_Net_Thread&) = delete;

    // The network object whose check step the timer runs.
    void SetNetSocket(CNet_Socket* pNet) { m_pNet = pNet; }
    // Arms the timer: a check every `period`, the first one period from now.
    void StartTimer(std::chrono::milliseconds period);
    // Disarms the timer and returns once no check is executing.
    void StopTimer();
    // Ends the thread; nothing runs after it returns.
    void Quit();

    bool IsRunning() const { return m_bRunning.load() != 0; }
    // A pause inside a check: false when the timer was stopped meanwhile.
    bool Pause(std::chrono::milliseconds time);

private:
    void Run();
    void OnTimer();

    std::atomic<CNet_Socket*> m_pNet{nullptr};  // set again at every start while a check may run
    std::atomic<int> m_bRunning{0};  // the check is armed
    std::atomic<int> m_bBusy{0};     // a check is executing
    std::chrono::milliseconds m_period{500};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bQuit = false;
    unsigned m_nTimerId = 0;  // changes at every start, so a wait for an old timer ends
    std::thread m_thread;
};
