#include "platform/Ping.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <thread>

#include "platform/Trace.h"

extern char** environ;

namespace {
constexpr std::size_t MAX_ADDRESS = 80;
constexpr std::size_t MAX_OUTPUT = 4096;  // a one-packet ping says far less

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<decltype(left)>(left, 0, 60000));
}

// Reads until the end of the output or the deadline; false at the deadline.
bool ReadOutput(int fd, Clock::time_point deadline, std::string& output)
{
    char buffer[512];
    for (;;) {
        pollfd pfd{fd, POLLIN, 0};
        const int ready = poll(&pfd, 1, MillisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return true;
        output.append(buffer, static_cast<std::size_t>(std::min(count, static_cast<ssize_t>(MAX_OUTPUT - output.size()))));
    }
}

bool WaitForExit(pid_t pid, Clock::time_point deadline)
{
    for (;;) {
        const pid_t done = waitpid(pid, nullptr, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool HoldsTtlField(std::string output)
{
    std::transform(output.begin(), output.end(), output.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return output.find("ttl=") != std::string::npos;
}
}  // namespace

bool PingDevice(const std::string& strAddress, const PingOptions& options)
{
    if (strAddress.empty()) {
        Trace("Target Is NULL\n");
        return false;
    }
    if (strAddress.size() > MAX_ADDRESS) {
        Trace("Target Is Too Long\n");
        return false;
    }
    in_addr address{};
    if (inet_pton(AF_INET, strAddress.c_str(), &address) != 1)
        return false;

    const auto deadline = Clock::now() + options.bound;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    std::string program = options.strProgram, count = "-c", one = "1", wait = "-W", waitSeconds = "1";
    std::string target = strAddress;
    char* argv[] = {program.data(), count.data(), one.data(), wait.data(), waitSeconds.data(), target.data(), nullptr};
    // A group of its own, so that a ping that overruns is ended with anything it started.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program.c_str(), &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        Trace("Ping cannot start %s\n", program.c_str());
        return false;
    }
    std::string output;
    const bool bEnded = ReadOutput(fds[0], deadline, output) && WaitForExit(pid, deadline);
    close(fds[0]);
    if (!bEnded) {
        kill(-pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return false;
    }
    return HoldsTtlField(output);
}
