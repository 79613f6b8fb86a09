#pragma once
// A message-box handler that records what core code shows and gives the answer set (IDOK unless
// the test sets another), installed for the test's scope. Boxes handed on to be shown later
// (asked for off the UI thread or under the link lock) are recorded apart, from any thread.
#include <mutex>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

class CMessageBoxRecorder : public IMessageBoxHandler {
public:
    struct Shown {
        std::string text;
        unsigned type;
        int code;
    };

    CMessageBoxRecorder() { m_pPrevious = SetMessageBoxHandler(this); }
    ~CMessageBoxRecorder() override { SetMessageBoxHandler(m_pPrevious); }
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    int MessageBox(const std::string& text, unsigned nType, int nCode) override
    {
        shown.push_back({text, nType, nCode});
        return answer;
    }
    void ShowLater(const std::string& text, unsigned nType, int nCode) override
    {
        std::lock_guard lock(m_mutex);
        m_later.push_back({text, nType, nCode});
    }
    std::vector<Shown> Later() const
    {
        std::lock_guard lock(m_mutex);
        return m_later;
    }

    std::vector<Shown> shown;
    int answer = IDOK;

private:
    IMessageBoxHandler* m_pPrevious = nullptr;
    mutable std::mutex m_mutex;
    std::vector<Shown> m_later;
};
