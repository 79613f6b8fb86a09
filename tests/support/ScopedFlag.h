#pragma once
// Sets a shared flag (the language flag, the synchronised flag) for one scope of a test and puts
// the old value back, so tests do not depend on each other's order.
#include <atomic>

class ScopedFlag {
public:
    ScopedFlag(std::atomic<int>& flag, int nValue) : m_flag(flag), m_nSaved(flag.exchange(nValue)) {}
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;
    ~ScopedFlag() { m_flag = m_nSaved; }

private:
    std::atomic<int>& m_flag;
    int m_nSaved;
};
