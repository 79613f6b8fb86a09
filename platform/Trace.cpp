#include "platform/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {
std::mutex g_traceMutex;
TraceSink g_traceSink;
}  // namespace

void SetTraceSink(TraceSink sink)
{
    std::lock_guard lock(g_traceMutex);
    g_traceSink = std::move(sink);
}

void Trace(const char* fmt, ...)
{
    char text[1024];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);

    std::lock_guard lock(g_traceMutex);
    if (g_traceSink) {
        g_traceSink(text);
        return;
    }
    static const bool enabled = std::getenv("TARVI_TRACE") != nullptr;
    if (enabled)
        std::fputs(text, stderr);
}
