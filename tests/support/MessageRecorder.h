#pragma once
// A message poster that records what core code posts, installed for the test's scope.
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
        m_posted.push_back(msg);
        return true;
    }
    const std::vector<PostedMessage>& Posted() const { return m_posted; }
    int Count(unsigned nMsg) const
    {
        int n = 0;
        for (const auto& m : m_posted)
            n += m.nMsg == nMsg;
        return n;
    }
    void Clear() { m_posted.clear(); }

private:
    IMessagePoster* m_pPrevious = nullptr;
    std::vector<PostedMessage> m_posted;
};
