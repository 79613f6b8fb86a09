#pragma once
// Sets a shared flag (the language flag, the synchronised flag, a view setting) for one scope of
// a test and puts the old value back, so tests do not depend on each other's order.
#include <atomic>

template <class Flag>
class ScopedFlag {
public:
    ScopedFlag(Flag& flag, int nValue) : m_flag(flag), m_nSaved(flag) { m_flag = nValue; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;
    ~ScopedFlag() { m_flag = m_nSaved; }

private:
    Flag& m_flag;
    int m_nSaved;
};
