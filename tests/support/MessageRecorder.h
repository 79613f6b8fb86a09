#pragma once
// A message poster that records what core code posts, installed for the test's scope. Worker
// threads post while the test reads, so every access is locked and readers get copies.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "platform/Message.h"

class CMessageRecorder : public IMessagePoster {
public:
    CMessageRecorder() { m_pPrevious = SetMessagePoster(this); }
    ~CMessageRecorder() override { SetMessagePoster(m_pPrevious); }
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    bool Post(const PostedMessage& msg) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_posted.push_back(msg);
        }
        m_changed.notify_all();
        return true;
    }
    std::vector<PostedMessage> Posted() const
    {
        std::lock_guard lock(m_mutex);
        return m_posted;
    }
    int Count(unsigned nMsg) const
    {
        std::lock_guard lock(m_mutex);
        return CountLocked(nMsg);
    }
    // Waits until at least nCount messages of the number were posted.
    bool WaitFor(unsigned nMsg, int nCount, std::chrono::milliseconds timeout) const
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return CountLocked(nMsg) >= nCount; });
    }
    void Clear()
    {
        std::lock_guard lock(m_mutex);
        m_posted.clear();
    }

private:
    int CountLocked(unsigned nMsg) const
    {
        int n = 0;
        for (const auto& m : m_posted)
            n += m.nMsg == nMsg;
        return n;
    }

    IMessagePoster* m_pPrevious = nullptr;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<PostedMessage> m_posted;
};
