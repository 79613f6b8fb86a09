#pragma once
// Diagnostic trace lines ("CmdCallback\n", "Read UsbData\n", ...). They go to stderr when the
// environment variable TARVI_TRACE is set.

void Trace(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
