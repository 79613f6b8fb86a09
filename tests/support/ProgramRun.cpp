#include "tests/support/ProgramRun.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

CProgramRun::CProgramRun(const std::string& strProgram, const std::vector<std::string>& args, bool bTrace)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    std::vector<std::string> env;
    for (char** p = environ; *p != nullptr; ++p)
        if (std::strncmp(*p, "TARVI_TRACE=", 12) != 0)
            env.emplace_back(*p);
    if (bTrace)
        env.emplace_back("TARVI_TRACE=1");
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> argStrings{strProgram};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : argStrings)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    if (posix_spawn(&m_pid, strProgram.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    m_fd = fds[0];
}

CProgramRun::~CProgramRun()
{
    if (m_pid > 0 && !m_bExited) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_fd >= 0)
        close(m_fd);
}

bool CProgramRun::ReadSome(int nTimeoutMs)
{
    pollfd pfd{m_fd, POLLIN, 0};
    if (m_fd < 0 || poll(&pfd, 1, nTimeoutMs) <= 0)
        return m_fd >= 0;
    char buf[4096];
    const ssize_t n = read(m_fd, buf, sizeof buf);
    if (n <= 0) {
        close(m_fd);
        m_fd = -1;
        return false;
    }
    m_strOutput.append(buf, std::size_t(n));
    return true;
}

bool CProgramRun::WaitForLine(std::string_view text, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (m_strOutput.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= end || !ReadSome(10))
            return m_strOutput.find(text) != std::string::npos;
    }
    return true;
}

std::optional<int> CProgramRun::WaitForExit(std::chrono::milliseconds limit)
{
    if (m_pid <= 0)
        return std::nullopt;
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(m_pid, &status, WNOHANG) != m_pid) {
        if (std::chrono::steady_clock::now() >= end) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            m_bExited = true;
            return std::nullopt;
        }
        // Keep the pipe drained, so a talkative program never blocks on a full pipe.
        if (!ReadSome(10))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    m_bExited = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void CProgramRun::Signal(int nSignal)
{
    if (m_pid > 0 && !m_bExited)
        kill(m_pid, nSignal);
}

long CProgramRun::ResidentKb() const
{
    std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
    std::string strLine;
    while (std::getline(status, strLine))
        if (strLine.rfind("VmRSS:", 0) == 0)
            return std::atol(strLine.c_str() + 6);
    return 0;
}

std::string NetworkNamespaceRunner()
{
    const char* szPath = std::getenv("PATH");
    std::stringstream folders(szPath != nullptr ? szPath : "");
    for (std::string strFolder; std::getline(folders, strFolder, ':');) {
        const std::string strFile = strFolder + "/unshare";
        if (access(strFile.c_str(), X_OK) != 0)
            continue;
        return std::system((strFile + " -rn true").c_str()) == 0 ? strFile : std::string();
    }
    return {};
}

std::string CommandOutput(const std::string& strCommand)
{
    std::string strOut;
    if (FILE* pPipe = popen(strCommand.c_str(), "r")) {
        char szBuffer[256];
        while (std::fgets(szBuffer, sizeof szBuffer, pPipe) != nullptr)
            strOut += szBuffer;
        pclose(pPipe);
    }
    return strOut;
}

std::vector<ShownWindow> ShownWindowsOf(pid_t pid)
{
    std::vector<ShownWindow> windows;
    std::istringstream ids(CommandOutput("xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null"));
    for (std::string strId; ids >> strId;) {
        ShownWindow window{strId, CommandOutput("xdotool getwindowname " + strId + " 2>/dev/null"), 0};
        if (!window.strName.empty() && window.strName.back() == '\n')
            window.strName.pop_back();
        const std::string strGeometry = CommandOutput("xdotool getwindowgeometry --shell " + strId + " 2>/dev/null");
        if (const auto nAt = strGeometry.find("WIDTH="); nAt != std::string::npos)
            window.nWidth = std::atoi(strGeometry.c_str() + nAt + 6);
        windows.push_back(window);
    }
    return windows;
}

bool WaitForWindowOf(pid_t pid, std::string_view name, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const std::vector<ShownWindow> windows = ShownWindowsOf(pid);
        if (std::any_of(windows.begin(), windows.end(), [&](const ShownWindow& w) { return w.strName == name; }))
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

bool ClickInWindowOf(pid_t pid, int nX, int nY)
{
    const std::vector<ShownWindow> windows = ShownWindowsOf(pid);
    const auto widest = std::max_element(windows.begin(), windows.end(),
                                         [](const ShownWindow& a, const ShownWindow& b) { return a.nWidth < b.nWidth; });
    if (widest == windows.end())
        return false;
    return std::system(("xdotool mousemove --window " + widest->strId + " " + std::to_string(nX) + " " +
                        std::to_string(nY) + " click 1 >/dev/null 2>&1")
                           .c_str()) == 0;
}

bool PressKeys(const std::string& strKeys)
{
    return std::system(("xdotool key " + strKeys + " >/dev/null 2>&1").c_str()) == 0;
}

ThreadTimes ThreadCpuSeconds(pid_t pid)
{
    ThreadTimes times;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream commFile(task.path() / "comm");
        std::ifstream schedFile(task.path() / "schedstat");
        std::string strName;
        double dNanoseconds = 0;
        if (!std::getline(commFile, strName) || !(schedFile >> dNanoseconds))
            continue;
        if (task.path().filename() == std::to_string(pid))
            strName = "UI";
        times[strName] += dNanoseconds / 1e9;
    }
    return times;
}

pid_t ChildOf(pid_t pid)
{
    std::ifstream children("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/children");
    pid_t child = 0;
    children >> child;
    return child;
}
