#include "platform/SettingsStore.h"

#include <cstdlib>
#include <filesystem>

#include <wx/fileconf.h>
#include <wx/log.h>

// Value names can be device paths ("/dev/hidraw3"), but wxFileConfig reads '/' as a group
// separator: names are stored percent-encoded.
namespace {
std::string EncodeName(std::string_view name)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name) {
        if (c == '/' || c == '%' || c == '=' || c == '\\' || c == '[' || c == ']' || c < 0x20 || c == ' ') {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string DecodeName(const std::string& name)
{
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        const int hi = i + 2 < name.size() && name[i] == '%' ? HexDigit(name[i + 1]) : -1;
        const int lo = hi >= 0 ? HexDigit(name[i + 2]) : -1;
        if (lo >= 0) {
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += name[i];
        }
    }
    return out;
}

wxString Group(std::string_view key)
{
    std::string path = "/";
    path += key;
    return wxString::FromUTF8(path);
}

wxString Entry(std::string_view key, std::string_view name)
{
    return Group(key) + wxS("/") + wxString::FromUTF8(EncodeName(name));
}
}  // namespace

struct CFileSettingsStore::Impl {
    explicit Impl(const std::string& path)
        : config(wxEmptyString, wxEmptyString, wxString::FromUTF8(path), wxEmptyString,
                 wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_NO_ESCAPE_CHARACTERS)
    {
    }
    wxFileConfig config;
};

std::string CFileSettingsStore::DefaultPath()
{
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr)
        base = std::filesystem::path(home) / ".config";
    else
        base = std::filesystem::temp_directory_path();
    return (base / "tarvi" / "settings.ini").string();
}

CFileSettingsStore::CFileSettingsStore() : CFileSettingsStore(DefaultPath()) {}

CFileSettingsStore::CFileSettingsStore(std::string path) : m_path(std::move(path))
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ec);
    wxLogNull quiet;
    m_pImpl = std::make_unique<Impl>(m_path);
}

CFileSettingsStore::~CFileSettingsStore() = default;

std::optional<std::string> CFileSettingsStore::ReadString(std::string_view key, std::string_view name)
{
    std::lock_guard lock(m_mutex);
    wxString value;
    if (!m_pImpl->config.Read(Entry(key, name), &value))
        return std::nullopt;
    return std::string(value.utf8_str());
}

bool CFileSettingsStore::WriteString(std::string_view key, std::string_view name, std::string_view value)
{
    std::lock_guard lock(m_mutex);
    return m_pImpl->config.Write(Entry(key, name), wxString::FromUTF8(std::string(value)));
}

bool CFileSettingsStore::DeleteValue(std::string_view key, std::string_view name)
{
    std::lock_guard lock(m_mutex);
    return m_pImpl->config.DeleteEntry(Entry(key, name), false);
}

std::vector<std::string> CFileSettingsStore::ValueNames(std::string_view key)
{
    std::lock_guard lock(m_mutex);
    std::vector<std::string> names;
    wxFileConfig& config = m_pImpl->config;
    const wxString oldPath = config.GetPath();
    config.SetPath(Group(key));
    wxString entry;
    long cookie = 0;
    for (bool more = config.GetFirstEntry(entry, cookie); more; more = config.GetNextEntry(entry, cookie))
        names.push_back(DecodeName(std::string(entry.utf8_str())));
    config.SetPath(oldPath);
    return names;
}

bool CFileSettingsStore::HasKey(std::string_view key)
{
    std::lock_guard lock(m_mutex);
    return m_pImpl->config.HasGroup(Group(key));
}

bool CFileSettingsStore::CreateKey(std::string_view key)
{
    std::lock_guard lock(m_mutex);
    wxFileConfig& config = m_pImpl->config;
    if (config.HasGroup(Group(key)))
        return true;
    // wxFileConfig writes a group only once an entry was written in it, and keeps the group when
    // that entry is deleted again.
    const wxString entry = Group(key) + wxS("/%00");
    return config.Write(entry, wxString()) && config.DeleteEntry(entry, false);
}

void CFileSettingsStore::Reload()
{
    std::lock_guard lock(m_mutex);
    wxLogNull quiet;
    m_pImpl = std::make_unique<Impl>(m_path);
}

bool CFileSettingsStore::Flush()
{
    std::lock_guard lock(m_mutex);
    wxLogNull quiet;
    return m_pImpl->config.Flush();
}
