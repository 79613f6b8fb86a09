#pragma once
// The change flag of a parameter group or a band. The UI thread stores a value, then marks its
// flag; the link worker reads the flag, clears it, then packs the value and sends it. The two
// share the flag without a lock, so it is an atomic with release/acquire ordering: a worker that
// sees a mark also sees the value stored before it.
#include <atomic>

#include "model/DataDefine.h"

class CChangeFlag {
public:
    CChangeFlag() = default;
    // A copy takes the flag's value as it stands.
    CChangeFlag(const CChangeFlag& other) : m_nFlag(other.Get()) {}
    CChangeFlag& operator=(const CChangeFlag& other)
    {
        Set(other.Get());
        return *this;
    }

    int Get() const { return m_nFlag.load(std::memory_order_acquire); }
    // An exchange, not a plain store: it also acquires, so when a clear takes away a mark the
    // packing that follows sees the value stored before that mark; a mark made after the clear
    // stays and the group is sent again.
    void Set(int n) { m_nFlag.exchange(n, std::memory_order_acq_rel); }
    // The synchronised flag into the change flag: nothing edited while no processor is
    // synchronised is ever sent.
    void Mark() { Set(g_bSynced.load(std::memory_order_acquire)); }

private:
    std::atomic<int> m_nFlag{0};
};
