#pragma once
// The update dialog's bar and status line as the link sees them, for tests: the worker sets
// them while the test reads, so both are safe across threads. Installed for the object's scope.
#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "link/ProgressTarget.h"

class CProgressRecorder : public IProgressBar, public IStatusLine {
public:
    CProgressRecorder()
    {
        g_pUpdateProgress = this;
        g_pCurHexUpTip = this;
    }
    ~CProgressRecorder() override
    {
        g_pUpdateProgress = nullptr;
        g_pCurHexUpTip = nullptr;
    }
    CProgressRecorder(const CProgressRecorder&) = delete;
    CProgressRecorder& operator=(const CProgressRecorder&) = delete;

    int GetPos() const override { return m_nPos; }
    int GetUpper() const override { return m_nUpper; }
    void SetPos(int nPos) override { m_nPos = std::clamp(nPos, 0, m_nUpper.load()); }
    void SetRange(int nUpper)
    {
        m_nUpper = nUpper;
        m_nPos = 0;
    }
    void SetText(const std::string& strUtf8) override
    {
        std::lock_guard lock(m_mutex);
        if (m_texts.empty() || m_texts.back() != strUtf8)
            m_texts.push_back(strUtf8);
    }
    // Every text shown, a repeat of the one before counted once.
    std::vector<std::string> Texts() const
    {
        std::lock_guard lock(m_mutex);
        return m_texts;
    }
    std::string Text() const
    {
        std::lock_guard lock(m_mutex);
        return m_texts.empty() ? std::string() : m_texts.back();
    }

private:
    std::atomic<int> m_nPos{0};
    std::atomic<int> m_nUpper{100};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
};
