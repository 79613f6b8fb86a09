#include "tests/support/FakeTtyTree.h"

#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

CFakeTtyTree::CFakeTtyTree() : m_root(fs::temp_directory_path() / ("tarvi-tty-" + std::to_string(getpid())))
{
    fs::remove_all(m_root);
    fs::create_directories(m_root / "class");
    fs::create_directories(m_root / "dev");
}

CFakeTtyTree::~CFakeTtyTree()
{
    std::error_code error;
    fs::remove_all(m_root, error);
}

void CFakeTtyTree::AddTty(const std::string& strName, const std::string& strDevice, const std::string& strType)
{
    const fs::path entry = m_root / "devices" / "virtual-or-not" / strName;
    fs::create_directories(entry);
    if (!strDevice.empty()) {
        fs::create_directories(m_root / "devices" / strDevice);
        fs::create_directory_symlink(m_root / "devices" / strDevice, entry / "device");
    }
    if (!strType.empty())
        Write(entry / "type", strType);
    fs::create_directory_symlink(entry, m_root / "class" / strName);
}

void CFakeTtyTree::Write(const fs::path& path, const std::string& strText)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << strText << "\n";
}
