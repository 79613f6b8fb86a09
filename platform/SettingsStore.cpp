#include "platform/SettingsStore.h"

#include <algorithm>
#include <atomic>
#include <charconv>

namespace {
std::atomic<ISettingsStore*> g_pInstalled{nullptr};
}  // namespace

std::optional<int> SettingsNumber(std::string_view text, int nMin, int nMax)
{
    long long nValue = 0;
    const char* pEnd = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), pEnd, nValue);
    if (ptr != pEnd || text.empty())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return text.front() == '-' ? nMin : nMax;
    if (ec != std::errc())
        return std::nullopt;
    return static_cast<int>(std::clamp<long long>(nValue, nMin, nMax));
}

ISettingsStore& Settings()
{
    if (ISettingsStore* p = g_pInstalled.load())
        return *p;
    static CFileSettingsStore fileStore;
    return fileStore;
}

ISettingsStore* SetSettingsStore(ISettingsStore* pStore)
{
    return g_pInstalled.exchange(pStore);
}

std::optional<std::string> CMemorySettingsStore::ReadString(std::string_view key, std::string_view name)
{
    std::lock_guard lock(m_mutex);
    auto k = m_keys.find(key);
    if (k == m_keys.end())
        return std::nullopt;
    auto v = k->second.find(name);
    if (v == k->second.end())
        return std::nullopt;
    return v->second;
}

bool CMemorySettingsStore::WriteString(std::string_view key, std::string_view name, std::string_view value)
{
    std::lock_guard lock(m_mutex);
    m_keys[std::string(key)][std::string(name)] = std::string(value);
    return true;
}

bool CMemorySettingsStore::DeleteValue(std::string_view key, std::string_view name)
{
    std::lock_guard lock(m_mutex);
    auto k = m_keys.find(key);
    if (k == m_keys.end())
        return false;
    auto v = k->second.find(name);
    if (v == k->second.end())
        return false;
    k->second.erase(v);
    return true;
}

std::vector<std::string> CMemorySettingsStore::ValueNames(std::string_view key)
{
    std::lock_guard lock(m_mutex);
    std::vector<std::string> names;
    auto k = m_keys.find(key);
    if (k != m_keys.end())
        for (const auto& [name, value] : k->second)
            names.push_back(name);
    return names;
}

bool CMemorySettingsStore::HasKey(std::string_view key)
{
    std::lock_guard lock(m_mutex);
    return m_keys.contains(key);
}

bool CMemorySettingsStore::CreateKey(std::string_view key)
{
    std::lock_guard lock(m_mutex);
    if (!m_keys.contains(key))
        m_keys.emplace(std::string(key), std::map<std::string, std::string, std::less<>>{});
    return true;
}
