#pragma once
// Checks on threads for the tests, fuzz targets and benchmarks: whether the link lock is free
// (asked from another thread, since the lock is recursive), a thread's CPU time, and how often a
// thread of this process has gone to sleep.
#include <pthread.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
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

// The times the thread of this process with that name gave up the processor to wait (its
// voluntary context switches); -1 when there is no such thread.
inline long ThreadWaits(const std::string& strName)
{
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream comm(task.path() / "comm");
        std::string strComm;
        if (!std::getline(comm, strComm) || strComm != strName)
            continue;
        std::ifstream status(task.path() / "status");
        for (std::string strLine; std::getline(status, strLine);)
            if (strLine.rfind("voluntary_ctxt_switches:", 0) == 0)
                return std::stol(strLine.substr(24));
    }
    return -1;
}
