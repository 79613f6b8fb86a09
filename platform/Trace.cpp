#include "platform/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

void Trace(const char* fmt, ...)
{
    // Read once: the link worker traces every frame, and with tracing off that costs nothing.
    static const bool enabled = std::getenv("TARVI_TRACE") != nullptr;
    if (!enabled)
        return;
    char text[1024];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    std::fputs(text, stderr);  // one call per line, so lines of two threads never mix
}
