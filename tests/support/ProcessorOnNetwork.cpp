// Runs a program with the emulated processor's WiFi module on the network, at the module's factory
// address and port, so the whole program finds it, pings it and connects as it would to a real
// one. Meant to run as the first process of a network namespace of its own, where it may give the
// loopback device that address:
//
//     unshare -rn processor_on_network PROGRAM [ARGUMENTS...]
//
// It prints "Processor: read back N requests in T ms" when the program's first connection has
// sent the live name that ends its read-back (N requests from the handshake on, the name write
// included; T from the handshake to the name write), and "Processor: meters polled" once the
// program has only polled the meters for 2 s
// (connected and idle), passes termination signals on to the program and ends with the program's
// exit code (128 + the signal when a signal ended it), saying how many polls came from the first
// line on ("Processor: N meter polls in S s"); the program dies with it. Exit code 77: no network
// to set up. With TARVI_PROCESSOR_METERS=moving in its environment the output meters change about
// every 10 ms, as with music playing. With TARVI_PROCESSOR_LINK=lossy the module loses one reply in
// 200 and damages one in 311, at random, as a poor WiFi link does; before the polls it then says
// its seed, how many replies it lost and damaged, how often it spoilt two and three replies in a
// row and at most how many (the program sends a frame again after a failure, so these are one
// frame's attempts), how many connections the program made, how many handshakes came after the
// program settled (a link it had to open again) and the longest time without a poll. With
// TARVI_PROCESSOR_HELLO=N the module answers the handshake with N instead of 0 (a processor that is
// not ready) and says "Processor: handshake at T ms" for each handshake it gets, T from the first.
#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>

#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "tests/support/EmulatorTcpServer.h"
#include "tests/support/ProcessorEmulator.h"

