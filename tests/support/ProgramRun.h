#pragma once
// The program run in a child process with its trace lines on (TARVI_TRACE) unless asked otherwise,
// its stderr watched: for the tests of the whole program and its benchmarks.
#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CProgramRun {
public:
    CProgramRun(const std::string& strProgram, const std::vector<std::string>& args, bool bTrace = true);
    ~CProgramRun();  // kills the program if it still runs
    CProgramRun(const CProgramRun&) = delete;
    CProgramRun& operator=(const CProgramRun&) = delete;

    bool Started() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }
    // Reads the program's stderr until a line holding the text; false when the output ends or
    // the time runs out first.
    bool WaitForLine(std::string_view text, std::chrono::milliseconds limit);
    // The exit code (128 + the signal when a signal ended it); nothing when it still runs at the
    // limit, and then it is killed.
    std::optional<int> WaitForExit(std::chrono::milliseconds limit);
    void Signal(int nSignal);
    // The program's resident memory in kB; 0 when it cannot be read.
    long ResidentKb() const;
    const std::string& Output() const { return m_strOutput; }

private:
    bool ReadSome(int nTimeoutMs);

    pid_t m_pid = -1;
    int m_fd = -1;
    bool m_bExited = false;
    std::string m_strOutput;
};

// The path of "unshare" when this machine lets a process make a network namespace of its own
// (unshare -rn), where the emulated processor can take its factory address
// (tests/support/ProcessorOnNetwork.cpp); empty when it does not.
std::string NetworkNamespaceRunner();

// What a shell command prints on its standard output.
std::string CommandOutput(const std::string& strCommand);

// A process's windows shown on the X display now (found with xdotool, which must be on the PATH).
struct ShownWindow {
    std::string strId;
    std::string strName;
    int nWidth = 0;
};
std::vector<ShownWindow> ShownWindowsOf(pid_t pid);
// Waits until a window of the process with exactly this name shows; false at the limit.
bool WaitForWindowOf(pid_t pid, std::string_view name, std::chrono::milliseconds limit);
// A click at a point of the process's widest shown window (a program's main window), in its
// coordinates.
bool ClickInWindowOf(pid_t pid, int nX, int nY);
// Keys pressed on the keyboard, as xdotool names them ("Down Return"), to the focused window.
bool PressKeys(const std::string& strKeys);

// The time every thread of a process has run, by name (the main, UI, thread is "UI"), from the
// scheduler's own count, which is exact where the clock-tick count only samples.
using ThreadTimes = std::map<std::string, double>;  // seconds on a processor, by thread name, summed
ThreadTimes ThreadCpuSeconds(pid_t pid);
// A process's one child (the program below the emulated processor's launcher); 0 for none.
pid_t ChildOf(pid_t pid);
