#pragma once
// Checks on threads for the tests, fuzz targets and benchmarks: whether the link lock is free
// (asked from another thread, since the lock is recursive), and a thread's CPU time.
#include <pthread.h>
#include <time.h>

#include <chrono>
#include <future>
#include <thread>

#include "platform/LinkLock.h"

inline bool LinkLockIsFree()
{
    return std::async(std::launch::async, [] {
               const bool bFree = g_csLink.try_lock();
               if (bFree)
                   g_csLink.unlock();
               return bFree;
           }).get();
}

inline std::chrono::nanoseconds ThreadCpuTime(std::thread& thread)
{
    clockid_t clock{};
    timespec ts{};
    if (pthread_getcpuclockid(thread.native_handle(), &clock) != 0 || clock_gettime(clock, &ts) != 0)
        return {};
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}
