#pragma once
// Names the calling thread as the system shows it (top -H, /proc/PID/task/TID/comm), so a
// thread's cost can be told apart from the others'. At most 15 characters are kept.
void SetThreadName(const char* szName);
