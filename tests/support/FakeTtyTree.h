#pragma once
// A machine's serial ports laid out in a temporary folder, removed with the object: the tty class
// folder (Sys(), what /sys/class/tty is), its entries linked to a device tree, and an empty folder
// of device nodes (Dev(), what /dev is).
#include <filesystem>
#include <string>

class CFakeTtyTree {
public:
    CFakeTtyTree();
    ~CFakeTtyTree();
    CFakeTtyTree(const CFakeTtyTree&) = delete;
    CFakeTtyTree& operator=(const CFakeTtyTree&) = delete;

    // A tty whose device sits at strDevice (relative to the device tree; empty: a virtual one,
    // without a device), with strType in its type file when given.
    void AddTty(const std::string& strName, const std::string& strDevice, const std::string& strType = {});
    // Writes the text and a line end to the file, making its folders.
    static void Write(const std::filesystem::path& path, const std::string& strText);

    const std::filesystem::path& Root() const { return m_root; }
    std::string Sys() const { return (m_root / "class").string(); }
    std::string Dev() const { return (m_root / "dev").string(); }

private:
    std::filesystem::path m_root;
};
