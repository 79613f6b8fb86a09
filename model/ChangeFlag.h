#pragma once
// The change flag of a parameter group or a band. The UI thread stores a value, then marks its
// flag; the link worker reads the flag, clears it, then packs the value and sends it. The two
// share the flag without a lock, so it is an atomic with release/acquire ordering: a worker that
// sees a mark also sees the value stored before it.
//
// Every mark also moves one epoch shared by all flags, so the worker's idle pass (about 200 a
// second) can tell that no flag was marked since its last scan found none, without scanning.
#include <atomic>
#include <cstdint>

#include "model/DataDefine.h"

class CChangeFlag {
public:
    CChangeFlag() = default;
    // A copy takes the flag's value as it stands.
    CChangeFlag(const CChangeFlag& other) { Set(other.Get()); }
    CChangeFlag& operator=(const CChangeFlag& other)
    {
        Set(other.Get());
        return *this;
    }

    int Get() const { return m_nFlag.load(std::memory_order_acquire); }
    // An exchange, not a plain store: it also acquires, so when a clear takes away a mark the
    // packing that follows sees the value stored before that mark; a mark made after the clear
    // stays and the group is sent again.
    void Set(int n)
    {
        m_nFlag.exchange(n, std::memory_order_acq_rel);
        if (n)
            s_nEpoch.fetch_add(1, std::memory_order_release);
    }
    // The synchronised flag into the change flag: nothing edited while no processor is
    // synchronised is ever sent.
    void Mark() { Set(g_bSynced.load(std::memory_order_acquire)); }

    // Read before a scan: a scan that found no mark stays true until the epoch moves.
    static std::uint64_t Epoch() { return s_nEpoch.load(std::memory_order_acquire); }

private:
    std::atomic<int> m_nFlag{0};
    static inline std::atomic<std::uint64_t> s_nEpoch{0};
};
