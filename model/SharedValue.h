#pragma once
// A parameter value that the UI thread stores while the link worker packs it, without a lock
// (a setter must never wait for a transaction, which holds g_csLink for seconds). It is an
// atomic with relaxed order: the order comes from the change flags (ChangeFlag.h), since a
// setter stores, then marks with release, and the worker clears with acquire, then packs. It
// converts to and from T, so members read and assign like plain fields; groups that travel
// together (8 bytes at most) are one value of their packed struct.
#include <atomic>
#include <bit>
#include <cstdint>
#include <type_traits>

template <typename T>
class CSharedValue {
    // A struct is held as an unsigned integer of its size: the wire layouts are packed, and an
    // atomic of a 1-aligned struct is not lock-free with every compiler.
    using Bits = std::conditional_t<
        std::is_scalar_v<T>, T,
        std::conditional_t<sizeof(T) == 8, std::uint64_t,
                           std::conditional_t<sizeof(T) == 4, std::uint32_t,
                                              std::conditional_t<sizeof(T) == 2, std::uint16_t, std::uint8_t>>>>;
    static_assert(std::is_trivially_copyable_v<T> && sizeof(Bits) == sizeof(T), "a value of 1, 2, 4 or 8 bytes");
    static_assert(std::atomic<Bits>::is_always_lock_free, "a shared value must not hide a lock");

public:
    CSharedValue() = default;
    explicit CSharedValue(T value) : m_bits(std::bit_cast<Bits>(value)) {}
    CSharedValue(const CSharedValue& other) : m_bits(std::bit_cast<Bits>(other.Get())) {}
    CSharedValue& operator=(const CSharedValue& other)
    {
        Set(other.Get());
        return *this;
    }
    CSharedValue& operator=(T value)
    {
        Set(value);
        return *this;
    }
    operator T() const { return Get(); }

    T Get() const { return std::bit_cast<T>(m_bits.load(std::memory_order_relaxed)); }
    void Set(T value) { m_bits.store(std::bit_cast<Bits>(value), std::memory_order_relaxed); }
    // Applies change (void(T&)) to the value in one atomic step: when both threads change the
    // value, neither change is lost.
    template <typename F>
    void Update(F change)
    {
        Bits old = m_bits.load(std::memory_order_relaxed);
        Bits next;
        do {
            T value = std::bit_cast<T>(old);
            change(value);
            next = std::bit_cast<Bits>(value);
        } while (!m_bits.compare_exchange_weak(old, next, std::memory_order_relaxed));
    }
    // Stores one member of a struct value in one atomic step; the other members stay.
    template <typename M, typename U = T>
    void SetField(M U::*pField, std::type_identity_t<M> value)
    {
        Update([&](T& t) { t.*pField = value; });
    }

private:
    std::atomic<Bits> m_bits{};
};

// Reads a T from an archive and stores it (storing needs no overload: the value converts to T).
template <typename Archive, typename T>
Archive& operator>>(Archive& ar, CSharedValue<T>& value)
{
    T t{};
    ar >> t;
    value = t;
    return ar;
}
