#include "tests/support/EmulatedHid.h"

#include <algorithm>
#include <condition_variable>
#include <deque>

#include "platform/DeviceChange.h"

using Clock = std::chrono::steady_clock;

struct CEmulatedHidBackend::Port {
    std::string strPath;
    HidDeviceId id;
    CProcessorEmulator* pEmulator = nullptr;

    std::mutex mutex;
    std::condition_variable changed;
    bool bPlugged = true;
    bool bLeaving = false;  // re-enumerates once the queued replies are read
    int nDeny = 0;
    int nOpens = 0;
    CEmuRequestAssembler assembler;
    std::deque<std::pair<Clock::time_point, HidReport>> input;  // reports and when they arrive
    std::vector<HidReport> written;
};

class CEmulatedHidDevice final : public IHidDevice {
public:
    CEmulatedHidDevice(CEmulatedHidBackend& backend, std::shared_ptr<CEmulatedHidBackend::Port> pPort)
        : m_backend(backend), m_pPort(std::move(pPort))
    {
    }

    LinkError Write(HidReportOut report) override
    {
        CEmulatedHidBackend::Port& port = *m_pPort;
        bool bFellOff = false;
        {
            std::lock_guard lock(port.mutex);
            if (!port.bPlugged)
                return LinkError::Closed;
            if (report[0] != 0)
                return LinkError::Malformed;
            HidReport& copy = port.written.emplace_back();
            std::copy(report.begin(), report.end(), copy.begin());
            port.pEmulator->Receive(report.subspan<1>());
            for (const auto& frame : port.assembler.Feed(report.subspan<1>())) {
                const EmuOutput output = port.pEmulator->Handle(frame);
                const Clock::time_point due = Clock::now() + output.delay;
                for (std::size_t i = 0; i < output.bytes.size(); i += HID_REPORT_DATA) {
                    HidReport piece{};
                    const std::size_t n = std::min(HID_REPORT_DATA, output.bytes.size() - i);
                    std::copy_n(output.bytes.begin() + static_cast<std::ptrdiff_t>(i), n, piece.begin() + 1);
                    port.input.emplace_back(due, piece);
                }
                bFellOff = bFellOff || output.bClose;
                port.bLeaving = port.bLeaving || output.bReenumerate;
            }
            port.changed.notify_all();
        }
        if (bFellOff)
            m_backend.Unplug(port.strPath);
        return LinkError::None;
    }

    LinkError Read(HidReportIn report, std::chrono::milliseconds timeout) override
    {
        CEmulatedHidBackend::Port& port = *m_pPort;
        const Clock::time_point deadline = Clock::now() + timeout;
        std::unique_lock lock(port.mutex);
        for (;;) {
            if (!port.bPlugged)
                return LinkError::Closed;
            const Clock::time_point now = Clock::now();
            if (!port.input.empty() && port.input.front().first <= now) {
                std::copy(port.input.front().second.begin(), port.input.front().second.end(), report.begin());
                port.input.pop_front();
                if (port.bLeaving && port.input.empty()) {
                    lock.unlock();
                    m_backend.Reenumerate(port.strPath);
                }
                return LinkError::None;
            }
            if (now >= deadline)
                return LinkError::TimedOut;
            port.changed.wait_until(lock, port.input.empty() ? deadline : std::min(deadline, port.input.front().first));
        }
    }

private:
    CEmulatedHidBackend& m_backend;
    std::shared_ptr<CEmulatedHidBackend::Port> m_pPort;
};

void CEmulatedHidBackend::Plug(const std::string& strPath, CProcessorEmulator& emulator, const HidDeviceId& id)
{
    auto pPort = std::make_shared<Port>();
    pPort->strPath = strPath;
    pPort->id = id;
    pPort->pEmulator = &emulator;
    {
        std::lock_guard lock(m_mutex);
        m_ports[strPath] = pPort;
    }
    if (m_hNotify != 0)
        PostDeviceChange(m_hNotify, DBT_DEVICEARRIVAL, strPath);
}

