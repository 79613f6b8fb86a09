#pragma once
// Application-wide values shared by many windows and by the link code.
#include <atomic>

// Language flag: nonzero for Chinese. Every formatter, control, message and background picture
// reads it when it builds its text. Set on the UI thread, read by the link worker too.
extern std::atomic<int> g_bChinese;
