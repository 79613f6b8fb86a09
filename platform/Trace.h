#pragma once
// Diagnostic trace lines ("CmdCallback\n", "Read UsbData\n", ...). They go to stderr when the
// environment variable TARVI_TRACE is set; a test can catch them with SetTraceSink.
#include <functional>
#include <string_view>

void Trace(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Replaces the destination of trace lines (nullptr restores stderr/TARVI_TRACE).
using TraceSink = std::function<void(std::string_view)>;
void SetTraceSink(TraceSink sink);