void CEmulatedHidBackend::Unplug(const std::string& strPath)
{
    std::shared_ptr<Port> pPort;
    {
        std::lock_guard lock(m_mutex);
        auto it = m_ports.find(strPath);
        if (it == m_ports.end())
            return;
        pPort = std::move(it->second);
        m_ports.erase(it);
    }
    {
        std::lock_guard lock(pPort->mutex);
        pPort->bPlugged = false;
        pPort->changed.notify_all();
    }
    if (m_hNotify != 0)
        PostDeviceChange(m_hNotify, DBT_DEVICEREMOVECOMPLETE, strPath);
}

void CEmulatedHidBackend::DenyAccess(const std::string& strPath, int nTimes)
{
    if (auto pPort = Find(strPath)) {
        std::lock_guard lock(pPort->mutex);
        pPort->nDeny = nTimes;
    }
}

std::vector<HidReport> CEmulatedHidBackend::WrittenReports(const std::string& strPath) const
{
    auto pPort = Find(strPath);
    if (!pPort)
        return {};
    std::lock_guard lock(pPort->mutex);
    return pPort->written;
}

int CEmulatedHidBackend::OpenCount(const std::string& strPath) const
{
    auto pPort = Find(strPath);
    if (!pPort)
        return 0;
    std::lock_guard lock(pPort->mutex);
    return pPort->nOpens;
}

void CEmulatedHidBackend::SetReenumeration(const std::string& strNewPath, std::chrono::milliseconds delay)
{
    std::lock_guard lock(m_mutex);
    m_strReturnPath = strNewPath;
    m_returnDelay = delay;
}

void CEmulatedHidBackend::Reenumerate(const std::string& strPath)
{
    std::shared_ptr<Port> pPort = Find(strPath);
    if (!pPort)
        return;
    Unplug(strPath);
    std::lock_guard lock(m_mutex);
    m_returns.push_back({Clock::now() + m_returnDelay, m_strReturnPath.empty() ? strPath : m_strReturnPath,
                         pPort->pEmulator, pPort->id});
}

void CEmulatedHidBackend::PlugReturnedDevices()
{
    std::vector<Return> due;
    {
        std::lock_guard lock(m_mutex);
        const Clock::time_point now = Clock::now();
        auto it = std::partition(m_returns.begin(), m_returns.end(), [now](const Return& r) { return r.due > now; });
        due.assign(it, m_returns.end());
        m_returns.erase(it, m_returns.end());
    }
    for (const Return& r : due)
        Plug(r.strPath, *r.pEmulator, r.id);
}

std::vector<HidDeviceInfo> CEmulatedHidBackend::Enumerate(const HidDeviceId& id)
{
    PlugReturnedDevices();
    std::lock_guard lock(m_mutex);
    std::vector<HidDeviceInfo> found;
    for (const auto& [strPath, pPort] : m_ports)
        if (pPort->id == id)
            found.push_back({strPath, pPort->id});
    return found;
}

HidOpenResult CEmulatedHidBackend::Open(const std::string& strPath)
{
    PlugReturnedDevices();
    auto pPort = Find(strPath);
    if (!pPort)
        return {nullptr, LinkError::NotFound};
    {
        std::lock_guard lock(pPort->mutex);
        if (pPort->nDeny != 0) {
            if (pPort->nDeny != EMU_ALWAYS)
                --pPort->nDeny;
            return {nullptr, LinkError::AccessDenied};
        }
        ++pPort->nOpens;
    }
    return {std::make_unique<CEmulatedHidDevice>(*this, pPort), LinkError::None};
}

std::shared_ptr<CEmulatedHidBackend::Port> CEmulatedHidBackend::Find(const std::string& strPath) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_ports.find(strPath);
    return it == m_ports.end() ? nullptr : it->second;
}
