#pragma once
// The settings store that stands for the per-user registry. Keys are paths such as
// "Software/Tarvi_1.exe/PC_File"; values are strings. The program's store is a file under the
// XDG config folder; tests use the in-memory one. Running copies of the program share the file,
// so readers of shared values call Reload first and writers Flush after.
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::optional<std::string> ReadString(std::string_view key, std::string_view name) = 0;
    virtual bool WriteString(std::string_view key, std::string_view name, std::string_view value) = 0;
    virtual bool DeleteValue(std::string_view key, std::string_view name) = 0;
    virtual std::vector<std::string> ValueNames(std::string_view key) = 0;
    // A key exists once it was created or a value was written under it; deleting its values
    // leaves it.
    virtual bool HasKey(std::string_view key) = 0;
    // Creates the key, without values, when it is missing.
    virtual bool CreateKey(std::string_view key) = 0;
    // Reads afresh what other running copies have written.
    virtual void Reload() = 0;
    // Writes pending changes through; false when they could not be stored.
    virtual bool Flush() = 0;
};

// A number kept as decimal text, brought into [nMin, nMax]: the file is plain text that anyone
// may edit, and a value far out of range would overflow what is computed from it or loop for
// minutes. Nothing when the text is not a whole number.
std::optional<int> SettingsNumber(std::string_view text, int nMin, int nMax);

// The program's store: the one installed last, else a file store under the XDG config folder.
ISettingsStore& Settings();
// Installs a store (nullptr restores the default) and returns the one it replaces.
ISettingsStore* SetSettingsStore(ISettingsStore* pStore);

class CMemorySettingsStore final : public ISettingsStore {
public:
    std::optional<std::string> ReadString(std::string_view key, std::string_view name) override;
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
    bool DeleteValue(std::string_view key, std::string_view name) override;
    std::vector<std::string> ValueNames(std::string_view key) override;
    bool HasKey(std::string_view key) override;
    bool CreateKey(std::string_view key) override;
    void Reload() override {}
    bool Flush() override { return true; }

private:
    std::mutex m_mutex;
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> m_keys;
};

// File store on wxFileConfig: $XDG_CONFIG_HOME/tarvi/settings.ini (~/.config when unset).
class CFileSettingsStore final : public ISettingsStore {
public:
    CFileSettingsStore();
    explicit CFileSettingsStore(std::string path);
    ~CFileSettingsStore() override;

    std::optional<std::string> ReadString(std::string_view key, std::string_view name) override;
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
    bool DeleteValue(std::string_view key, std::string_view name) override;
    std::vector<std::string> ValueNames(std::string_view key) override;
    bool HasKey(std::string_view key) override;
    bool CreateKey(std::string_view key) override;
    void Reload() override;
    bool Flush() override;

    const std::string& Path() const { return m_path; }
    static std::string DefaultPath();

private:
    struct Impl;
    std::string m_path;
    std::mutex m_mutex;
    std::unique_ptr<Impl> m_pImpl;
};