namespace {
constexpr int NO_NETWORK = 77;
volatile sig_atomic_t g_child = 0;

void PassOn(int nSignal)
{
    if (g_child > 0)
        kill(g_child, nSignal);
}

bool SetAddress(int fd, unsigned long request, const char* szName, const char* szAddress)
{
    ifreq ifr{};
    std::strncpy(ifr.ifr_name, szName, IFNAMSIZ - 1);
    auto* pAddress = reinterpret_cast<sockaddr_in*>(&ifr.ifr_addr);
    pAddress->sin_family = AF_INET;
    return inet_pton(AF_INET, szAddress, &pAddress->sin_addr) == 1 && ioctl(fd, request, &ifr) == 0;
}

// The loopback device up, with the module's address in a /24 beside 127.0.0.1.
bool SetUpNetwork()
{
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq ifr{};
    std::strncpy(ifr.ifr_name, "lo", IFNAMSIZ - 1);
    bool bOk = ioctl(fd, SIOCGIFFLAGS, &ifr) == 0;
    ifr.ifr_flags = static_cast<short>(ifr.ifr_flags | IFF_UP);
    bOk = bOk && ioctl(fd, SIOCSIFFLAGS, &ifr) == 0;
    bOk = bOk && SetAddress(fd, SIOCSIFADDR, "lo:1", g_szDefaultDeviceIP) &&
          SetAddress(fd, SIOCSIFNETMASK, "lo:1", "255.255.255.0");
    close(fd);
    return bOk;
}

struct PollCount {
    std::size_t nPolls = 0;  // since the program settled
    std::size_t nHandshakes = 0;
    std::chrono::milliseconds longestGap{0};  // without a poll
    std::chrono::steady_clock::time_point settled;
};

// The first connection's read-back, from the handshake to the write of the live name that ends it.
class ReadBackWatch {
public:
    void Take(const std::vector<EmuRequest>& log)
    {
        for (const EmuRequest& request : log) {
            if (m_bTold)
                return;
            if (request.byIndex == emu::ITEM_HELLO && request.byBlock == emu::BLOCK_SYSTEM && m_nRequests == 0)
                m_handshake = request.received;
            if (m_handshake == std::chrono::steady_clock::time_point{})
                continue;
            ++m_nRequests;
            if (request.byClass == emu::WRITE && request.byBlock == emu::BLOCK_SYSTEM &&
                request.byIndex == emu::ITEM_NAME && request.byPreset == 0) {
                const std::chrono::duration<double, std::milli> span = request.received - m_handshake;
                std::fprintf(stderr, "Processor: read back %d requests in %.1f ms\n", m_nRequests, span.count());
                m_bTold = true;
            }
        }
    }

private:
    std::chrono::steady_clock::time_point m_handshake{};
    int m_nRequests = 0;
    bool m_bTold = false;
};

// Tells once that the program has polled the meters for a while (its read-back and everything
// that showed it are over), and counts the polls from then on. The log is emptied as it is read,
// so it stays small.
PollCount WatchForPolls(CProcessorEmulator& emulator, const std::atomic<bool>& bStop)
{
    constexpr auto SLICE = std::chrono::milliseconds(100);
    constexpr int SETTLED_SLICES = 20;
    const auto isPoll = [](const EmuRequest& request) {
        return request.byBlock == BLOCK_SYSTEM && request.byIndex == SYS_STATUS;
    };
    PollCount count;
    int nPolledSlices = 0;
    int nGapSlices = 0;
    ReadBackWatch readBack;
    const bool bTellHandshakes = std::getenv("TARVI_PROCESSOR_HELLO") != nullptr;
    std::chrono::steady_clock::time_point firstHandshake{};
    while (!bStop) {
        std::this_thread::sleep_for(SLICE);
        const std::vector<EmuRequest> log = emulator.Log();
        emulator.ClearLog();
        readBack.Take(log);
        for (const EmuRequest& request : log) {
            if (!bTellHandshakes || request.byBlock != BLOCK_SYSTEM || request.byIndex != SYS_HELLO)
                continue;
            if (firstHandshake == std::chrono::steady_clock::time_point{})
                firstHandshake = request.received;
            const std::chrono::duration<double, std::milli> at = request.received - firstHandshake;
            std::fprintf(stderr, "Processor: handshake at %.1f ms\n", at.count());
        }
        if (nPolledSlices >= SETTLED_SLICES) {
            const auto nPolls = static_cast<std::size_t>(std::count_if(log.begin(), log.end(), isPoll));
            count.nPolls += nPolls;
            count.nHandshakes += static_cast<std::size_t>(std::count_if(
                log.begin(), log.end(), [](const EmuRequest& request) { return request.byIndex == SYS_HELLO; }));
            nGapSlices = nPolls == 0 ? nGapSlices + 1 : 0;
            count.longestGap = std::max(count.longestGap, nGapSlices * SLICE);
            continue;
        }
        const bool bOnlyPolls = !log.empty() && std::all_of(log.begin(), log.end(), isPoll);
        nPolledSlices = bOnlyPolls ? nPolledSlices + 1 : 0;
        if (nPolledSlices == SETTLED_SLICES) {
            count.settled = std::chrono::steady_clock::now();
            std::fprintf(stderr, "Processor: meters polled\n");
        }
    }
    return count;
}
// Meter codes of the eight outputs that change like music: a new bar at most replies, an
// indicator now and then.
void MoveMeters(CProcessorEmulator& emulator, const std::atomic<bool>& bStop)
{
    for (unsigned nStep = 0; !bStop; ++nStep) {
        emulator.Edit([nStep](EmuState& state) {
            for (unsigned n = 0; n < 8; ++n) {
                const unsigned x = (nStep * 2654435761u) ^ (n * 40503u);
                const unsigned nBar = (x >> 7) % 10;
                state.meters[6 + n] = static_cast<std::uint8_t>(nBar | ((x & 0x700) == 0x700 ? 0x10 : 0) |
                                                                 (nBar >= 8 ? 0x40 : 0));
            }
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// The lossy line's faults and their counts. Every request meets the loss first and, when it is
// not lost, the damage; the emulator asks both under its lock, one request at a time.
class CLossyLine {
public:
    explicit CLossyLine(std::uint32_t nSeed) : m_lost(EmuOneIn(200, nSeed)), m_damaged(EmuOneIn(311, nSeed + 1)) {}

    void Install(CProcessorEmulator& emulator)
    {
        emulator.InjectFault(EmuFault::Drop, EMU_ALWAYS, [this](const EmuRequest& request) {
            if (!m_bSpoilt)
                m_nRun = 0;
            const bool bLost = m_lost(request);
            m_nLost += bLost;
            Spoil(bLost);
            return bLost;
        });
        emulator.InjectFault(EmuFault::CorruptCheck, EMU_ALWAYS, [this](const EmuRequest& request) {
            const bool bDamaged = m_damaged(request);
            m_nDamaged += bDamaged;
            Spoil(bDamaged);
            return bDamaged;
        });
    }

    std::atomic<int> m_nLost{0};
    std::atomic<int> m_nDamaged{0};
    std::atomic<int> m_nTwice{0};    // runs of two spoilt replies in a row or more
    std::atomic<int> m_nThrice{0};   // of three or more
    std::atomic<int> m_nLongest{0};  // the longest run

private:
    void Spoil(bool bSpoilt)
    {
        m_bSpoilt = bSpoilt;
        if (!bSpoilt)
            return;
        ++m_nRun;
        m_nTwice += m_nRun == 2;
        m_nThrice += m_nRun == 3;
        m_nLongest = std::max(m_nLongest.load(), m_nRun);
    }

    EmuMatch m_lost;
    EmuMatch m_damaged;
    bool m_bSpoilt = false;  // the last request's reply
    int m_nRun = 0;          // spoilt replies in a row, up to the last request
};
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: unshare -rn %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    if (!SetUpNetwork()) {
        std::fprintf(stderr, "processor_on_network: cannot set up the network (%s)\n", std::strerror(errno));
        return NO_NETWORK;
    }
    CProcessorEmulator emulator;
    const char* szLink = std::getenv("TARVI_PROCESSOR_LINK");
    const bool bLossy = szLink != nullptr && std::strcmp(szLink, "lossy") == 0;
    const std::uint32_t nSeed = std::random_device{}();
    CLossyLine line(nSeed);  // before the server, which asks it
    if (bLossy)
        line.Install(emulator);
    if (const char* szHello = std::getenv("TARVI_PROCESSOR_HELLO"))
        emulator.Edit([nHello = std::atoi(szHello)](EmuState& state) { state.byHello = static_cast<std::uint8_t>(nHello); });
    CEmulatorTcpServer server(emulator, g_szDefaultDeviceIP, DEFAULT_DEVICE_PORT);
    std::atomic<bool> bStop{false};
    PollCount polls;
    std::thread watcher([&] { polls = WatchForPolls(emulator, bStop); });
    const char* szMeters = std::getenv("TARVI_PROCESSOR_METERS");
    std::thread meters;
    if (szMeters != nullptr && std::strcmp(szMeters, "moving") == 0)
        meters = std::thread([&] { MoveMeters(emulator, bStop); });

    for (int nSignal : {SIGTERM, SIGHUP, SIGINT})
        signal(nSignal, PassOn);
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        execv(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    g_child = child;
    int nStatus = 0;
    while (waitpid(child, &nStatus, 0) < 0 && errno == EINTR) {
    }
    bStop = true;
    watcher.join();
    if (meters.joinable())
        meters.join();
    if (bLossy) {
        std::fprintf(stderr,
                     "Processor: lossy link (seed %u): %d replies lost, %d damaged, %d times two in a row, %d times "
                     "three, at most %d; %d connections, %zu handshakes after settling, longest time without a poll "
                     "%.1f s\n",
                     nSeed, line.m_nLost.load(), line.m_nDamaged.load(), line.m_nTwice.load(), line.m_nThrice.load(),
                     line.m_nLongest.load(), server.Connections(), polls.nHandshakes,
                     std::chrono::duration<double>(polls.longestGap).count());
    }
    if (polls.nPolls > 0) {
        const std::chrono::duration<double> span = std::chrono::steady_clock::now() - polls.settled;
        std::fprintf(stderr, "Processor: %zu meter polls in %.2f s\n", polls.nPolls, span.count());
    }
    return WIFSIGNALED(nStatus) ? 128 + WTERMSIG(nStatus) : WEXITSTATUS(nStatus);
}
