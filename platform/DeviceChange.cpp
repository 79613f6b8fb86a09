#include "platform/DeviceChange.h"

#include <map>
#include <mutex>

#include "platform/MessageIds.h"

namespace {
constexpr std::size_t MAX_KEPT = 256;

std::mutex g_mutex;
std::map<LPARAM, std::string> g_paths;  // ticket -> path, oldest first
LPARAM g_nextTicket = 1;
}  // namespace

bool PostDeviceChange(WndHandle hWnd, WPARAM event, const std::string& strPath)
{
    LPARAM ticket = 0;
    {
        std::lock_guard lock(g_mutex);
        ticket = g_nextTicket++;
        g_paths.emplace(ticket, strPath);
        if (g_paths.size() > MAX_KEPT)
            g_paths.erase(g_paths.begin());
    }
    if (PostMessage(hWnd, WM_DEVICECHANGE, event, ticket))
        return true;
    TakeDeviceChangePath(ticket);
    return false;
}

std::optional<std::string> TakeDeviceChangePath(LPARAM ticket)
{
    std::lock_guard lock(g_mutex);
    auto it = g_paths.find(ticket);
    if (it == g_paths.end())
        return std::nullopt;
    std::string strPath = std::move(it->second);
    g_paths.erase(it);
    return strPath;
}
